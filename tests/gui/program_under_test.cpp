#include "program_under_test.h"

#include "data/resource_install.h"
#include "tests/practice/practice_test_support.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <stdexcept>

namespace orvanta::test {

ProgramUnderTest::ProgramUnderTest()
    : savedHome_(qgetenv("ORVANTA_HOME"))
    , calendar_(std::make_shared<ManualClock>(QDateTime(QDate(2024, 3, 7), QTime(9, 30)))) {
    static const bool registered = RegisterResourceBundle(QCoreApplication::applicationDirPath() +
                                                          QStringLiteral("/orvanta.rcc"));
    if (!registered)
        throw std::runtime_error("build/bin/orvanta.rcc is missing");
    qputenv("ORVANTA_HOME", home_.path().toLocal8Bit());
}

ProgramUnderTest::~ProgramUnderTest() {
    // The launcher goes first, taking its window and browser profile.
    launcher_.reset();
    contents_.reset();
    if (savedHome_.isNull())
        qunsetenv("ORVANTA_HOME");
    else
        qputenv("ORVANTA_HOME", savedHome_);
}

void ProgramUnderTest::start() {
    contents_ = std::make_unique<Contents>(library(), AppFolder::fromEnvironment(), nullptr,
                                           [] { return kPointerAway; });
    PracticeServices services;
    services.monotonic = clock_;
    services.calendar = calendar_;
    services.invalidOperation = [this](QWidget*) { ++invalidOperations_; };
    services.placeCursor = [](QPoint) {};
    services.leftButtonHeld = [] { return false; };
    services.choosePrinter = [](QPrinter&, QWidget*) { return false; };
    services.markingBarMs = 0;
    launcher_ =
        std::make_unique<PracticeWindows>(contents_->practiceEnvironment(), *contents_, services);
    contents_->setPracticeLauncher(launcher_.get());
    store_ = std::make_unique<ProgressStore>(library(), folder(), contents_->lblCOD());
}

ResourceLibrary ProgramUnderTest::library() const {
    return ResourceLibrary(ResourceLibrary::bundledRoot());
}

AppFolder ProgramUnderTest::folder() const {
    return AppFolder(home_.path());
}

QByteArray ProgramUnderTest::templateBytes(ProgressFile which, int subject) const {
    return readBytes(library().pathOf(ProgressTemplateResource(subject, which)));
}

PracticeWindow* ProgramUnderTest::openPaperBy(const std::function<void()>& open) {
    std::unique_ptr<QSignalSpy> firstPage;
    const auto opened = QObject::connect(
        launcher_.get(), &PracticeWindows::practiceWindowOpened, [&](PracticeWindow* w) {
            firstPage = std::make_unique<QSignalSpy>(w, &PracticeWindow::pageLoaded);
        });
    open();
    QObject::disconnect(opened);
    if (!firstPage || (firstPage->isEmpty() && !firstPage->wait(kPageTimeoutMs)))
        return nullptr;
    return firstPage->first().first().toBool() ? launcher_->practiceWindow() : nullptr;
}

QByteArray paperRecord(int paperNumber, const QStringList& values) {
    QByteArray line = '#' + QByteArray::number(paperNumber) + '#';
    for (const QString& value : values)
        line += '>' + value.toLatin1();
    return line;
}

} // namespace orvanta::test
