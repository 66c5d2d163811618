#pragma once

#include "marking/paper_marking.h"
#include "marking/store_update.h"

#include "data/course_content.h"
#include "data/progress_store.h"

#include <QString>
#include <QStringList>

// Marking papers of the fixture course straight into a store, as the
// practice window does, for the tests of the pupil's files.
namespace orvanta::test {

inline constexpr int kFixturePapers = 10;

// Answers of every part of the paper: `text` throughout.
inline QStringList answersOf(const ProgressStore& store, int subject, int paper,
                             const QString& text) {
    const PaperContent content = LoadPaperContent(store.library(), store.folder(), subject, paper);
    return QStringList(content.partCount(), text);
}

// Judges `answers` and stores the first take of the paper; returns the marking.
inline PaperMarking markFirstTake(const ProgressStore& store, int subject, int paper,
                                  const QStringList& answers) {
    const PaperContent content = LoadPaperContent(store.library(), store.folder(), subject, paper);
    const PaperMarking marking = MarkPaperAnswers(content, answers);
    PaperRecordFile answerFile =
        store.OpenPaperRecords(ProgressFile::FirstAnswers, subject, kFixturePapers);
    PaperRecordFile resultFile =
        store.OpenPaperRecords(ProgressFile::FirstResults, subject, kFixturePapers);
    SummaryRows summary = store.ReadSummary(subject, kFixturePapers);
    StoreFirstTakeMarking(store, subject, answerFile, resultFile, summary,
                          {paper,
                           answers,
                           marking.results,
                           marking.percentage,
                           {QStringLiteral("7 Mar 2024"), QStringLiteral("0:7:5")}});
    return marking;
}

} // namespace orvanta::test
