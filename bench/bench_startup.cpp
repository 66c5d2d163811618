// Start-up of the program to the main window's first paint, against a
// minimal Qt Widgets program that shows one window of the same size, both
// measured alternately in the same run (./do bench runs it under xvfb-run):
//
// - startup_fresh_folder: a new, empty application folder (the pictures and
//   progress files are all written);
// - startup_folder_in_place: a folder where everything exists already;
// - startup_minimal_qt and the ratio startup_vs_qt (the folder in place).
//
// A run is timed from the moment the process is started to the line it
// prints once its window has been painted (the program with
// ORVANTA_START_CHECK=paint). Prints "name value unit", ratios "name value x".
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <optional>

namespace {

constexpr int kRuns = 9;
constexpr int kTimeoutMs = 60000;

struct Painted {
    double ms = 0;
    QString line;
};

// Starts `program` and waits for the first line it prints; the
// milliseconds from the start to that line, and the line.
std::optional<Painted> timeToFirstLine(const QString& program, const QStringList& arguments,
                                       const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    QByteArray output;
    while (!output.contains('\n')) {
        if (!process.waitForReadyRead(kTimeoutMs))
            break;
        output += process.readAllStandardOutput();
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    if (!output.contains('\n') || process.exitCode() != 0)
        return std::nullopt;
    return Painted{ms, QString::fromUtf8(output.left(output.indexOf('\n')))};
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const auto n = values.size();
    return n == 0 ? -1 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString program = bin.filePath(QStringLiteral("orvanta-practice"));
    const QString minimal = bin.filePath(QStringLiteral("bench-minimal-window"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVANTA_START_CHECK"), QStringLiteral("paint"));
    QTemporaryDir inPlace;
    environment.insert(QStringLiteral("ORVANTA_HOME"), inPlace.path());

    // A first run fills the folder that stays in place and tells the
    // window's size.
    const auto first = timeToFirstLine(program, {}, environment);
    const QRegularExpression size(QStringLiteral("(\\d+) x (\\d+)"));
    const QRegularExpressionMatch match =
        first ? size.match(first->line) : QRegularExpressionMatch();
    if (!match.hasMatch()) {
        err << "the program did not report its first paint\n";
        return 1;
    }
    const QStringList windowSize = {match.captured(1), match.captured(2)};

    QList<double> fresh, existing, baseline;
    for (int run = 0; run < kRuns; ++run) {
        QTemporaryDir empty;
        QProcessEnvironment freshEnvironment = environment;
        freshEnvironment.insert(QStringLiteral("ORVANTA_HOME"), empty.path());
        const auto a = timeToFirstLine(program, {}, freshEnvironment);
        const auto b = timeToFirstLine(program, {}, environment);
        const auto c = timeToFirstLine(minimal, windowSize, environment);
        if (!a || !b || !c) {
            err << "a start-up run failed\n";
            return 1;
        }
        fresh << a->ms;
        existing << b->ms;
        baseline << c->ms;
    }
    const auto figure = [&out](const char* name, double value, const char* unit, int decimals) {
        out << name << ' ' << QString::number(value, 'f', decimals) << ' ' << unit << '\n';
    };
    figure("startup_fresh_folder", median(fresh), "ms", 0);
    figure("startup_folder_in_place", median(existing), "ms", 0);
    figure("startup_minimal_qt", median(baseline), "ms", 0);
    figure("startup_vs_qt", median(existing) / median(baseline), "x", 2);
    return 0;
}
