#pragma once

#include "data/app_folder.h"
#include "data/course_content.h"
#include "data/progress_store.h"
#include "main_window/logic/subject_data.h"
#include "tests/support/test_support.h"
#include "ui_frame/picture_source.h"
#include "ui_frame/skin_context.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A temporary ORVANTA_HOME holding the fixture course and fresh progress
// files of its first subject ("English": Grammar, Mock Examination; 10
// papers), into which a test writes the scores it needs.
namespace orvanta::test {

class FixtureHome {
public:
    static constexpr int kSubject = 1;

    FixtureHome()
        : library_(copyFixtureCourse(home_.path() + QStringLiteral("/course")))
        , folder_(homeFolder(home_.path()))
        , course_(LoadCourseDescription(library_, folder_))
        , store_(library_, folder_, course_.code) {
        EXPECT_EQ(store_.CreateProgressFiles(kSubject), 0u);
    }

    const AppFolder& folder() const { return folder_; }
    const CourseDescription& course() const { return course_; }
    const ProgressStore& store() const { return store_; }

    // Writes one paper's stored values into the summary file.
    void mark(int paperIndex, const QString& first, const QString& second = {},
              const QString& time = {}, const QString& date = {}) {
        SummaryRows summary = store_.ReadSummary(kSubject, paperCount());
        summary.set(SummaryRows::FSE, paperIndex, first);
        summary.set(SummaryRows::SSE, paperIndex, second);
        summary.set(SummaryRows::LTM, paperIndex, time);
        summary.set(SummaryRows::CDD, paperIndex, date);
        store_.WriteSummary(kSubject, summary);
    }

    void writeTrend(const QString& line) { store_.WriteTrendLine(kSubject, line); }
    QString trendLine() const { return store_.ReadTrendLine(kSubject); }

    // The subject as the main window loads it.
    SubjectData subject() const { return *LoadSubjectData(course_, store_, kSubject); }
    int paperCount() const { return course_.subject(kSubject).paperCount; }

    SkinContext skin() const {
        SkinContext skin;
        skin.pictures = std::make_shared<PictureSource>(PictureSource::forAppFolder(folder_));
        return skin;
    }

private:
    // The application folder as the program finds it: through ORVANTA_HOME.
    static AppFolder homeFolder(const QString& path) {
        qputenv("ORVANTA_HOME", path.toLocal8Bit());
        return AppFolder::fromEnvironment();
    }

    QTemporaryDir home_;
    ResourceLibrary library_;
    AppFolder folder_;
    CourseDescription course_;
    ProgressStore store_;
};

} // namespace orvanta::test
