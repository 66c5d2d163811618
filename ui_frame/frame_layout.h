#pragma once

#include "ui_frame/outline.h"

#include <QRect>
#include <QSize>

// Where the pieces of a skinned frame go, as pure arithmetic on sizes.
namespace orvanta {

enum class FrameKind {
    // The main window: close and minimise buttons, title at 450 twips.
    MainWindow,
    // A practice window: close, maximise and minimise buttons; resizable.
    PracticeWindow,
    // The pop-up: no title-bar buttons, no icon, all corners rounded.
    PopUp,
};

OutlineShape outlineShapeOf(FrameKind kind);
bool hasTitleBarButtons(FrameKind kind);
bool hasMaximiseButton(FrameKind kind);

// The sizes of the frame pictures as loaded (or their fallback sizes).
struct FramePieceSizes {
    QSize topLeft;
    QSize topCentre;
    QSize topRight;
    QSize left;
    QSize right;
    QSize bottomLeft;
    QSize bottom;
    QSize bottomRight;
    QSize close;
    QSize maximise;
    QSize minimise;
    QSize icon;
    int titleHeight = 0;
};

// Rectangles of the frame pieces in the window, pixels. Pieces a kind does
// not have are empty rectangles.
struct FrameGeometry {
    QRect topLeft;
    QRect topCentre;
    QRect topRight;
    QRect left;
    QRect right;
    QRect bottomLeft;
    QRect bottom;
    QRect bottomRight;
    QRect close;
    QRect maximise;
    QRect minimise;
    QRect icon;
    QRect title;
};

// The frame of a window whose inner size is `inner` (W x H):
//  - top bar: BTopLeft at (0,0), BTopRight flush right, BTopCentre between them;
//  - BBotLeft and BBotRight in the bottom corners, BBot between them; BLeft
//    and BRight from under the top bar ends down to the bottom corners;
//  - title and icon vertically centred on the top bar (the pop-up's title on
//    BTopRight), title at 30 px (16 px in the pop-up), icon at 9 px;
//  - close button flush right with a margin, then maximise and minimise to
//    its left with small gaps, vertically centred on BTopRight.
FrameGeometry layOutFrame(FrameKind kind, QSize inner, const FramePieceSizes& sizes);

} // namespace orvanta
