#pragma once

#include <QString>
#include <QStringList>

// Reading back a PDF file as text with `pdftotext -layout` (poppler-utils),
// to compare a printout with the lines it was made from.
namespace orvanta::test {

// The text of the PDF file at `path` as `pdftotext -layout` lays it out,
// page breaks as form feeds. Fails the test when the tool is missing or
// fails.
QString pdfText(const QString& path);

// The non-blank lines of `lines`, right-trimmed and without the left margin
// they all share: pdftotext keeps the columns but not the page's margin.
QStringList printedLines(const QStringList& lines);

// printedLines of the PDF file's text.
QStringList pdfLines(const QString& path);

} // namespace orvanta::test
