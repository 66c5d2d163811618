#pragma once

#include <QString>

// What the main window (Contents) hands over to the practice window (Test1 /
// Test2) when it opens a paper. Plain values, so that the paper's session and
// the rules read them without any window.
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

} // namespace orvanta
