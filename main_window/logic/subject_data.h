#pragma once

#include "data/course_content.h"
#include "data/progress_store.h"

#include <QString>
#include <QStringList>

#include <optional>

// The chosen subject as the main window holds it between reloads: its counts
// and topic names from the course description and a snapshot of its six
// summary rows. The Home page, the report and the printout are computed from
// this alone.
namespace orvanta {

struct SubjectData {
    int subject = 0;        // 1..3
    QString name;           // the subject's name
    int topicCount = 0;     // T, 0..10
    int paperCount = 0;     // P, 0..50
    QStringList topicNames; // T names
    SummaryRows summary;    // P fields per row

    // Name of topic 1..10; empty beyond the topic count.
    QString topicName(int topic) const;

    // The stored value of paper index 1..P in `row`. Empty for an index
    // outside 1..P, so a course whose paper count falls short of five papers
    // per topic reads its missing papers as never marked instead of failing.
    QString value(SummaryRows::Row row, int paperIndex) const;
    QString firstScore(int paperIndex) const { return value(SummaryRows::FSE, paperIndex); }
    QString secondScore(int paperIndex) const { return value(SummaryRows::SSE, paperIndex); }
};

// Takes the snapshot of `subject` (1..3): its course data and its summary rows
// read from the store. Nothing when the number is outside 1..3 or the subject
// is absent from the course; the caller then keeps the data it has.
// Throws RecordFileError when the summary file is missing or damaged (a row
// missing or shorter than the paper count).
std::optional<SubjectData> LoadSubjectData(const CourseDescription& course,
                                           const ProgressStore& store, int subject);

} // namespace orvanta
