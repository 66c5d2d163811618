#include "report_document.h"

#include "data/record_file.h"
#include "main_window/page_style.h"
#include "main_window/report_export.h"
#include "main_window/report_figures.h"
#include "main_window/trend_series.h"
#include "marking/score.h"
#include "ui_frame/ui_font.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

QColor colourOf(RgbColour c) {
    return QColor(c.red, c.green, c.blue);
}

const QColor kSectionBar(221, 233, 249);
const QColor kTableHead(233, 240, 250);
const QColor kRowRule(214, 222, 232);

// The page's heights, millimetres.
constexpr double kHeaderHeight = 17.0;
constexpr double kSectionBarHeight = 6.0;
constexpr double kBandGap = 4.0;
constexpr double kSummaryBandHeight = 52.0;
constexpr double kLegendHeight = 5.0;
constexpr double kTopicPitch = 5.2;
constexpr double kTableHeadHeight = 7.5;
constexpr double kLongestTableRow = 5.0;
constexpr double kColumnGap = 3.0;

// Columns of the table of marked papers, as shares of its width.
struct TableColumn {
    const char* head;
    double share;
    Qt::Alignment align;
};
constexpr TableColumn kColumns[] = {
    {"Topic", 0.35, Qt::AlignLeft},        {"Paper", 0.12, Qt::AlignLeft},
    {"First\ntake", 0.12, Qt::AlignRight}, {"Second\ntake", 0.12, Qt::AlignRight},
    {"Time\ntaken", 0.13, Qt::AlignRight}, {"Date", 0.16, Qt::AlignRight},
};

QString withPercent(const QString& score) {
    return score.isEmpty() ? QString() : score + u'%';
}

// Draws in millimetres from the page's top-left corner.
class PagePainter {
public:
    PagePainter(QPainter& painter, const QRectF& page, double dotsPerMm)
        : p_(painter)
        , page_(page)
        , dpm_(dotsPerMm) {}

    double width() const { return page_.width() / dpm_; }
    double height() const { return page_.height() / dpm_; }
    QRectF at(double left, double top, double w, double h) const {
        return QRectF(page_.left() + left * dpm_, page_.top() + top * dpm_, w * dpm_, h * dpm_);
    }
    double dots(double mm) const { return mm * dpm_; }
    QPainter& painter() { return p_; }

    static QFont font(double points, bool bold = false) {
        QFont f = uiFont(10, bold);
        f.setPointSizeF(points);
        return f;
    }

    void text(const QRectF& box, const QString& text, const QFont& font, const QColor& colour,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        p_.setFont(font);
        p_.setPen(colour);
        p_.drawText(box, static_cast<int>(align) | Qt::TextSingleLine, text);
    }

    // `text` in `box`, on one line or wrapped over as many as the box holds,
    // the font made smaller (down to `smallest` points) until it fits, and at
    // the smallest cut short with an ellipsis.
    void fittedText(const QRectF& box, const QString& text, QFont font, double smallest,
                    const QColor& colour, Qt::Alignment align, bool wrap = false) {
        if (!(align & Qt::AlignVertical_Mask))
            align |= Qt::AlignVCenter;
        const int flags = static_cast<int>(align) | (wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
        auto fits = [&](const QFont& f) {
            const QRectF needed = QFontMetricsF(f, p_.device()).boundingRect(box, flags, text);
            return needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5;
        };
        while (font.pointSizeF() > smallest && !fits(font))
            font.setPointSizeF(std::max(smallest, font.pointSizeF() - 0.5));
        p_.setFont(font);
        p_.setPen(colour);
        if (fits(font)) {
            p_.drawText(box, flags, text);
            return;
        }
        const QString shown =
            QFontMetricsF(font, p_.device()).elidedText(text, Qt::ElideRight, box.width());
        p_.drawText(box, static_cast<int>(align) | Qt::TextSingleLine, shown);
    }

    void box(const QRectF& r, const QColor& fill, const QColor& edge) {
        p_.setPen(edge.isValid() ? QPen(edge, dots(0.2)) : QPen(Qt::NoPen));
        p_.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
        p_.drawRect(r);
    }

    void sectionBar(double left, double top, double w, const QString& caption) {
        const QRectF r = at(left, top, w, kSectionBarHeight);
        p_.setPen(QPen(page_style::kBoxEdge, dots(0.2)));
        p_.setBrush(kSectionBar);
        p_.drawRoundedRect(r, dots(1.2), dots(1.2));
        text(at(left + 3, top, w - 6, kSectionBarHeight), caption, font(10, true),
             page_style::kInk);
    }

private:
    QPainter& p_;
    QRectF page_;
    double dpm_;
};

void paintHeader(PagePainter& pp, const ReportDocument& report) {
    pp.text(pp.at(0, 0, pp.width(), 8), report.courseTitle, PagePainter::font(16, true),
            page_style::kInk);
    pp.text(pp.at(0, 8, pp.width() * 0.7, 6), report.subject.name + QStringLiteral(" report"),
            PagePainter::font(12, true), page_style::kFigureInk);
    pp.text(pp.at(pp.width() * 0.5, 8, pp.width() * 0.5, 6), MarkingDateText(report.date),
            PagePainter::font(10), page_style::kInk, Qt::AlignRight | Qt::AlignVCenter);
    QPainter& p = pp.painter();
    p.setPen(QPen(page_style::kBoxEdge, pp.dots(0.3)));
    p.drawLine(pp.at(0, 15, pp.width(), 0).topLeft(), pp.at(0, 15, pp.width(), 0).topRight());
}

void paintOverall(PagePainter& pp, double left, double top, double w,
                  const OverallFigures& overall) {
    pp.sectionBar(left, top, w, report_text::kOverallCaption);
    const QString captions[] = {report_text::kFirstAverageLabel, report_text::kSecondAverageLabel,
                                report_text::kPapersCompletedLabel, report_text::kWeakestLabel,
                                report_text::kStrongestLabel};
    const QString figures[] = {overall.firstAverage, overall.secondAverage, overall.papersCompleted,
                               overall.weakestTopic.trimmed(), overall.strongestTopic.trimmed()};
    const double captionWidth = 54.0;
    double y = top + kSectionBarHeight + 3;
    for (int i = 0; i < 5; ++i) {
        pp.text(pp.at(left + 2, y, captionWidth, 7), captions[i], PagePainter::font(9, true),
                page_style::kInk);
        // A topic's name may take two lines, as on the page; one line stands
        // level with its caption.
        const bool topic = i >= 3;
        const double boxHeight = topic ? 8.4 : 7.0;
        pp.fittedText(pp.at(left + captionWidth + 2, y + 3.5 - boxHeight / 2, w - captionWidth - 3,
                            boxHeight),
                      figures[i], PagePainter::font(10, true), 7.5, page_style::kFigureInk,
                      Qt::AlignLeft | Qt::AlignVCenter, topic);
        y += 8.2;
    }
}

void paintTrend(PagePainter& pp, double left, double top, double w, double h,
                const QList<double>& values) {
    pp.sectionBar(left, top, w, report_text::kTrendCaption);
    const double scaleWidth = 11.0;
    const double captionHeight = 5.0;
    const double plotTop = top + kSectionBarHeight + 3;
    const QRectF frame = pp.at(left + scaleWidth, plotTop, w - scaleWidth,
                               h - kSectionBarHeight - 3 - captionHeight);
    pp.box(frame, colourOf(kTrendBackgroundColour), page_style::kBoxEdge);
    const QRectF area = frame.adjusted(pp.dots(0.3), pp.dots(0.3), -pp.dots(0.3), -pp.dots(0.3));
    const TrendPlot plot = TrendPlotGeometry(values, area);

    QPainter& p = pp.painter();
    p.setPen(QPen(colourOf(kTrendGridColour), pp.dots(0.15)));
    p.drawLines(plot.gridLines);
    const QColor blue = colourOf(kTrendPointColour);
    for (qsizetype i = 0; i < plot.points.size(); ++i) {
        p.setPen(QPen(colourOf(kTrendStemColour), pp.dots(0.15)));
        p.drawLine(plot.stems.at(i));
        p.setPen(QPen(blue, pp.dots(0.35)));
        p.drawLine(plot.segments.at(i));
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawEllipse(plot.points.at(i), pp.dots(0.8), pp.dots(0.8));
    }

    const QFont scaleFont = PagePainter::font(6.5);
    for (const TrendScaleMark& mark : TrendScale(area)) {
        const QRectF label(pp.at(left, 0, scaleWidth - 1, 0).left(), mark.y - pp.dots(2),
                           pp.dots(scaleWidth - 1.2), pp.dots(4));
        pp.text(label, mark.text, scaleFont, page_style::kInk, Qt::AlignRight | Qt::AlignVCenter);
    }
    pp.text(QRectF(frame.left(), frame.bottom() + pp.dots(0.5), frame.width(), pp.dots(4.5)),
            kTrendCaption, PagePainter::font(8, true), page_style::kInk, Qt::AlignCenter);
}

// Returns the height taken.
double paintTopical(PagePainter& pp, double top, const ReportFigures& figures) {
    const double w = pp.width();
    pp.sectionBar(0, top, w, report_text::kTopicalCaption);
    const double nameWidth = w * 0.36;
    const double barWidth = (w - nameWidth - 4) / 2;
    const double firstLeft = nameWidth + 2;
    const double secondLeft = firstLeft + barWidth + 2;
    double y = top + kSectionBarHeight + 1.5;
    pp.box(pp.at(0, y, w, kLegendHeight), page_style::kLegendStrip, {});
    const QFont legendFont = PagePainter::font(8, true);
    const QColor legendInk = colourOf(kReportLegendColour);
    pp.text(pp.at(firstLeft, y, barWidth, kLegendHeight), report_text::kFirstLegend, legendFont,
            legendInk, Qt::AlignCenter);
    pp.text(pp.at(secondLeft, y, barWidth, kLegendHeight), report_text::kSecondLegend, legendFont,
            legendInk, Qt::AlignCenter);
    y += kLegendHeight + 1;

    const RgbColour barColours[] = {kFirstTakeBarColour, kSecondTakeBarColour};
    const double boxHeight = kTopicPitch - 1.0;
    for (const TopicBars& row : figures.topics) {
        if (!row.visible)
            continue;
        const QRectF name = pp.at(0, y, nameWidth, boxHeight);
        pp.box(name, Qt::white, page_style::kInk);
        pp.fittedText(name.adjusted(pp.dots(1.2), 0, -pp.dots(1), 0), row.name,
                      PagePainter::font(8), 6.0, page_style::kInk, Qt::AlignLeft);
        const TakeBar* takes[] = {&row.first, &row.second};
        const double lefts[] = {firstLeft, secondLeft};
        for (int take = 0; take < 2; ++take) {
            const QRectF back = pp.at(lefts[take], y, barWidth, boxHeight);
            pp.box(back, Qt::white, page_style::kBoxEdge);
            const QRectF inner =
                back.adjusted(pp.dots(0.3), pp.dots(0.3), -pp.dots(0.3), -pp.dots(0.3));
            const int length = BarLength(static_cast<int>(inner.width()), takes[take]->average);
            if (takes[take]->hasScore && length > 0)
                pp.box(QRectF(inner.topLeft(), QSizeF(length, inner.height())),
                       colourOf(barColours[take]), {});
            pp.text(inner.adjusted(pp.dots(4.2), 0, 0, 0), takes[take]->label,
                    PagePainter::font(8, true), colourOf(kBarLabelColour));
        }
        y += kTopicPitch;
    }
    return y - top;
}

QStringList tableCells(const MarkedPaper& paper, bool showTopic) {
    return {showTopic ? paper.topicName : QString(),
            PaperLabel(paper.paper),
            withPercent(paper.firstScore),
            withPercent(paper.secondScore),
            paper.timeTaken,
            paper.date};
}

// The largest font size, 6 points at least, at which every cell but the
// topic's fits its column, so that the rows read in one size.
double fittingPoints(PagePainter& pp, const QList<MarkedPaper>& papers, double columnWidth) {
    constexpr double kMeasured = 10.0;
    const QFontMetricsF metrics(PagePainter::font(kMeasured), pp.painter().device());
    double points = kMeasured;
    for (const MarkedPaper& paper : papers) {
        const QStringList cells = tableCells(paper, false);
        for (qsizetype k = 1; k < cells.size(); ++k) {
            const double room = pp.dots(columnWidth * kColumns[k].share - 2);
            const double needed = metrics.horizontalAdvance(cells.at(k));
            if (needed > 0)
                points = std::min(points, kMeasured * room / needed);
        }
    }
    return std::max(points * 0.98, 6.0);
}

void paintTableHead(PagePainter& pp, double left, double top, double w, const QFont& font) {
    pp.box(pp.at(left, top, w, kTableHeadHeight), kTableHead, {});
    double x = left;
    for (const TableColumn& column : kColumns) {
        const double cw = w * column.share;
        const QStringList lines = QString::fromLatin1(column.head).split(u'\n');
        const double lineHeight = (kTableHeadHeight - 1) / 2;
        double y = top + 0.5 + (lines.size() == 1 ? lineHeight / 2 : 0);
        for (const QString& line : lines) {
            pp.fittedText(pp.at(x + 1, y, cw - 2, lineHeight), line, font, 5.5, page_style::kInk,
                          column.align | Qt::AlignVCenter);
            y += lineHeight;
        }
        x += cw;
    }
}

void paintTable(PagePainter& pp, double top, double h, const QList<MarkedPaper>& papers) {
    const double w = pp.width();
    pp.sectionBar(0, top, w, QStringLiteral("Marked Papers"));
    const double tableTop = top + kSectionBarHeight + 1.5;
    const double rowsHeight = h - kSectionBarHeight - 1.5 - kTableHeadHeight;
    if (papers.isEmpty()) {
        pp.text(pp.at(2, tableTop, w - 4, 7), QStringLiteral("No paper has been marked yet."),
                PagePainter::font(9), page_style::kInk);
        return;
    }
    const int count = static_cast<int>(papers.size());
    const int columns = count * kLongestTableRow <= rowsHeight ? 1 : 2;
    const int perColumn = (count + columns - 1) / columns;
    const double rowHeight = std::min(kLongestTableRow, rowsHeight / perColumn);
    const double columnWidth = columns == 1 ? w : (w - kColumnGap) / 2;
    const double points =
        std::min(std::clamp(rowHeight * 1.75, 6.0, 9.0), fittingPoints(pp, papers, columnWidth));
    const QFont cellFont = PagePainter::font(points);
    const QFont headFont = PagePainter::font(std::min(points, 8.0), true);
    const double lineHeight =
        QFontMetricsF(cellFont, pp.painter().device()).height() / pp.dots(1.0);

    for (int c = 0; c < columns; ++c) {
        const double left = c * (columnWidth + kColumnGap);
        paintTableHead(pp, left, tableTop, columnWidth, headFont);
        double y = tableTop + kTableHeadHeight;
        for (int i = c * perColumn; i < std::min(count, (c + 1) * perColumn); ++i) {
            const MarkedPaper& paper = papers.at(i);
            // The topic name heads its papers, and again at the top of a column.
            const bool firstOfTopic = i == c * perColumn || papers.at(i - 1).topic != paper.topic;
            if (firstOfTopic && i != c * perColumn) {
                QPainter& p = pp.painter();
                p.setPen(QPen(kRowRule, pp.dots(0.2)));
                p.drawLine(pp.at(left, y, columnWidth, 0).topLeft(),
                           pp.at(left, y, columnWidth, 0).topRight());
            }
            const QStringList cells = tableCells(paper, firstOfTopic);
            // The name may wrap over the rows of its topic's papers.
            int span = 1;
            while (i + span < std::min(count, (c + 1) * perColumn) &&
                   papers.at(i + span).topic == paper.topic)
                ++span;
            double x = left;
            for (qsizetype k = 0; k < cells.size(); ++k) {
                const double cw = columnWidth * kColumns[k].share;
                if (k == 0) {
                    // Its first line level with the first row's other cells.
                    const double inset = std::max(0.0, (rowHeight - lineHeight) / 2);
                    pp.fittedText(pp.at(x + 1, y + inset, cw - 2, span * rowHeight - inset),
                                  cells.at(k), cellFont, 6.0, page_style::kInk,
                                  Qt::AlignLeft | Qt::AlignTop, true);
                } else {
                    pp.fittedText(pp.at(x + 1, y, cw - 2, rowHeight), cells.at(k), cellFont, 5.5,
                                  page_style::kInk, kColumns[k].align);
                }
                x += cw;
            }
            y += rowHeight;
        }
    }
}

} // namespace

void PaintReportDocument(QPainter& painter, const QRectF& page, double dotsPerMm,
                         const ReportDocument& report) {
    PagePainter pp(painter, page, dotsPerMm);
    const ReportFigures figures = BuildReport(report.subject);
    TrendSeries trend;
    try {
        trend = ReadTrendSeries(report.trendLine);
    } catch (const RecordFileError&) {
        // As on the page: a damaged trend line leaves the bare grid.
    }

    paintHeader(pp, report);
    double y = kHeaderHeight;
    const double half = (pp.width() - kColumnGap * 2) / 2;
    paintOverall(pp, 0, y, half, figures.overall);
    paintTrend(pp, half + kColumnGap * 2, y, half, kSummaryBandHeight, trend.values);
    y += kSummaryBandHeight + kBandGap;
    y += paintTopical(pp, y, figures) + kBandGap;
    paintTable(pp, y, pp.height() - y, MarkedPapers(report.subject));
}

bool WriteReportPdf(QIODevice& device, const ReportDocument& report) {
    constexpr int kResolution = 300;
    QPdfWriter writer(&device);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(
        QStringLiteral("%1 report, %2").arg(report.subject.name, MarkingDateText(report.date)));
    writer.setCreator(report.courseTitle);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    PaintReportDocument(painter, QRectF(0, 0, writer.width(), writer.height()), kResolution / 25.4,
                        report);
    return painter.end();
}

} // namespace orvanta
