#pragma once

#include <QString>

#include <optional>

// The main window's toolbar and its page dispatcher (`ShowPage`): what the
// four toolbar buttons are on a subject tab and on the Help tab, and which
// command the pair (chosen tab, last toolbar command) stands for.
namespace orvanta {

inline constexpr int kHelpTab = 4;
inline constexpr int kToolbarButtonCount = 4;

// One toolbar button in one of its two sets. Picture names are file names in
// the "Graphics" folder.
struct ToolbarEntry {
    QString caption; // lblTB01..lblTB04
    QString toolTip; // on the button and on its caption
    QString offPicture;
    QString onPicture;
    QString pressedPicture;
};

// Button 1..4 on a subject tab (Home, Report, Print, Close) or on the Help
// tab (About, Trash, -, Setup). Nothing for button 3 on the Help tab, which
// has no command there: the button and its caption are hidden. Nothing for a
// button number outside 1..4.
std::optional<ToolbarEntry> ToolbarEntryFor(bool helpTab, int button);

// What `ShowPage` does for `txtTabPos` and `txtToolBarPos`.
enum class PageCommand {
    Nothing,
    LoadHome,     // subject tab, Home: reload the subject, show Body_Home
    ShowReport,   // subject tab, Report: build the report, show Body_Report
    PrintResults, // subject tab, Print: print; the page stays
    CloseProgram, // subject tab, Close
    ShowAbout,    // Help tab, About: show Body_About
    ShowTrash,    // Help tab, Trash: show Body_Trash in its Offer state
    PrintSetup,   // Help tab, Setup: printer set-up; the page stays
};

// The dispatcher's table: tab 1..3 with toolbar 1..4, tab 4 with 1, 2 or 4;
// every other pair is Nothing.
PageCommand ShowPageCommand(int tab, int button);

} // namespace orvanta
