#include "main_window/report_page.h"
#include "main_window/trend_plot_view.h"
#include "tests/main_window/report_widgets_support.h"
#include "ui_frame/picture_box.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace orvanta;
using namespace orvanta::test;

namespace {

QString text(const ReportPage& page, const char* name) {
    const auto* label = page.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QWidget* control(const ReportPage& page, const QString& name) {
    auto* widget = page.findChild<QWidget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// Scores stored by the row's `mark` in the fixture subject (topic 1
// "Grammar" owns papers 1..5, topic 2 "Mock Examination" papers 6..10).
struct ReportCase {
    const char* name;
    std::function<void(FixtureHome&)> mark;
    const char* firstAverage;
    const char* secondAverage;
    const char* papersCompleted;
    const char* topic;     // weakest and strongest: only Grammar can be named
    const char* firstBar;  // TMark1A
    const char* secondBar; // TMark1B
};

class ReportFiguresShown : public testing::TestWithParam<ReportCase> {};

TEST_P(ReportFiguresShown, fromTheStoredSummary) {
    const ReportCase& row = GetParam();
    FixtureHome home;
    row.mark(home);
    ReportPage page(home.skin());

    page.showReport(home.subject(), home.trendLine());

    EXPECT_EQ(text(page, "OScore1"), QString::fromUtf8(row.firstAverage));
    EXPECT_EQ(text(page, "OScore2"), QString::fromUtf8(row.secondAverage));
    EXPECT_EQ(text(page, "PCNum"), QString::fromUtf8(row.papersCompleted));
    EXPECT_EQ(text(page, "WT"), QString::fromUtf8(row.topic));
    EXPECT_EQ(text(page, "ST"), QString::fromUtf8(row.topic));
    EXPECT_EQ(text(page, "TMark1A"), QString::fromUtf8(row.firstBar));
    EXPECT_EQ(text(page, "TMark1B"), QString::fromUtf8(row.secondBar));
}

const ReportCase kReportCases[] = {
    {"nothing_marked", [](FixtureHome&) {}, "-", "-", "0 / 10", "-", "", ""},
    {"average_62_25_shows_62_2",
     [](FixtureHome& h) {
         h.mark(1, "62.2");
         h.mark(6, "62.3");
     },
     "62.2%", "-", "2 / 10", " Grammar", "62.2%", ""},
    {"average_62_75_shows_62_8",
     [](FixtureHome& h) {
         h.mark(1, "62.7", "62.7");
         h.mark(2, "62.8", "62.8");
     },
     "62.8%", "62.8%", "2 / 10", "-", "62.8%", "62.8%"},
    {"mock_examination_counts_but_is_never_named",
     [](FixtureHome& h) {
         h.mark(1, "40");
         h.mark(6, "90", "100");
     },
     "65%", "100%", "2 / 10", " Grammar", "40%", ""},
    {"score_that_is_not_a_number_is_left_out",
     [](FixtureHome& h) {
         h.mark(1, "abc", "7x");
         h.mark(2, "50");
         h.mark(6, "70");
     },
     "60%", "-", "2 / 10", " Grammar", "50%", ""},
};

INSTANTIATE_TEST_SUITE_P(ReportPage, ReportFiguresShown, testing::ValuesIn(kReportCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The first row of ink (any pixel darker than the panel's white) of
// `label`'s text, in `image`'s rows, within the label's columns.
int inkTop(const QImage& image, const QWidget* label, const QWidget* panel) {
    const QRect place(label->mapTo(panel, QPoint(0, 0)), label->size());
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < 600)
                return y;
        }
    }
    return -1;
}

// On Overall Results each figure stands in the same place beside its
// caption, in the same type: the weakest and strongest topic names too.
TEST(ReportOverallTest, topicNamesLineUpWithTheirCaptionsLikeTheFigures) {
    FixtureHome home;
    home.mark(1, "62.2");
    home.mark(6, "62.3");
    ReportPage page(home.skin());
    page.showReport(home.subject(), home.trendLine());
    page.show();
    QWidget* panel = page.sectionPanel(ReportSection::Overall);
    const QImage image = panel->grab().toImage();

    auto captionOf = [&](const QString& caption) {
        for (QLabel* label : panel->findChildren<QLabel*>()) {
            if (label->text() == caption)
                return label;
        }
        ADD_FAILURE() << "no caption " << caption.toStdString();
        return static_cast<QLabel*>(nullptr);
    };
    const auto* figure = page.findChild<QLabel*>("OScore1");
    const auto* weakest = page.findChild<QLabel*>("WT");
    const auto* strongest = page.findChild<QLabel*>("ST");
    ASSERT_TRUE(figure && weakest && strongest);
    ASSERT_EQ(weakest->text(), " Grammar");
    EXPECT_EQ(weakest->font(), figure->font());
    EXPECT_EQ(strongest->font(), figure->font());

    const int figureDrop = inkTop(image, figure, panel) -
                           inkTop(image, captionOf(report_text::kFirstAverageLabel), panel);
    EXPECT_EQ(inkTop(image, weakest, panel) -
                  inkTop(image, captionOf(report_text::kWeakestLabel), panel),
              figureDrop);
    EXPECT_EQ(inkTop(image, strongest, panel) -
                  inkTop(image, captionOf(report_text::kStrongestLabel), panel),
              figureDrop);
}

class ReportPageTest : public testing::Test {
protected:
    void show(const QString& trendLine = {}) {
        page.showReport(home.subject(), trendLine.isEmpty() ? home.trendLine() : trendLine);
        page.show();
    }

    FixtureHome home;
    ReportPage page{home.skin()};
};

TEST_F(ReportPageTest, topicRowsShowTheirBarsAndHideRowsBeyondTheTopicCount) {
    home.mark(1, "80", "90");
    home.mark(2, "60");
    page.setReportPos(QStringLiteral("2"));
    show();

    EXPECT_EQ(text(page, "TopLab1"), "Grammar");
    EXPECT_EQ(text(page, "TopLab2"), "Mock Examination");
    EXPECT_EQ(text(page, "TMark1A"), "70%");
    EXPECT_EQ(text(page, "TMark1B"), "90%");
    EXPECT_EQ(text(page, "TMark2A"), "");
    for (int t = 1; t <= 10; ++t) {
        const bool shown = t <= 2;
        for (const QString& name :
             {QStringLiteral("TopLab%1"), QStringLiteral("TBack%1A"), QStringLiteral("TBack%1B")})
            EXPECT_EQ(control(page, name.arg(t))->isVisible(), shown) << name.arg(t).toStdString();
    }

    // Each bar is its average's share of its container's inside, in its colour.
    const QWidget* back = control(page, "TBack1A");
    const QWidget* bar = control(page, "TBar1A");
    const int inner = back->width() - 2;
    EXPECT_EQ(bar->width(), BarLength(inner, 70.0));
    EXPECT_EQ(control(page, "TBar1B")->width(), BarLength(inner, 90.0));
    EXPECT_EQ(control(page, "TBar2A")->width(), 0);

    const QImage shot = page.grab().toImage();
    const QPoint insideFirst = bar->mapTo(&page, QPoint(bar->width() - 3, bar->height() / 2));
    EXPECT_EQ(QColor(shot.pixel(insideFirst)), QColor(255, 192, 255));
    const QWidget* second = control(page, "TBar1B");
    const QPoint insideSecond =
        second->mapTo(&page, QPoint(second->width() - 3, second->height() / 2));
    EXPECT_EQ(QColor(shot.pixel(insideSecond)), QColor(192, 192, 255));
    // The percent label lies over the bar and lets it show through.
    const QWidget* mark = control(page, "TMark1A");
    EXPECT_EQ(mark->x(), 16);
    const QPoint besideText = mark->mapTo(&page, QPoint(mark->width() / 2, 1));
    EXPECT_EQ(QColor(shot.pixel(besideText)), QColor(255, 192, 255));
}

TEST_F(ReportPageTest, barClicksOpenTheirSectionsAndTheBarsStackRound) {
    show();
    QSignalSpy changes(&page, &ReportPage::reportPosChanged);
    const int h = page.sectionBar(ReportSection::Overall)->height();
    const int H = page.height();

    struct Step {
        const char* click; // a bar or its caption label
        const char* reportPos;
        ReportSection open;
        int bar2Top;
        int bar3Top;
    };
    const Step steps[] = {
        {"RCBar2", "2", ReportSection::Topical, h, H - h},
        {"lblRCBar3", "3", ReportSection::Trend, h, 2 * h},
        {"lblRCBar1", "1", ReportSection::Overall, H - 2 * h, H - h},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.click);
        QWidget* target = control(page, QString::fromLatin1(step.click));
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());

        EXPECT_EQ(page.reportPos(), QString::fromLatin1(step.reportPos));
        EXPECT_EQ(changes.takeLast().at(0).toString(), QString::fromLatin1(step.reportPos));
        EXPECT_EQ(page.sectionBar(ReportSection::Overall)->y(), 0);
        EXPECT_EQ(page.sectionBar(ReportSection::Topical)->y(), step.bar2Top);
        EXPECT_EQ(page.sectionBar(ReportSection::Trend)->y(), step.bar3Top);
        QWidget* panel = page.sectionPanel(step.open);
        EXPECT_TRUE(panel->isVisible());
        EXPECT_EQ(panel->height(), H - 3 * h);
        for (ReportSection other :
             {ReportSection::Overall, ReportSection::Topical, ReportSection::Trend}) {
            if (other != step.open) {
                EXPECT_FALSE(page.sectionPanel(other)->isVisible());
            }
        }
        // The panel sits between the bars and covers none of them.
        const QPoint inPanel = panel->geometry().center();
        EXPECT_TRUE(panel->isAncestorOf(page.childAt(inPanel)) || page.childAt(inPanel) == panel);
    }
}

TEST_F(ReportPageTest, reportCommandKeepsTheSectionLastOpened) {
    show();
    QWidget* bar = page.sectionBar(ReportSection::Trend);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->rect().center());

    home.mark(1, "75");
    show();

    EXPECT_EQ(page.reportPos(), "3");
    EXPECT_TRUE(page.sectionPanel(ReportSection::Trend)->isVisible());
    EXPECT_EQ(text(page, "OScore1"), "75%");

    // A subject tab click resets the field; the next Report opens Overall Results.
    page.setReportPos(QStringLiteral("1"));
    show();
    EXPECT_TRUE(page.sectionPanel(ReportSection::Overall)->isVisible());
}

TEST_F(ReportPageTest, trendSectionPlotsTheReadableEntriesOfTheTrendFile) {
    home.writeTrend(QStringLiteral("#TRD#>50>abc>70>"));
    page.setReportPos(QStringLiteral("3"));
    show();

    EXPECT_EQ(page.trendSeries().values, (QList<double>{50.0, 70.0}));
    EXPECT_EQ(page.trendSeries().skipped, QStringList{"abc"});
    EXPECT_EQ(page.trendPlot()->values(), (QList<double>{50.0, 70.0}));
    EXPECT_TRUE(page.trendPlot()->isVisible());
    EXPECT_EQ(text(page, "lblTrendCaption"), "Recent Papers Attempted");
}

TEST_F(ReportPageTest, damagedTrendLineLeavesTheGridAndTheRestOfTheReport) {
    home.mark(1, "80");
    show(QStringLiteral("#TRD#x>50"));

    EXPECT_TRUE(page.trendSeries().values.isEmpty());
    EXPECT_EQ(text(page, "OScore1"), "80%");
}

TEST_F(ReportPageTest, followsTheSizeItsWindowGivesIt) {
    show();
    page.setReportPos(QStringLiteral("2"));
    page.resize(460, 420);

    EXPECT_EQ(page.sectionBar(ReportSection::Trend)->geometry().bottom(), 419);
    EXPECT_EQ(page.sectionBar(ReportSection::Topical)->width(), 460);
    EXPECT_EQ(page.sectionPanel(ReportSection::Topical)->width(), 460);
    EXPECT_LE(control(page, "TBack1B")->geometry().right(), 460);
}

} // namespace
