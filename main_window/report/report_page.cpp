#include "report_page.h"

#include "data/record_file.h"
#include "main_window/report/report_colour.h"
#include "main_window/report/trend_plot_view.h"
#include "ui_frame/logic/skin_palette.h"
#include "ui_frame/logic/units.h"
#include "ui_frame/picture_box.h"
#include "ui_frame/ui_font.h"
#include "ui_frame/widget_helpers.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace orvanta {

namespace {

constexpr int kPageWidthTwips = 6000;
constexpr int kPageHeightTwips = 5520;
const QString kBarPicture = QStringLiteral("bar.bmp");
constexpr int kBarHeight = 25; // the bar picture's height, used while it is missing

// Colours of the page: its face and ink match the interface pictures.
constexpr QColor kFace = kSkin.face;
constexpr QColor kPanel = kSkin.paper;
constexpr QColor kInk = kSkin.ink;
constexpr QColor kFigureInk = kSkin.darkBlue;
constexpr QColor kBoxEdge = kSkin.troughEdge;
constexpr QColor kLegendStrip = kSkin.barBottom;

// A white box with a thin blue-grey edge.
QFrame* makeBox(QWidget* parent, const QString& name) {
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    setColours(box, kPanel, kBoxEdge);
    return box;
}

// The scale beside the trend plot: "100%" at the top edge down to "0%" at
// the bottom edge, each mark centred on its height.
class TrendScaleView : public QWidget {
public:
    explicit TrendScaleView(QWidget* parent)
        : QWidget(parent) {
        setObjectName(QStringLiteral("lblTrendScale"));
        setFont(uiFont(8));
    }

    // The plot's area in this widget's coordinates.
    void setArea(const QRectF& area) {
        area_ = area;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(kInk);
        const int lineHeight = fontMetrics().height();
        for (const TrendScaleMark& mark : TrendScale(area_)) {
            const QRectF box(0, mark.y - lineHeight / 2.0, width() - 4, lineHeight);
            painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, mark.text);
        }
    }

private:
    QRectF area_;
};

} // namespace

QSize ReportPage::designSize() {
    return QSize(twipsToPixels(kPageWidthTwips), twipsToPixels(kPageHeightTwips));
}

ReportPage::ReportPage(SkinContext skin, QWidget* parent)
    : QWidget(parent)
    , skin_(std::move(skin)) {
    setObjectName(QStringLiteral("Body_Report"));
    setColours(this, kFace, kInk);

    for (int i = 0; i < 3; ++i) {
        auto* panel = new QWidget(this);
        setColours(panel, kPanel, kInk);
        panel->hide();
        panels_[i] = panel;
    }
    panels_[0]->setObjectName(QStringLiteral("RC1Summary"));
    panels_[1]->setObjectName(QStringLiteral("RC2Topical"));
    panels_[2]->setObjectName(QStringLiteral("RC3Trend"));
    buildOverallPanel();
    buildTopicalPanel();
    buildTrendPanel();

    // Created after the panels, so that they lie above them from the start.
    bars_[0] = makeBar(1, report_text::kOverallCaption, report_text::kOverallTip);
    bars_[1] = makeBar(2, report_text::kTopicalCaption, report_text::kTopicalTip);
    bars_[2] = makeBar(3, report_text::kTrendCaption, report_text::kTrendTip);

    resize(designSize());
    LayOutReportSections();
}

ReportPage::SectionBar ReportPage::makeBar(int number, const QString& caption, const QString& tip) {
    SectionBar section;
    section.bar = new PictureButton(skin_.pictures, this, PictureBox::Sizing::Stretch);
    section.bar->setObjectName(QStringLiteral("RCBar%1").arg(number));
    section.bar->setPictures({kBarPicture, kBarPicture, {}, {}});
    section.bar->setPicture(kBarPicture);
    section.bar->setFallbackSize(QSize(designSize().width(), kBarHeight));
    section.bar->setToolTip(tip);
    section.bar->setCursor(Qt::PointingHandCursor);
    // Each section opens from the keyboard too: Tab to its bar, Space or Enter.
    section.bar->setFocusPolicy(Qt::TabFocus);

    section.caption = makeLabel(section.bar, QStringLiteral("lblRCBar%1").arg(number), caption,
                                uiFont(10, true), kInk);
    section.caption->setToolTip(tip);
    section.caption->setCursor(Qt::PointingHandCursor);
    section.bar->forwardClicksFrom(section.caption);
    connect(section.bar, &PictureButton::clicked, this,
            [this, number] { openSectionFromBar(number); });
    return section;
}

void ReportPage::buildOverallPanel() {
    QWidget* panel = panels_[0];
    const QString captions[] = {report_text::kFirstAverageLabel, report_text::kSecondAverageLabel,
                                report_text::kPapersCompletedLabel, report_text::kWeakestLabel,
                                report_text::kStrongestLabel};
    for (int i = 0; i < 5; ++i)
        overallCaptions_[i] = makeLabel(panel, {}, captions[i], uiFont(10, true), kInk);

    const QFont figureFont = uiFont(11, true);
    OScore1_ =
        makeLabel(panel, QStringLiteral("OScore1"), report_text::kNoFigure, figureFont, kFigureInk);
    OScore2_ =
        makeLabel(panel, QStringLiteral("OScore2"), report_text::kNoFigure, figureFont, kFigureInk);
    PCNum_ = makeLabel(panel, QStringLiteral("PCNum"), {}, figureFont, kFigureInk);
    // The topic names are figures like the others, in their type; a long
    // one wraps onto a second line.
    WT_ = makeLabel(panel, QStringLiteral("WT"), report_text::kNoFigure, figureFont, kFigureInk);
    ST_ = makeLabel(panel, QStringLiteral("ST"), report_text::kNoFigure, figureFont, kFigureInk);
    for (QLabel* topic : {WT_, ST_}) {
        topic->setWordWrap(true);
        topic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void ReportPage::buildTopicalPanel() {
    QWidget* panel = panels_[1];
    legendStrip_ = new QWidget(panel);
    setColours(legendStrip_, kLegendStrip, colourOf(kReportLegendColour));
    const QFont legendFont = uiFont(8, true);
    firstLegend_ = makeLabel(legendStrip_, {}, report_text::kFirstLegend, legendFont,
                             colourOf(kReportLegendColour));
    secondLegend_ = makeLabel(legendStrip_, {}, report_text::kSecondLegend, legendFont,
                              colourOf(kReportLegendColour));
    firstLegend_->setAlignment(Qt::AlignCenter);
    secondLegend_->setAlignment(Qt::AlignCenter);

    const RgbColour barColours[] = {kFirstTakeBarColour, kSecondTakeBarColour};
    const QString takeLetters[] = {QStringLiteral("A"), QStringLiteral("B")};
    for (int t = 1; t <= kMaxTopics; ++t) {
        TopicRow& row = rows_[t - 1];
        row.name = makeLabel(panel, QStringLiteral("TopLab%1").arg(t), {}, uiFont(8), kInk);
        row.name->setFrameStyle(QFrame::Box | QFrame::Plain);
        setColours(row.name, kPanel, kInk);
        QPalette edge = row.name->palette();
        edge.setColor(QPalette::WindowText, kInk);
        row.name->setPalette(edge);
        row.name->setIndent(4);
        row.name->setWordWrap(true);
        row.name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (int take = 0; take < 2; ++take) {
            const QString suffix = QString::number(t) + takeLetters[take];
            QFrame* back = makeBox(panel, QStringLiteral("TBack") + suffix);
            auto* bar = new QWidget(back);
            bar->setObjectName(QStringLiteral("TBar") + suffix);
            setColours(bar, colourOf(barColours[take]), kInk);
            // The label lies over the bar with a transparent background, so
            // the bar shows through it.
            QLabel* mark = makeLabel(back, QStringLiteral("TMark") + suffix, {}, uiFont(8, true),
                                     colourOf(kBarLabelColour));
            mark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            mark->raise();
            row.back[take] = back;
            row.bar[take] = bar;
            row.mark[take] = mark;
        }
    }
}

void ReportPage::buildTrendPanel() {
    QWidget* panel = panels_[2];
    trendPlot_ = new TrendPlotView(panel);
    trendScale_ = new TrendScaleView(panel);
    trendCaption_ =
        makeLabel(panel, QStringLiteral("lblTrendCaption"), kTrendCaption, uiFont(9, true), kInk);
    trendCaption_->setAlignment(Qt::AlignCenter);
}

void ReportPage::BuildReport(const SubjectData& subject, const QString& trendLine) {
    figures_ = orvanta::BuildReport(subject);
    const OverallFigures& overall = figures_.overall;
    OScore1_->setText(overall.firstAverage);
    OScore2_->setText(overall.secondAverage);
    PCNum_->setText(overall.papersCompleted);
    WT_->setText(overall.weakestTopic);
    ST_->setText(overall.strongestTopic);

    for (int t = 1; t <= kMaxTopics; ++t)
        fillTopicRow(rows_[t - 1], figures_.topics[t - 1]);

    try {
        trend_ = ReadTrendSeries(trendLine);
    } catch (const RecordFileError&) {
        // Only a hand-edited file gets here; its plot shows the bare grid
        // rather than keeping the pupil from the rest of the report.
        trend_ = TrendSeries{};
    }
    trendPlot_->plot(trend_.values);
}

void ReportPage::fillTopicRow(TopicRow& row, const TopicBars& bars) {
    row.name->setText(bars.name);
    const TakeBar* takes[] = {&bars.first, &bars.second};
    for (int take = 0; take < 2; ++take) {
        row.mark[take]->setText(takes[take]->label);
        row.average[take] = takes[take]->hasScore ? takes[take]->average : 0.0;
        layOutTopicBar(row, take);
    }
    row.name->setVisible(bars.visible);
    row.back[0]->setVisible(bars.visible);
    row.back[1]->setVisible(bars.visible);
}

void ReportPage::layOutTopicBar(const TopicRow& row, int take) {
    const QWidget* back = row.back[take];
    const QRect inner = back->rect().adjusted(1, 1, -1, -1);
    row.bar[take]->setGeometry(inner.x(), inner.y(), BarLength(inner.width(), row.average[take]),
                               inner.height());
    const int markLeft = twipsToPixels(kBarLabelLeft);
    row.mark[take]->setGeometry(markLeft, inner.y(), std::max(back->width() - markLeft - 1, 0),
                                inner.height());
}

void ReportPage::LayOutReportSections() {
    const int width = this->width();
    const int heights[] = {bars_[0].bar->naturalSize().height(),
                           bars_[1].bar->naturalSize().height(),
                           bars_[2].bar->naturalSize().height()};
    const ReportSectionsLayout layout =
        orvanta::LayOutReportSections(openSection(), height(), heights[0], heights[1], heights[2]);
    const int tops[] = {layout.bar1Top, layout.bar2Top, layout.bar3Top};
    for (int i = 0; i < 3; ++i) {
        bars_[i].bar->setGeometry(0, tops[i], width, heights[i]);
        bars_[i].caption->setGeometry(twipsToPixels(240), 0, width / 2, heights[i]);
    }

    // Every panel takes the open panel's place, so that a closed one is
    // ready at the right size when its bar is clicked.
    const int open = static_cast<int>(layout.open) - 1;
    for (QWidget* panel : panels_)
        panel->setGeometry(0, layout.panelTop, width, layout.panelHeight);
    layOutOverallPanel();
    layOutTopicalPanel();
    layOutTrendPanel();
    // The closed panels would lie wholly behind the open one and the bars;
    // hiding them also keeps their controls out of the keyboard focus chain.
    for (int i = 0; i < 3; ++i)
        panels_[i]->setVisible(i == open);
    panels_[open]->raise();
    for (const SectionBar& section : bars_)
        section.bar->raise();
}

void ReportPage::layOutOverallPanel() {
    const int captionLeft = 16;
    const int figureLeft = 232;
    const int figureWidth = std::max(width() - figureLeft - 12, 0);
    const int lineHeight = 22;
    const int pitch = 44;
    QLabel* figures[] = {OScore1_, OScore2_, PCNum_, WT_, ST_};
    int top = 20;
    for (int i = 0; i < 5; ++i) {
        const bool topic = i >= 3;
        overallCaptions_[i]->setGeometry(captionLeft, top, figureLeft - captionLeft - 4,
                                         lineHeight);
        if (topic) {
            // Two lines from the top, the first where a one-line figure,
            // centred in the caption's line, has its line.
            const int lineDrop = (lineHeight - figures[i]->fontMetrics().height()) / 2;
            figures[i]->setGeometry(figureLeft, top + lineDrop, figureWidth,
                                    2 * lineHeight - lineDrop);
        } else {
            figures[i]->setGeometry(figureLeft, top, figureWidth, lineHeight);
        }
        top += topic ? pitch + lineHeight / 2 : pitch;
    }
}

void ReportPage::layOutTopicalPanel() {
    const int width = this->width();
    const int margin = 8;
    const int gap = 6;
    const int available = std::max(width - 2 * margin - 2 * gap, 30);
    const int nameWidth = available * 2 / 5;
    const int barWidth = (available - nameWidth) / 2;
    const int firstLeft = margin + nameWidth + gap;
    const int secondLeft = firstLeft + barWidth + gap;

    legendStrip_->setGeometry(0, 6, width, 20);
    // The legends may run a little into the gaps beside their columns.
    firstLegend_->setGeometry(firstLeft - gap / 2, 0, barWidth + gap, 20);
    secondLegend_->setGeometry(secondLeft - gap / 2, 0, barWidth + gap, 20);

    const int rowsTop = 32;
    const int panelHeight = panels_[1]->height();
    const int pitch = std::clamp((panelHeight - rowsTop - 4) / kMaxTopics, 12, 26);
    const int boxHeight = pitch - 4;
    for (int t = 0; t < kMaxTopics; ++t) {
        TopicRow& row = rows_[t];
        const int top = rowsTop + t * pitch;
        row.name->setGeometry(margin, top, nameWidth, boxHeight);
        row.back[0]->setGeometry(firstLeft, top, barWidth, boxHeight);
        row.back[1]->setGeometry(secondLeft, top, barWidth, boxHeight);
        layOutTopicBar(row, 0);
        layOutTopicBar(row, 1);
    }
}

void ReportPage::layOutTrendPanel() {
    const QWidget* panel = panels_[2];
    const QSize design = TrendPlotView::designSize();
    const int captionHeight = 18;
    const int top = 8;
    const int scaleWidth = 44;
    const int plotWidth = std::clamp(panel->width() - scaleWidth - 12, 40, design.width());
    const int plotHeight =
        std::clamp(panel->height() - top - captionHeight - 6, 40, design.height());
    const int plotLeft = std::max(panel->width() - plotWidth - 12, scaleWidth);
    trendPlot_->setGeometry(plotLeft, top, plotWidth, plotHeight);

    // The scale lies beside the plot, a little taller so that the top and
    // bottom marks are not cut in half.
    const int overhang = 8;
    trendScale_->setGeometry(0, top - overhang, plotLeft, plotHeight + 2 * overhang);
    const QRect image = trendPlot_->plotRect();
    const QRectF area = trendPlot_->plotArea().translated(image.topLeft());
    static_cast<TrendScaleView*>(trendScale_)->setArea(area.translated(0, overhang));

    trendCaption_->setGeometry(plotLeft, top + plotHeight + 2, plotWidth, captionHeight);
}

void ReportPage::showReport(const SubjectData& subject, const QString& trendLine) {
    BuildReport(subject, trendLine);
    LayOutReportSections();
}

void ReportPage::setReportPos(const QString& reportPos) {
    txtReportPos_ = reportPos;
    LayOutReportSections();
}

void ReportPage::openSectionFromBar(int number) {
    setReportPos(QString::number(number));
    emit reportPosChanged(txtReportPos_);
}

PictureButton* ReportPage::sectionBar(ReportSection section) const {
    return bars_[static_cast<int>(section) - 1].bar;
}

QWidget* ReportPage::sectionPanel(ReportSection section) const {
    return panels_[static_cast<int>(section) - 1];
}

void ReportPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutReportSections();
}

} // namespace orvanta
