#pragma once

#include "subject_data.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// What the Report page saves for a parent to keep, without any window: the
// table of a subject's marked papers, its results as a spreadsheet file, and
// the names the save dialogs propose.
namespace orvanta {

// One marked paper of a subject, its values as stored.
struct MarkedPaper {
    int topic = 0;       // 1..10
    QString topicName;   // the topic's name
    int paper = 0;       // 1..5 within the topic
    int paperIndex = 0;  // 1..50 within the subject
    QString firstScore;  // "FSE": percentage text without "%", empty when not marked
    QString secondScore; // "SSE": likewise
    QString timeTaken;   // "LTM": "h:m:s" as stored
    QString date;        // "CDD": the date of the first take as stored
};

// The papers of topics 1..T with a score of either take, in paper order.
QList<MarkedPaper> MarkedPapers(const SubjectData& subject);

// "Paper 3", as the printout and the Home page name a paper.
QString PaperLabel(int paper);

// One field of a comma-separated file: as it is, or between double quotes
// (its quotes doubled) when it holds a comma, a quote, a line break, or a
// space at either end that a spreadsheet would drop.
QString CsvField(const QString& text);

// The stored date "7 Mar 2024" as "2024-03-07", which every spreadsheet reads
// as a date; any other text as it is.
QString SpreadsheetDate(const QString& stored);
// The stored time taken "0:7:5" as "0:07:05"; any other text as it is.
QString SpreadsheetTime(const QString& stored);

inline const QStringList kResultsCsvHeader = {
    QStringLiteral("Subject"), QStringLiteral("Topic"),     QStringLiteral("Paper"),
    QStringLiteral("Take"),    QStringLiteral("Score (%)"), QStringLiteral("Time taken"),
    QStringLiteral("Date")};

// The results of `subject` as a CSV file for a spreadsheet: UTF-8 with a
// byte-order mark (so that spreadsheets read accented names right), CR LF
// line ends, the header above, then one row per paper and marked take:
// subject, topic name, paper 1..5, take 1 or 2, the score as stored, and for
// a first take the time taken and the date (a second take records neither).
QByteArray ResultsCsv(const SubjectData& subject);

// The names the save dialogs propose: "<Subject> report 2025-03-16.pdf" and
// "<Subject> results 2025-03-16.csv", the date in ISO form so that the files
// sort by it; characters that a file name cannot hold become "-".
QString ReportPdfName(const QString& subjectName, const QDate& date);
QString ResultsCsvName(const QString& subjectName, const QDate& date);

} // namespace orvanta
