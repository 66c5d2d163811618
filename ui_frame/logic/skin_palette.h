#pragma once

#include <QColor>

// The colours of the skin, written once: the interface pictures are drawn in
// them and the widgets paint their faces, text and edges in them, so that a
// page and the pictures on it meet without a seam. Qt Gui only (no widget),
// so that the picture generator uses it as the windows do.
namespace orvanta {

struct SkinPalette {
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

    // Widgets only: the practice window's captions and its question title
    // strip, the box round an answer box and the notes strip, the report's
    // save buttons and printed table, the answer hint and the About notice.
    QColor captionInk{40, 50, 70};
    QColor titleStrip{225, 236, 250};
    QColor answerEdge{178, 217, 246};
    QColor buttonFace{221, 233, 249};
    QColor buttonHot{236, 243, 252};
    QColor buttonPressed{200, 218, 243};
    QColor tableHead{233, 240, 250};
    QColor rowRule{214, 222, 232};
    QColor hintBack{255, 250, 205};
    QColor hintInk{90, 60, 0};
    QColor hintEdge{230, 180, 60};
    QColor noticeInk{90, 100, 115};
};

inline constexpr SkinPalette kSkin{};

} // namespace orvanta
