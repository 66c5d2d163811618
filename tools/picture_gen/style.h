#pragma once

#include <QColor>
#include <QSize>

// The one table every picture is drawn from: colours and pixel sizes. A colour
// or a size changed here changes every picture that uses it.
//
// Sizes are pixels at 96 dpi; the windows are laid out in twips, 15 twips a
// pixel, and the twips each size stands for are noted beside it.
namespace orvanta::pictures {

constexpr int kTwipsPerPixel = 15;

struct Palette {
    // Background of the pages, the toolbar strip and the window behind the
    // tabs: every opaque picture that sits on a page fills its corners with it.
    QColor face{244, 245, 235};
    QColor paper{255, 255, 255};
    QColor ink{43, 58, 85};        // outlines of pictograms
    QColor softInk{112, 128, 150}; // secondary outlines and glyphs on white

    // Window frame: a two-pixel ring round every window, dark outside.
    QColor frameOuter{31, 79, 150};
    QColor frameInner{90, 143, 216};
    // Active top bar (blue), top to bottom, and its bottom edge.
    QColor barTop{108, 176, 246};
    QColor barBottom{47, 116, 208};
    QColor barEdge{38, 98, 180};
    // Inactive top bar (white).
    QColor whiteBarTop{253, 253, 254};
    QColor whiteBarBottom{226, 231, 238};
    QColor whiteBarEdge{196, 205, 218};
    QColor whiteGlyph{128, 128, 128}; // the inactive title text grey
    QColor closeHot{232, 85, 78};

    // Hover and pressed looks of buttons: warm yellow.
    QColor hoverTop{255, 249, 222};
    QColor hoverBottom{255, 229, 140};
    QColor hoverEdge{226, 170, 46};
    QColor pressTop{250, 211, 95};
    QColor pressBottom{255, 232, 150};
    QColor pressEdge{190, 130, 20};
    // Resting look of the page buttons: light blue.
    QColor restTop{246, 250, 255};
    QColor restBottom{208, 226, 249};
    QColor restEdge{120, 160, 214};

    // Tabs.
    QColor tabEdge{133, 160, 196};
    QColor backTabTop{228, 236, 246};
    QColor backTabBottom{205, 219, 236};
    QColor backTabHotTop{244, 248, 254};
    QColor backTabHotBottom{220, 232, 247};
    QColor frontAccent{74, 144, 226};
    QColor hotAccent{245, 166, 35};

    // Pictogram colours.
    QColor red{229, 72, 62};
    QColor orange{247, 148, 30};
    QColor yellow{255, 204, 51};
    QColor green{67, 170, 73};
    QColor lightGreen{139, 214, 106};
    QColor blue{61, 139, 234};
    QColor darkBlue{36, 92, 170};
    QColor pink{244, 143, 177};
    QColor teal{38, 166, 154};
    QColor steel{143, 163, 191};
    QColor silver{214, 221, 230};
    QColor cream{255, 241, 214};

    // Panels in the practice window: second take (lilac), remaining
    // questions (blue), general footer (green), marking-bar trough (white).
    QColor secondTop{240, 240, 255};
    QColor secondBottom{214, 214, 255};
    QColor secondEdge{150, 150, 222};
    QColor remainTop{236, 244, 255};
    QColor remainBottom{206, 226, 251};
    QColor remainEdge{132, 170, 218};
    QColor footerTop{246, 251, 236};
    QColor footerBottom{222, 240, 199};
    QColor footerEdge{160, 198, 130};
    QColor troughEdge{150, 172, 200};

    // Heading of the paper column (the topic column uses the resting blue),
    // report section bars, the score panel and the fraction instructions.
    QColor paperHeadTop{255, 246, 228};
    QColor paperHeadBottom{255, 223, 170};
    QColor sectionTop{226, 239, 255};
    QColor sectionBottom{184, 213, 247};
    QColor scoreBottom{238, 244, 252};
    QColor noteTop{255, 253, 240};
};

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
    static const Palette p;
    return p;
}

inline const Metrics& metrics() {
    static const Metrics m;
    return m;
}

} // namespace orvanta::pictures
