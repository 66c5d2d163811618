#pragma once

#include "data/app_folder.h"
#include "data/resource_install.h"
#include "ui_frame/pop_up.h"
#include "ui_frame/skin_context.h"

#include <QString>

// The seam between the main window (Contents) and the practice window
// (Test1 / Test2): what the main window hands over when it opens a paper, what
// the practice window needs of the main window while it is open, and how the
// main window opens and unloads practice windows.
namespace orvanta {

// The main window's fields a practice window reads once, at load.
struct PaperHandOver {
    int subject = 1;         // LChose: 1..3
    QString courseCode;      // lblCOD, part of every progress file name
    int topicFirstIndex = 1; // TopicCount: 1, 6, ..., 46
    int paperCount = 0;      // TtPapersCon: P
    int paperNumber = 0;     // PaperNum: 101..100+P
    int take = 1;            // TakeNum: 1 first take (Test1), 2 second take (Test2)
    QString topicName;       // SubH1: the chosen topic's name

    // Position of the paper within its topic, 1..5 (the caption's "Paper 3").
    int positionInTopic() const { return paperNumber - 100 - topicFirstIndex + 1; }
};

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
