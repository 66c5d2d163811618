// Loads question pages of the bundled course in Qt WebEngine, as the practice
// window shows them: written out with InstallResource to "temppaper" + number
// + ".mht" and opened as a local file. A page fails when the load fails, when
// the browser reports anything on the console (the MHTML reader's complaints
// arrive there), when it shows no text or when a picture did not load.
#include "data/course_content.h"
#include "data/resource_install.h"
#include "tests/support/test_support.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// A safety net for a browser that never answers, not a measure of speed.
constexpr int kAnswerTimeoutMs = 120000;

class ConsoleRecordingPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

    QStringList messages;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int line,
                                  const QString& source) override {
        messages << QStringLiteral("%1 (%2:%3)").arg(message, source).arg(line);
    }
};

// Runs the event loop until `start` has made the callback it is given be
// called, or the timeout passes; returns what the callback was given, or
// nothing. The answer lives apart from the loop, so a browser that answers
// after the timeout finds it still there.
template <typename T, typename Start> std::optional<T> awaitAnswer(Start start) {
    struct Waiting {
        std::optional<T> answer;
        QEventLoop* loop = nullptr;
    };
    auto waiting = std::make_shared<Waiting>();
    QEventLoop loop;
    QTimer::singleShot(kAnswerTimeoutMs, &loop, &QEventLoop::quit);
    start([waiting](const T& value) {
        waiting->answer = value;
        if (waiting->loop != nullptr)
            waiting->loop->quit();
    });
    if (!waiting->answer) {
        waiting->loop = &loop;
        loop.exec();
        waiting->loop = nullptr;
    }
    return waiting->answer;
}

const ResourceLibrary& bundledCourse() {
    static const bool registered = RegisterResourceBundle(QCoreApplication::applicationDirPath() +
                                                          QStringLiteral("/orvanta.rcc"));
    static const ResourceLibrary library(ResourceLibrary::bundledRoot());
    EXPECT_TRUE(registered) << "build/bin/orvanta.rcc is missing";
    return library;
}

int picturePartsOf(const ResourceLibrary& library, const QStringList& questions) {
    int parts = 0;
    for (const QString& question : questions)
        parts += static_cast<int>(
            library.bytes(question.toInt()).value_or(QByteArray()).count("Content-Type: image/"));
    return parts;
}

// Paper 101 and the subject's paper with the most pictures (the first paper
// of its last topic, the mock examination, when no page has a picture).
QList<PaperContent> papersToShow(const ResourceLibrary& library, const AppFolder& folder,
                                 int subject, const SubjectInfo& info) {
    QList<PaperContent> papers = {LoadPaperContent(library, folder, subject, PaperNumber(1))};
    int chosen = PaperNumber(FirstPaperIndexOfTopic(info.topicCount));
    int mostPictures = 0;
    for (int index = 2; index <= info.paperCount; ++index) {
        const PaperContent paper = LoadPaperContent(library, folder, subject, PaperNumber(index));
        const int pictures = picturePartsOf(library, paper.questions);
        if (pictures > mostPictures) {
            mostPictures = pictures;
            chosen = paper.paperNumber;
        }
    }
    if (chosen != PaperNumber(1))
        papers << LoadPaperContent(library, folder, subject, chosen);
    return papers;
}

class CoursePagesTest : public ::testing::TestWithParam<int> {};

TEST_P(CoursePagesTest, everyPageOfTheChosenPapersShowsCleanly) {
    const int subject = GetParam();
    const ResourceLibrary& library = bundledCourse();
    TempAppFolder temp;
    const CourseDescription course = LoadCourseDescription(library, temp.folder());
    const SubjectInfo& info = course.subject(subject);
    if (!info.present())
        GTEST_SKIP() << "the bundled course has no subject " << subject;

    QWebEngineProfile profile; // no storage name: off the record
    auto page = std::make_unique<ConsoleRecordingPage>(&profile);
    auto view = std::make_unique<QWebEngineView>();
    view->setPage(page.get());
    view->resize(900, 700);
    view->show();

    int shown = 0;
    int pictureCount = 0;
    for (const PaperContent& paper : papersToShow(library, temp.folder(), subject, info)) {
        for (const QString& question : paper.questions) {
            SCOPED_TRACE(QStringLiteral("%1, paper %2, question %3")
                             .arg(info.name)
                             .arg(paper.paperNumber)
                             .arg(question)
                             .toStdString());
            const QString file = temp.folder().pageFile(question);
            ASSERT_EQ(InstallResource(library, question.toInt(), "CUSTOM", file), kInstallOk);
            page->messages.clear();

            const auto loaded = awaitAnswer<bool>([&](auto done) {
                QObject::connect(page.get(), &QWebEnginePage::loadFinished, page.get(), done,
                                 Qt::SingleShotConnection);
                page->load(QUrl::fromLocalFile(file));
            });
            ASSERT_TRUE(loaded.has_value()) << "the browser never finished loading the page";
            EXPECT_TRUE(*loaded) << "the browser could not load the page";

            const auto text = awaitAnswer<QString>([&](auto done) { page->toPlainText(done); });
            ASSERT_TRUE(text.has_value());
            EXPECT_FALSE(text->trimmed().isEmpty()) << "the page shows no text";

            // Scripts of the page itself are blocked in an MHTML document; the
            // application's own world may still look at it.
            const auto pictures = awaitAnswer<QVariant>([&](auto done) {
                page->runJavaScript(QStringLiteral("({count: document.images.length,"
                                                   " broken: Array.from(document.images)"
                                                   ".filter(i => !(i.complete && i.naturalWidth))"
                                                   ".map(i => i.src)})"),
                                    QWebEngineScript::ApplicationWorld, done);
            });
            ASSERT_TRUE(pictures.has_value());
            const QVariantMap found = pictures->toMap();
            ASSERT_TRUE(found.contains("count")) << "the page could not be looked into";
            EXPECT_EQ(found.value("broken").toStringList(), QStringList())
                << "pictures that did not load";
            pictureCount += found.value("count").toInt();

            EXPECT_TRUE(page->messages.isEmpty())
                << "console: " << page->messages.join(u'\n').toStdString();
            ++shown;
        }
    }
    EXPECT_GT(shown, 0);
    RecordProperty("pages", shown);
    RecordProperty("pictures", pictureCount);

    view.reset();
    page.reset(); // a page must go before its profile
}

INSTANTIATE_TEST_SUITE_P(BundledCourse, CoursePagesTest, ::testing::Values(1, 2, 3),
                         [](const auto& info) { return "subject" + std::to_string(info.param); });

} // namespace
