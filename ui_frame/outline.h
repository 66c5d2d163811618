#pragma once

#include <QPolygon>
#include <QRegion>
#include <QSize>

class QWidget;

// The rounded outline every skinned window is cut to.
namespace orvanta {

enum class OutlineShape {
    // Main and practice windows: top corners rounded, bottom corners square.
    TopCornersRounded,
    // The pop-up: all four corners rounded.
    AllCornersRounded,
};

// The outline polygon of a window whose inner size is `size` pixels (W x H):
// 12 points for TopCornersRounded, 18 for AllCornersRounded, starting at
// (0,5) and running clockwise. The top-right corner is deliberately not the
// mirror image of the top-left one: its fourth point is (W-2,3), not (W-1,3).
QPolygon roundedOutline(OutlineShape shape, QSize size);

// The region the polygon covers under the winding fill rule. As with the
// platform regions the design was made for, the right and bottom edges of
// the polygon lie outside it: a plain W x H rectangle covers exactly the
// pixels 0..W-1 x 0..H-1.
QRegion outlineRegion(const QPolygon& outline);

// Cuts `window` to its rounded outline at its current size (its mask). Call
// it again after every resize so the outline follows the size.
void pRoundCorners(QWidget* window, OutlineShape shape);

} // namespace orvanta
