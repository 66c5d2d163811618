#pragma once

#include "main_window/logic/report_figures.h"
#include "main_window/logic/report_sections.h"
#include "main_window/logic/trend_series.h"
#include "ui_frame/skin_context.h"

#include <QString>
#include <QWidget>

#include <array>

class QLabel;

namespace orvanta {

class PictureButton;
class TrendPlotView;

// The report page of the main window (`Body_Report`): three sections stacked
// like an accordion, each opened by a click on its bar (or the bar's caption):
//   1 Overall Results  (`RC1Summary`): first- and second-take averages,
//                      papers completed, weakest and strongest topic;
//   2 Topical Results  (`RC2Topical`): per topic a name box and a first-take
//                      (light pink) and second-take (light blue) bar with its
//                      percentage over it; rows beyond the topic count hidden;
//   3 Trend Analysis   (`RC3Trend`): the plot of the newest first-take scores
//                      with its scale and caption.
//
// The page holds the open section as `txtReportPos` ("1", "2" or "3"; any
// other text opens Trend Analysis). It keeps it between Report commands; the
// main window sets it to "1" when a subject tab is chosen.
//
// The Report command calls BuildReport with the subject last loaded and its
// trend line, then LayOutReportSections, then places the page under the
// toolbar strip. Nothing is read from files here. A stored score or trend
// entry that is not a number is left out and never stops the report; so is
// a trend line too damaged to read, whose plot then shows only its grid.
class ReportPage : public QWidget {
    Q_OBJECT
public:
    // The page's size as designed (6000 x 5520 twips); it lays itself out
    // at whatever size its window gives it.
    static QSize designSize();

    explicit ReportPage(SkinContext skin, QWidget* parent = nullptr);

    // Computes the figures of `subject` and fills the three panels; the
    // trend plot is drawn from `trendLine` ("#TRD#>88.8>70>100" as stored;
    // empty when the file holds no trend record).
    void BuildReport(const SubjectData& subject, const QString& trendLine);
    // Stacks the bars and shows the open section's panel between them.
    void LayOutReportSections();
    // The Report command's work on the page: BuildReport, then LayOutReportSections.
    void showReport(const SubjectData& subject, const QString& trendLine);

    const QString& reportPos() const { return txtReportPos_; }
    // Sets the open section and lays the sections out again.
    void setReportPos(const QString& reportPos);
    ReportSection openSection() const { return ReportSectionOf(txtReportPos_); }

    // What the last BuildReport computed.
    const ReportFigures& figures() const { return figures_; }
    const TrendSeries& trendSeries() const { return trend_; }

    PictureButton* sectionBar(ReportSection section) const;
    QWidget* sectionPanel(ReportSection section) const;
    TrendPlotView* trendPlot() const { return trendPlot_; }

signals:
    // A bar click changed the open section.
    void reportPosChanged(const QString& reportPos);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // One row of the topical panel: `TopLab`t, `TBack`tA/B, `TBar`tA/B, `TMark`tA/B.
    struct TopicRow {
        QLabel* name = nullptr;
        std::array<QWidget*, 2> back{};
        std::array<QWidget*, 2> bar{};
        std::array<QLabel*, 2> mark{};
        std::array<double, 2> average{};
    };
    struct SectionBar {
        PictureButton* bar = nullptr;
        QLabel* caption = nullptr;
    };

    SectionBar makeBar(int number, const QString& caption, const QString& tip);
    void buildOverallPanel();
    void buildTopicalPanel();
    void buildTrendPanel();
    void layOutOverallPanel();
    void layOutTopicalPanel();
    void layOutTrendPanel();
    void fillTopicRow(TopicRow& row, const TopicBars& bars);
    void layOutTopicBar(const TopicRow& row, int take);
    void openSectionFromBar(int number);

    SkinContext skin_;
    QString txtReportPos_ = QStringLiteral("1");
    ReportFigures figures_;
    TrendSeries trend_;

    std::array<SectionBar, 3> bars_;
    std::array<QWidget*, 3> panels_{};

    // Overall panel.
    std::array<QLabel*, 5> overallCaptions_{};
    QLabel* OScore1_ = nullptr;
    QLabel* OScore2_ = nullptr;
    QLabel* PCNum_ = nullptr;
    QLabel* WT_ = nullptr;
    QLabel* ST_ = nullptr;

    // Topical panel.
    QWidget* legendStrip_ = nullptr;
    QLabel* firstLegend_ = nullptr;
    QLabel* secondLegend_ = nullptr;
    std::array<TopicRow, 10> rows_{};

    // Trend panel.
    TrendPlotView* trendPlot_ = nullptr;
    QWidget* trendScale_ = nullptr;
    QLabel* trendCaption_ = nullptr;
};

} // namespace orvanta
