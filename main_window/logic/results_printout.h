#pragma once

#include "main_window/logic/subject_data.h"

#include <QString>
#include <QStringList>

// The text of the printed results of a subject, line by line, for printing in
// a fixed-pitch font.
//
// Each item of a line goes into the next print zone, a zone being 14
// character columns: zone 1 holds a single space, so every visible text
// begins at column 15. An item longer than its zone runs on, and the next
// item then starts at the next zone boundary that leaves at least one blank
// column after it; an empty item still takes its zone.
//
// The printout: two blank lines, the course title, two blank lines; then per
// topic 1..T two blank lines, the topic name, a rule of 128 "-", the column
// heads ("Papers", "First take", "Time taken", "Date", "Second take" over
// "score" and "score"), a second rule, and a row per paper 1..5 with its
// first-take score + "%", time taken, date and second-take score + "%". A
// paper without a score shows a lone "%" in that column.
namespace orvanta {

inline constexpr int kPrintZoneWidth = 14;
inline constexpr int kPrintRuleLength = 128;

// One printed line from its items, zone by zone, zone 1 first.
QString PrintZoneLine(const QStringList& items);

// The lines of `PrintResults` for `subject`, headed by `courseTitle` (the
// main window's caption). Lines carry no line ends.
QStringList ResultsPrintoutLines(const QString& courseTitle, const SubjectData& subject);

// The widest line of `lines` in character columns, to fit the font to the
// page width (the rule lines need 142).
int PrintoutColumns(const QStringList& lines);

} // namespace orvanta
