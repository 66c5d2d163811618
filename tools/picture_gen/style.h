#pragma once

#include "ui_frame/logic/skin_palette.h"

#include <QSize>

// The tables every picture is drawn from: the skin's colours and the pixel
// sizes. A colour or a size changed there changes every picture that uses it.
//
// Sizes are pixels at 96 dpi; the windows are laid out in twips, 15 twips a
// pixel, and the twips each size stands for are noted beside it.
namespace orvanta::pictures {

constexpr int kTwipsPerPixel = 15;

// The skin's colours (ui_frame/logic/skin_palette.h), shared with the widgets.
using Palette = SkinPalette;

struct Metrics {
    QSize toolbarButton{44, 45}; // 660 x 675
    int pictogram = 28;          // drawn in the upper part; the caption label lies below
    int pictogramTop = 2;
    QSize tab{100, 27};             // 1500 x 405
    int topBarHeight = 28;          // 420
    int topCornerWidth = 8;         // 120
    int topCentreWidth = 16;        // 240, stretched by the window
    int border = 2;                 // 30: sides and bottom
    int borderLength = 16;          // 240, stretched by the window
    QSize titleButton{20, 20};      // 300 x 300, centred on the top bar
    QSize loadButton{30, 15};       // 450 x 225: rows of a paper block are 240 apart
    QSize button{80, 25};           // 1200 x 375
    QSize secondTakePanel{160, 25}; // 2400 x 375, bottombg1
    QSize remainingPanel{128, 25};  // 1920 x 375, bottombg2
    QSize footerPanel{100, 25};     // 1500 x 375, bottombg3
    QSize markingTrough{200, 25};   // 3000 x 375, bottombg4 behind the marking bar
    QSize topicHead{180, 24};       // 2700 x 360
    QSize paperHead{192, 24};       // 2880 x 360
    QSize markingCell{11, 19};      // 165 x 285
    QSize grip{8, 8};               // 120 x 120
    QSize bullet{15, 15};           // 225 x 225
    QSize handle{6, 48};            // 90 x 720, inside the 100-twip handle strip
    QSize scorePanel{117, 45};      // 1755 x 675, pen.bmp behind the score labels
    QSize sectionBar{400, 25};      // 6000 x 375, report section bars
    QSize infoMark{32, 32};         // 480 x 480
    QSize logo{240, 90};            // 3600 x 1350
    QSize instruction{264, 112};    // 3960 x 1680, at the foot of the answer sheet
    int bottomCorner = 8;           // 120: the pop-up's rounded bottom corners
    int popUpCornerRadius = 7;      // as the pop-up's outline cuts it
    int windowCornerRadius = 5;     // as every window's outline cuts the top corners
};

inline const Palette& palette() {
    return kSkin;
}

inline const Metrics& metrics() {
    static const Metrics m;
    return m;
}

} // namespace orvanta::pictures
