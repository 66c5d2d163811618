// orvanta-course: checks and exports the course that the program carries.
#include "course_check.h"
#include "course_export.h"
#include "judge_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTextStream>

#include <functional>
#include <optional>

using namespace orvanta;

namespace {

// Exit codes.
constexpr int kSuccess = 0;
constexpr int kFailed = 1;         // problems found, or resources could not be written
constexpr int kBadUsage = 2;       // unknown command or bad arguments
constexpr int kProblemsShown = 20; // per group, unless --all

struct Streams {
    QTextStream& out;
    QTextStream& err;
};

struct Command {
    QString name;
    QString synopsis; // arguments after the command name
    QString summary;  // one line for the overview
    QString details;  // what the command does, for "<command> --help"
    std::function<int(const QStringList&, Streams&)> run;
};

const QList<Command>& commands();

void printUsage(QTextStream& stream) {
    stream << "Usage: orvanta-course <command> [arguments]\n\nCommands:\n";
    for (const Command& command : commands())
        stream << "  " << (command.name + u' ' + command.synopsis).leftJustified(46) << ' '
               << command.summary << '\n';
    stream << "  " << QStringLiteral("--help").leftJustified(46) << " show this help\n"
           << "\nRun \"orvanta-course <command> --help\" for the details of a command.\n"
           << "Exit status: 0 success, 1 problems found or files not written, 2 bad usage.\n";
}

int usageError(Streams& io, const QString& message) {
    io.err << "orvanta-course: " << message << '\n'
           << "Run \"orvanta-course --help\" for the commands and their arguments.\n";
    return kBadUsage;
}

// Registers build/bin/orvanta.rcc (beside this program) as the program does.
std::optional<ResourceLibrary> openBundle(Streams& io) {
    const QString bundle = QCoreApplication::applicationDirPath() + QStringLiteral("/orvanta.rcc");
    if (!RegisterResourceBundle(bundle)) {
        io.err << "orvanta-course: the course bundle " << bundle << " is missing or damaged.\n";
        return std::nullopt;
    }
    return ResourceLibrary(ResourceLibrary::bundledRoot());
}

// ---- check ----------------------------------------------------------------

struct CheckOptions {
    QString courseFolder; // empty: the bundled course
    bool skipPictures = false;
    bool listAll = false;
    bool inventory = true; // hold the type letters to the shipped course's inventory
};

std::optional<CheckOptions> parseCheckOptions(const QStringList& arguments, Streams& io,
                                              int& exitCode) {
    CheckOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == u"--course" || argument.startsWith(u"--course=")) {
            if (argument.startsWith(u"--course="))
                options.courseFolder = argument.mid(9);
            else if (i + 1 < arguments.size())
                options.courseFolder = arguments.at(++i);
            if (options.courseFolder.isEmpty()) {
                exitCode = usageError(io, QStringLiteral("--course needs a folder."));
                return std::nullopt;
            }
        } else if (argument == u"--skip-pictures") {
            options.skipPictures = true;
        } else if (argument == u"--all") {
            options.listAll = true;
        } else if (argument == u"--no-inventory") {
            options.inventory = false;
        } else {
            exitCode = usageError(io, QStringLiteral("check does not take \"%1\".").arg(argument));
            return std::nullopt;
        }
    }
    if (!options.courseFolder.isEmpty() && !QFileInfo(options.courseFolder).isDir()) {
        exitCode = usageError(
            io,
            QStringLiteral("the course folder \"%1\" does not exist.").arg(options.courseFolder));
        return std::nullopt;
    }
    return options;
}

int runCheck(const QStringList& arguments, Streams& io) {
    int exitCode = kSuccess;
    const auto options = parseCheckOptions(arguments, io, exitCode);
    if (!options)
        return exitCode;
    std::optional<ResourceLibrary> library;
    bool checkPictures = !options->skipPictures;
    if (options->courseFolder.isEmpty()) {
        library = openBundle(io);
        if (!library)
            return kFailed;
        io.out << "Checking the bundled course ("
               << QCoreApplication::applicationDirPath() + QStringLiteral("/orvanta.rcc") << ")\n";
    } else {
        library = ResourceLibrary(QDir(options->courseFolder).absolutePath());
        io.out << "Checking the course in " << library->root() << '\n';
        checkPictures = checkPictures && HoldsInterfacePictures(*library);
    }

    CourseCheckRules rules;
    if (options->inventory)
        rules.inventory = CourseInventory::Shipped();
    CourseCheckReport report = CheckCourse(*library, rules);
    if (checkPictures) {
        report.problems.append(CheckInterfacePictures(*library));
        report.counts.pictures = 0;
        for (const InterfacePicture& picture : InterfacePictures())
            report.counts.pictures += library->contains(picture.number) ? 1 : 0;
    } else {
        io.out << (options->skipPictures
                       ? "The interface pictures are not checked (--skip-pictures).\n"
                       : "The interface pictures are not checked: the folder holds none.\n");
    }
    io.out << FormatCheckReport(report, options->listAll ? 0 : kProblemsShown);
    if (!options->listAll && report.problems.size() > kProblemsShown)
        io.out << "Run with --all to list every problem.\n";
    io.out.flush();
    return report.passed() ? kSuccess : kFailed;
}

// ---- export ---------------------------------------------------------------

int runExport(const QStringList& arguments, Streams& io) {
    if (arguments.size() != 1 || arguments.first().startsWith(u'-'))
        return usageError(io, QStringLiteral("export needs exactly one folder."));
    const QString folder = QDir(arguments.first()).absolutePath();
    const auto library = openBundle(io);
    if (!library)
        return kFailed;
    if (ResourceNumbers(*library).isEmpty()) {
        io.err << "orvanta-course: the course bundle holds no resources.\n";
        return kFailed;
    }
    const ExportResult result = ExportResources(*library, folder);
    io.out << "Wrote " << result.written << " resources to " << folder << '\n';
    for (const ExportFailure& failure : result.failures)
        io.err << "Resource " << failure.resource
               << " could not be written: " << InstallErrorText(failure.error) << '\n';
    if (!result.foreignFiles.isEmpty())
        io.out << "Note: the folder also holds " << result.foreignFiles.size()
               << " resource file(s) the bundle does not have (the first is "
               << result.foreignFiles.first() << "); they were left as they were.\n";
    return result.ok() ? kSuccess : kFailed;
}

// ---- judge ----------------------------------------------------------------

int runJudge(const QStringList& arguments, Streams& io) {
    QMap<QString, QString> values;
    const QStringList names = {QStringLiteral("--types"), QStringLiteral("--keys"),
                               QStringLiteral("--answers")};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (!names.contains(name))
            return usageError(io, QStringLiteral("judge does not take \"%1\".").arg(argument));
        if (equals >= 0)
            values[name] = argument.mid(equals + 1);
        else if (i + 1 < arguments.size())
            values[name] = arguments.at(++i);
        else
            return usageError(io, QStringLiteral("%1 needs a value.").arg(name));
    }
    for (const QString& name : names) {
        if (!values.contains(name))
            return usageError(io, QStringLiteral("judge needs %1.").arg(name));
    }
    const JudgeOutput output =
        JudgeFields(values.value(names[0]), values.value(names[1]), values.value(names[2]));
    if (!output.ok()) {
        io.err << "orvanta-course: " << output.error << '\n';
        return kFailed;
    }
    for (qsizetype i = 0; i < output.lines.size(); ++i) {
        io.out << output.lines.at(i) << '\t' << output.notes.value(i) << '\n';
    }
    return kSuccess;
}

const QList<Command>& commands() {
    static const QList<Command> list = {
        {QStringLiteral("check"),
         QStringLiteral("[--course DIR] [--skip-pictures] [--no-inventory] [--all]"),
         QStringLiteral("check the bundled course, or the course in DIR"),
         QStringLiteral(
             "Checks the course description, the paper lists, the answer keys, question\n"
             "types and marks, every question page and the progress templates, and the 89\n"
             "interface pictures; finds questions that repeat another one (the same text,\n"
             "options in any order and pictures) and type letters whose part counts stray\n"
             "more than a quarter from the shipped course's inventory; prints the problems\n"
             "grouped, then per subject the five most used opening frames (names, numbers\n"
             "and bracketed words blurred) and the parts per type letter, then a summary.\n\n"
             "  --course DIR     check the resource files in DIR (named by resource number,\n"
             "                   as export writes them) instead of the bundled course; the\n"
             "                   pictures are checked only when DIR holds any\n"
             "  --skip-pictures  leave the interface pictures out\n"
             "  --no-inventory   count the type letters without holding them to the\n"
             "                   shipped course's inventory\n"
             "  --all            list every problem (otherwise 20 of each group)\n\n"
             "Exit status 0 when nothing is wrong, 1 when problems were found.\n"),
         runCheck},
        {QStringLiteral("export"), QStringLiteral("DIR"),
         QStringLiteral("write every bundled resource into DIR, named by number"),
         QStringLiteral(
             "Writes every resource of the bundled course and every interface picture into\n"
             "DIR as a file named by its resource number alone (DIR/10001, DIR/30000,\n"
             "DIR/85), byte for byte as the program installs it. DIR is made when missing;\n"
             "files of the same names are replaced, other files are left alone.\n"),
         runExport},
        {QStringLiteral("judge"), QStringLiteral("--types T --keys K --answers A"),
         QStringLiteral("judge the parts of one question as the program would"),
         QStringLiteral(
             "Judges the parts of one question, each list given as record fields joined\n"
             "with \">\" exactly as in the course tables, for example\n\n"
             "  orvanta-course judge --types \"G>G>G\" --keys \";woodlouse;earthworm> > \" \\\n"
             "                       --answers \"Earthworm>woodlouse>woodlouse\"\n\n"
             "and prints one line per part: right, wrong or none, a tab, and the part's\n"
             "model answer (what a second take shows for it; empty when the rule gives\n"
             "none), and after a second tab why a wrong answer missed when it nearly hit,\n"
             "as the marked sheet of a first take says it (empty when the answer gets no\n"
             "note). Exit status 0 when it judged, 1\n"
             "when a key cannot be judged, 2 for bad arguments.\n"),
         runJudge},
    };
    return list;
}

const Command* findCommand(const QString& name) {
    for (const Command& command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

bool isHelp(const QString& argument) {
    return argument == u"--help" || argument == u"-h" || argument == u"help";
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    Streams io{out, err};

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        printUsage(err);
        return kBadUsage;
    }
    const QString name = arguments.takeFirst();
    if (isHelp(name)) {
        printUsage(out);
        return kSuccess;
    }
    const Command* command = findCommand(name);
    if (!command)
        return usageError(io, QStringLiteral("unknown command \"%1\".").arg(name));
    if (arguments.size() == 1 && isHelp(arguments.first())) {
        out << "Usage: orvanta-course " << command->name << ' ' << command->synopsis << "\n\n"
            << command->details;
        return kSuccess;
    }
    return command->run(arguments, io);
}
