#include "practice_test_support.h"

#include <QLabel>

#include "data/data_startup.h"
#include "practice/answer_box.h"
#include "practice/answer_sheet.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvanta::test {

namespace {

// The program's own pictures, as the program installs them at start-up.
const ResourceLibrary& bundledPictures() {
    static const bool registered = RegisterResourceBundle(QCoreApplication::applicationDirPath() +
                                                          QStringLiteral("/orvanta.rcc"));
    static const ResourceLibrary library(ResourceLibrary::bundledRoot());
    if (!registered)
        throw std::runtime_error("build/bin/orvanta.rcc is missing");
    return library;
}

} // namespace

ModalGuard::ModalGuard() {
    timer_.setInterval(50);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++closed_;
            QStringList texts = {dialog->windowTitle()};
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                texts << label->text();
            titles_ << texts.join(u' ');
            dialog->reject();
        }
    });
    timer_.start();
}

void setRecord(const QString& path, const QString& key, const QStringList& fields) {
    QList<QByteArray> lines = readBytes(path).split('\n');
    const QByteArray tag = '#' + key.toLatin1() + '#';
    const QByteArray line = tag + '>' + fields.join(u'>').toLatin1() + '\r';
    bool replaced = false;
    for (QByteArray& existing : lines) {
        if (existing.contains(tag)) {
            existing = line;
            replaced = true;
            break;
        }
    }
    if (!replaced)
        lines.insert(1, line);
    writeBytes(path, lines.join('\n'));
}

std::function<void(const QString&)> withQuestion10005Parts(int parts) {
    return [parts](const QString& course) {
        QStringList keys, types, marks;
        for (int k = 1; k <= parts; ++k) {
            keys << QStringLiteral("w%1").arg(k);
            types << QStringLiteral("T");
            marks << QStringLiteral("1");
        }
        setRecord(course + QStringLiteral("/30013"), QStringLiteral("10005"), keys);
        setRecord(course + QStringLiteral("/30014"), QStringLiteral("10005"), types);
        setRecord(course + QStringLiteral("/30015"), QStringLiteral("10005"), marks);
        const QStringList empty(5 + parts + 1, QString());
        for (const char* file : {"/30112", "/30113", "/30114", "/30115"})
            setRecord(course + QLatin1String(file), QStringLiteral("102"), empty);
    };
}

QMap<QString, QByteArray> folderSnapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        files.insert(name, readBytes(dir.filePath(name)));
    return files;
}

PracticeFixture::PracticeFixture(const std::function<void(const QString&)>& prepareCourse)
    : course_(copyFixtureCourse(courseDir()))
    , pictures_(std::make_shared<const PictureSource>(PictureSource::forAppFolder(folder())))
    , host_(skin()) {
    if (prepareCourse)
        prepareCourse(courseDir());
    StartUpReport pictures;
    InstallInterfacePictures(bundledPictures(), folder(), pictures);
    if (!pictures.pictureFailures.isEmpty())
        throw std::runtime_error("cannot install the interface pictures");

    description_ = LoadCourseDescription(course_, folder());
    const ProgressStore progress = store();
    for (int s = 1; s <= kSubjectCount; ++s) {
        if (description_.subject(s).present() && progress.CreateProgressFiles(s) != 0)
            throw std::runtime_error("cannot create the progress files");
    }
}

PracticeFixture::~PracticeFixture() {
    launcher_.reset();
    if (unexpectedDialogs_.closed() > 0)
        ADD_FAILURE() << "dialogs nobody answered: "
                      << unexpectedDialogs_.titles().join(", ").toStdString();
}

ProgressStore PracticeFixture::store() const {
    return ProgressStore(course_, folder(), description_.code);
}

QString PracticeFixture::progressPath(ProgressFile file, int subject) const {
    return store().path(file, subject);
}

SkinContext PracticeFixture::skin() const {
    SkinContext skin;
    skin.pictures = pictures_;
    skin.cursor = [cursor = cursor_] { return *cursor; };
    return skin;
}

PracticeServices PracticeFixture::services() {
    PracticeServices services;
    services.monotonic = monotonic_;
    services.calendar = std::make_shared<ManualClock>(QDateTime(QDate(2024, 3, 7), QTime(9, 30)));
    services.invalidOperation = [count = invalidOperations_](QWidget*) { ++*count; };
    services.placeCursor = [cursor = cursor_](QPoint global) { *cursor = global; };
    services.leftButtonHeld = [drag = drag_, cursor = cursor_] {
        if (drag->isEmpty())
            return false;
        *cursor = drag->takeFirst();
        return true;
    };
    services.choosePrinter = [](QPrinter&, QWidget*) { return false; };
    services.markingBarMs = 0;
    return services;
}

PracticeWindows& PracticeFixture::launcher() {
    if (!launcher_)
        launcher_ = std::make_unique<PracticeWindows>(
            PracticeEnvironment{course_, folder(), skin()}, host_, services());
    return *launcher_;
}

PaperHandOver PracticeFixture::handOver(int subject, int paperIndex, int take) const {
    const SubjectInfo& info = description_.subject(subject);
    PaperHandOver h;
    h.subject = subject;
    h.courseCode = description_.code;
    const int topic = TopicOfPaperIndex(paperIndex);
    h.topicFirstIndex = FirstPaperIndexOfTopic(topic);
    h.paperCount = info.paperCount;
    h.paperNumber = PaperNumber(paperIndex);
    h.take = take;
    h.topicName = info.topicNames.value(topic - 1);
    return h;
}

PracticeWindow* PracticeFixture::open(const PaperHandOver& paper) {
    if (!launcher().OpenPaper(paper))
        return nullptr;
    PracticeWindow* window = launcher().practiceWindow();
    QSignalSpy loaded(window, &PracticeWindow::pageLoaded);
    if (!loaded.wait(kPageTimeoutMs))
        throw std::runtime_error("the first page never loaded");
    return window;
}

void PracticeFixture::storeRecord(ProgressFile file, int subject, int paperNumber,
                                  const QStringList& values) {
    PaperRecordFile records =
        store().OpenPaperRecords(file, subject, description_.subject(subject).paperCount);
    records.replace(paperNumber, values);
}

void PracticeFixture::setSummary(int subject, int paperIndex, SummaryRows::Row row,
                                 const QString& value) {
    const int count = description_.subject(subject).paperCount;
    SummaryRows summary = store().ReadSummary(subject, count);
    summary.set(row, paperIndex, value);
    store().WriteSummary(subject, summary);
}

SummaryRows PracticeFixture::summary(int subject) const {
    return store().ReadSummary(subject, description_.subject(subject).paperCount);
}

QStringList PracticeFixture::filesStartingWith(const QString& prefix) const {
    return QDir(app_.path()).entryList({prefix + u'*'}, QDir::Files, QDir::Name);
}

bool pageLoadsAfter(PracticeWindow* window, const std::function<void()>& trigger) {
    QSignalSpy loaded(window, &PracticeWindow::pageLoaded);
    trigger();
    if (loaded.isEmpty() && !loaded.wait(kPageTimeoutMs))
        return false;
    return loaded.first().first().toBool();
}

void typeAnswer(PracticeWindow* window, int frame, const QString& text) {
    AnswerBox* box = window->Frame(frame)->FA();
    box->setFocus();
    QTest::keyClicks(box, text);
}

QList<QByteArray> fileLines(const QString& path) {
    QList<QByteArray> lines = readBytes(path).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray recordLine(const QString& path, int paperNumber) {
    const QByteArray tag = '#' + QByteArray::number(paperNumber) + '#';
    for (const QByteArray& line : fileLines(path)) {
        if (line.contains(tag))
            return line.endsWith('\r') ? line.chopped(1) : line;
    }
    return {};
}

} // namespace orvanta::test
