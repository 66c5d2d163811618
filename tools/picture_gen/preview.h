#pragma once

#include <QImage>
#include <QString>

// Pictures for people to look at while working on the design: both are built
// from the files as written, so they show what the program will install.
namespace orvanta::pictures {

// Every picture in `folder`, enlarged `scale` times without smoothing, on a
// chequered ground that shows transparency, with its number, file name and
// size. Icons show each of their sizes.
QImage ContactSheet(const QString& folder, int scale);

// The main window, a practice window (inactive) and a pop-up put together
// from the frame pieces, buttons and panels in `folder` as the windows lay
// them out, with enlarged corners to check that the pieces join.
QImage FrameMockup(const QString& folder);

} // namespace orvanta::pictures
