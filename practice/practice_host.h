#pragma once

#include "practice/logic/paper_hand_over.h"

#include "data/app_folder.h"
#include "data/resource_install.h"
#include "ui_frame/pop_up.h"
#include "ui_frame/skin_context.h"

// The seam between the main window (Contents) and the practice window
// (Test1 / Test2): what the practice window needs of the main window while it
// is open, and how the main window opens and unloads practice windows. What
// is handed over at opening is in practice/logic/paper_hand_over.h.
namespace orvanta {

// What a practice window asks of the main window.
class PracticeHost {
public:
    virtual ~PracticeHost() = default;
    // The program's pop-up, answering through the main window's PopUpResponse.
    virtual PopUpChannel& popUps() = 0;
    // Rereads the chosen subject and shows the chosen topic again; called by a
    // practice window whenever it unloads.
    virtual void RefreshContents() = 0;
};

// Where a practice window finds the course, the pupil's files and the skin.
struct PracticeEnvironment {
    ResourceLibrary library;
    AppFolder folder;
    SkinContext skin;
};

// How the main window opens and unloads practice windows; at most one is open.
class PracticeLauncher {
public:
    virtual ~PracticeLauncher() = default;

    // Unloads the open practice window, if any, as UnloadPracticeWindow
    // does, then opens `paper` in the mode of paper.take. When the paper
    // cannot be opened the pupil is told which paper and why, no window is
    // shown and no file is written; returns false then, and when the open
    // window was kept.
    virtual bool OpenPaper(const PaperHandOver& paper) = 0;

    // Unloads the open practice window, if any: while its take is not
    // marked, the answers typed since its last save are saved first; when
    // that fails the pupil is asked whether to close the paper all the same.
    // The page file is removed and the window calls RefreshContents. Returns
    // false when the pupil kept the window open (nothing was unloaded).
    virtual bool UnloadPracticeWindow() = 0;

    virtual bool hasOpenPracticeWindow() const = 0;

    // Starts the web engine ahead of the first paper, so that the first page
    // shows quickly; called once the main window is on screen.
    virtual void warmUp() = 0;
};

} // namespace orvanta
