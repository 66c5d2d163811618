#pragma once

#include "main_window/subject_data.h"

#include <QDate>
#include <QRectF>
#include <QString>

class QIODevice;
class QPainter;

// The report a parent keeps: one A4 page per subject with the course title,
// the subject and the date, the three sections of the Report page as it
// shows them (Overall Results, Topical Results with a pair of bars per
// topic, Trend Analysis with the plot drawn as lines and dots, not as a
// picture), and a table of the marked papers: topic, paper, first- and
// second-take score, time taken and date. The figures come from the
// functions the page uses (BuildReport, ReadTrendSeries, TrendPlotGeometry,
// TrendScale), so the two always agree.
namespace orvanta {

struct ReportDocument {
    QString courseTitle;
    SubjectData subject;
    QString trendLine; // as stored ("#TRD#>88.8>70"); empty without a trend record
    QDate date;        // the day the report is made
};

// Paints the report onto `painter` within `page` (device units of the
// painter; millimetres are worked out from `dotsPerMm`). The table takes
// one column, or two side by side when its rows would not fit in one; the
// rows then shrink as needed, so that a subject with all 50 papers marked
// still fits the page.
void PaintReportDocument(QPainter& painter, const QRectF& page, double dotsPerMm,
                         const ReportDocument& report);

// Writes the report as a one-page A4 PDF file to `device` (opened for
// writing). Returns false when the painter could not start on it.
bool WriteReportPdf(QIODevice& device, const ReportDocument& report);

} // namespace orvanta
