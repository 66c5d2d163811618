#pragma once

#include <QImage>
#include <QSize>

// The skinned window frame: top bar pieces (blue while the window is active,
// white while it is not), side and bottom borders, corners, title-bar buttons
// and the tabs of the main window.
//
// The frame is a two-pixel ring round the window, dark outside and light
// inside, so that pieces placed edge to edge join without a seam: every side
// piece is uniform along its length and may be stretched or tiled.
namespace orvanta::pictures {

enum class FrameLook { Active, Inactive };
enum class TopPiece { Left, Centre, Right };
enum class Edge { Left, Right, Bottom };
enum class Corner { BottomLeft, BottomRight };
enum class TitleGlyph { Close, Max, Min, Norm };
// "blue": active window, pointer over the button; "blueoff": active window;
// "white": inactive window.
enum class TitleButtonLook { Hot, Rest, Inactive };

QImage DrawTopBarPiece(TopPiece piece, FrameLook look, QSize size);
QImage DrawBorder(Edge edge, QSize size);

// Square bottom corner of the main and practice windows.
QImage DrawSquareCorner(Corner corner, QSize size);

// Rounded bottom corner of the pop-up, following its window outline; pixels
// outside the outline and inside the window are transparent.
QImage DrawRoundCorner(Corner corner, QSize size);

// Opaque; its background is the top bar where the button sits, centred on it.
QImage DrawTitleButton(TitleGlyph glyph, TitleButtonLook look, QSize size);

// Front: the chosen tab, joined to the toolbar strip below it. Hot: under the
// pointer. The caption is a label laid over the tab.
QImage DrawTab(bool front, bool hot, QSize size);

} // namespace orvanta::pictures
