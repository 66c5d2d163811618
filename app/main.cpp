// Orvanta Practice: start-up.
#include "data/data_startup.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace orvanta;

namespace {

void printReport(const StartUpReport& report, const AppFolder& folder) {
    QTextStream out(stdout);
    out << "Application folder: " << folder.path() << '\n';
    if (report.staleFilesRemoved > 0)
        out << "Removed " << report.staleFilesRemoved << " unfinished save(s) of an earlier run\n";
    out << "Pictures installed in " << folder.graphicsFolder() << ": " << report.picturesInstalled
        << '\n';
    const CourseDescription& course = report.course;
    if (!course.title.isEmpty())
        out << "Course: " << course.title << " (code " << course.code << ")\n";
    for (int s = 1; s <= kSubjectCount; ++s) {
        const SubjectInfo& subject = course.subject(s);
        if (!subject.present())
            continue;
        out << "  " << subject.name << ": " << subject.topicCount << " topics, "
            << subject.paperCount << " papers (" << subject.topicNames.join(", ") << ")\n";
        const auto& created = report.createdFiles[s - 1];
        if (created.isEmpty()) {
            out << "    progress files present\n";
            continue;
        }
        QStringList names;
        for (ProgressFile file : created)
            names << ProgressFileName(file, s, course.code);
        out << "    created " << names.join(", ") << '\n';
    }
    for (const QString& problem : report.problems)
        out << "Problem: " << problem << '\n';
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Practice"));

    const QString bundle = QCoreApplication::applicationDirPath() + QStringLiteral("/orvanta.rcc");
    if (!RegisterResourceBundle(bundle)) {
        QTextStream(stderr) << "The course bundle " << bundle << " is missing or damaged.\n";
        return 1;
    }
    const AppFolder folder = AppFolder::fromEnvironment();
    const StartUpReport report =
        RunDataStartUp(ResourceLibrary(ResourceLibrary::bundledRoot()), folder);
    printReport(report, folder);
    return report.course.presentSubjectCount() > 0 ? 0 : 1;
}
