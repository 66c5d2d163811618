#include "contents_fixture.h"

#include "ui_frame/skinned_frame.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <stdexcept>

namespace orvanta::test {

namespace {

QByteArray crlfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

} // namespace

CourseCopy::CourseCopy()
    : library_(copyFixtureCourse(dir_.path())) {
    const QDir pictures(QStringLiteral(ORVANTA_PICTURES_DIR));
    const QStringList files = pictures.entryList(QDir::Files);
    if (files.size() < 89)
        throw std::runtime_error("the interface pictures are not built in " ORVANTA_PICTURES_DIR);
    for (const QString& name : files)
        writeBytes(dir_.path() + u'/' + name, readBytes(pictures.filePath(name)));
}

void CourseCopy::describe(const SubjectSpec& first, const SubjectSpec& second,
                          const SubjectSpec& third) {
    QStringList lines = {QStringLiteral("..."), QStringLiteral("#NME#>Orvanta Test Course"),
                         QStringLiteral("#COD#>Q4")};
    const SubjectSpec* subjects[] = {&first, &second, &third};
    const char* nameKeys[] = {"LAH", "LBH", "LCH"};
    for (int s = 0; s < 3; ++s)
        lines << QStringLiteral("#%1#>%2").arg(QLatin1String(nameKeys[s]), subjects[s]->name);
    for (int s = 0; s < 3; ++s) {
        const SubjectSpec& spec = *subjects[s];
        if (spec.name.isEmpty())
            continue;
        QStringList names = spec.topicNames;
        for (int t = names.size() + 1; t <= spec.topics; ++t)
            names << QStringLiteral("%1 topic %2").arg(spec.name).arg(t);
        lines << QStringLiteral("#TT%1#>%2").arg(s + 1).arg(spec.topics)
              << QStringLiteral("#TP%1#>%2").arg(s + 1).arg(spec.papers)
              << QStringLiteral("#TN%1#>").arg(s + 1) + names.join(u'>');
        QStringList summary = {QStringLiteral("...")};
        for (const QString& key : SummaryRows::keys())
            summary << QStringLiteral("#%1#").arg(key) + QString(spec.papers, u'>');
        writeBytes(library_.pathOf(ProgressTemplateResource(s + 1, ProgressFile::Summary)),
                   crlfLines(summary));
    }
    writeDescription(lines);
}

void CourseCopy::writeDescription(const QStringList& lines) {
    writeBytes(library_.pathOf(kCourseDescriptionResource), crlfLines(lines));
}

SubjectSpec sevenTopics(const QString& name) {
    return SubjectSpec{name, 7, 35, {}};
}

bool FakeLauncher::OpenPaper(const PaperHandOver& paper) {
    if (!UnloadPracticeWindow())
        return false;
    opened.append(paper);
    open_ = true;
    return true;
}

bool FakeLauncher::UnloadPracticeWindow() {
    if (!open_)
        return true;
    if (keepsWindow) {
        ++keptWindows;
        return false;
    }
    open_ = false;
    ++unloads;
    if (onUnload)
        onUnload();
    return true;
}

WebLinkShell FakeWebShell::shell() {
    return WebLinkShell{[this] { return browserFound; },
                        [this](const QUrl& url, const std::function<void()>&) {
                            openedUrls.append(url);
                            return opens;
                        },
                        [this](QWidget*, const QString& text, const QString& title) {
                            warnings.append(title + QStringLiteral(": ") + text);
                        }};
}

ContentsTest::ContentsTest() {
    // A pop-up that no test answered would wait for a click forever: it is
    // closed, and the test fails naming its message.
    dialogGuard_.setInterval(50);
    QObject::connect(&dialogGuard_, &QTimer::timeout, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            QStringList texts;
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                texts << label->text();
            unexpectedDialogs_ << texts.join(u' ');
            dialog->reject();
        }
    });
    dialogGuard_.start();
}

ContentsTest::~ContentsTest() {
    EXPECT_TRUE(unexpectedDialogs_.isEmpty()) << unexpectedDialogs_.join(u'\n').toStdString();
}

Contents& ContentsTest::start() {
    contents_ = std::make_unique<Contents>(course_.library(), home_.folder(), &launcher_,
                                           [cursor = cursor_] { return *cursor; });
    contents_->setWebLinkShell(web_.shell());
    return *contents_;
}

void ContentsTest::showWindow() {
    ASSERT_TRUE(contents_->pendingNotices().isEmpty())
        << contents_->pendingNotices().join(u'\n').toStdString();
    contents_->show();
    QApplication::processEvents();
}

QString ContentsTest::progressFile(ProgressFile file, int subject) const {
    return store().path(file, subject);
}

ProgressStore ContentsTest::store() const {
    return ProgressStore(course_.library(), home_.folder(), QStringLiteral("Q4"));
}

void ContentsTest::writeScores(int subject, const std::map<int, QString>& first,
                               const std::map<int, QString>& second) {
    const int papers = contents_->course().subject(subject).paperCount;
    SummaryRows summary = store().ReadSummary(subject, papers);
    // A scored take is a marked one, with results stored for its parts, so
    // that the check of the files finds them agreeing.
    auto mark = [&](ProgressFile resultsFile, SummaryRows::Row score, SummaryRows::Row status,
                    const std::map<int, QString>& scores) {
        PaperRecordFile results = store().OpenPaperRecords(resultsFile, subject, papers);
        for (const auto& [paper, text] : scores) {
            if (text.isEmpty())
                continue;
            summary.set(score, paper, text);
            summary.set(status, paper, QStringLiteral("1"));
            const auto parts = results.lines().at(paper - 1).count(u'>');
            if (parts > 0)
                results.replace(PaperNumber(paper), QStringList(parts, QStringLiteral("\u00fc")));
        }
    };
    mark(ProgressFile::FirstResults, SummaryRows::FSE, SummaryRows::FST, first);
    mark(ProgressFile::SecondResults, SummaryRows::SSE, SummaryRows::SST, second);
    store().WriteSummary(subject, summary);
}

std::map<QString, QByteArray> ContentsTest::progressBytes() const {
    std::map<QString, QByteArray> bytes;
    for (int s = 1; s <= 3; ++s) {
        for (ProgressFile file : kProgressFiles)
            bytes[ProgressFileName(file, s, QStringLiteral("Q4"))] =
                readBytes(progressFile(file, s));
    }
    return bytes;
}

void ContentsTest::moveCursorTo(const QWidget* control) {
    moveCursor(control->mapToGlobal(control->rect().center()));
}

void ContentsTest::tick() {
    contents_->frame().ticker().tickNow();
}

void ContentsTest::click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

} // namespace orvanta::test
