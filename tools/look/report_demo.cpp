// A look at the report page and the printout on the bundled course (run by
// hand, offscreen; not a test): marks several Mathematics papers in a
// temporary application folder, grabs the page in each of its three sections
// and prints the results to a PDF file.
//
//   report_widgets_demo <orvanta.rcc> <output folder>
#include "data/data_startup.h"
#include "main_window/report_document.h"
#include "main_window/report_export.h"
#include "main_window/report_page.h"
#include "main_window/report_saving.h"
#include "main_window/results_printing.h"
#include "main_window/subject_data.h"
#include "tests/main_window/fullest_subject.h"
#include "ui_frame/picture_source.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>

using namespace orvanta;

namespace {

struct Marked {
    int paperIndex;
    const char* first;
    const char* time;
    const char* date;
    const char* second; // "" when not taken again
};

// Topics 1..5 of the seven, with topic 2 tried again twice.
const Marked kMarked[] = {
    {1, "80", "0:12:5", "3 Mar 2025", ""},       {2, "66.7", "0:9:41", "4 Mar 2025", "88.9"},
    {3, "92.5", "0:14:2", "6 Mar 2025", ""},     {6, "45", "0:20:13", "8 Mar 2025", "70"},
    {7, "55.6", "0:17:0", "9 Mar 2025", "77.8"}, {11, "100", "0:7:55", "11 Mar 2025", ""},
    {12, "62.5", "0:11:9", "12 Mar 2025", ""},   {16, "35", "0:25:40", "14 Mar 2025", ""},
    {21, "71.4", "0:16:30", "16 Mar 2025", ""},
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: report_widgets_demo <orvanta.rcc> <output folder>\n");
        return 2;
    }
    if (!RegisterResourceBundle(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot open the bundle\n");
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);

    QTemporaryDir home;
    const AppFolder folder(home.path());
    const ResourceLibrary library(ResourceLibrary::bundledRoot());
    const StartUpReport startUp = RunDataStartUp(library, folder);
    const CourseDescription& course = startUp.course;
    const ProgressStore store(library, folder, course.code);

    // Mathematics with the papers above; Science, whose topic names are the
    // longest, with every paper of its first three topics and a long trend.
    const int subject = 2;
    SummaryRows summary = store.ReadSummary(subject, course.subject(subject).paperCount);
    for (const Marked& m : kMarked) {
        summary.set(SummaryRows::FSE, m.paperIndex, QString::fromUtf8(m.first));
        summary.set(SummaryRows::LTM, m.paperIndex, QString::fromUtf8(m.time));
        summary.set(SummaryRows::CDD, m.paperIndex, QString::fromUtf8(m.date));
        summary.set(SummaryRows::SSE, m.paperIndex, QString::fromUtf8(m.second));
        store.AppendTrendEntry(subject, QString::fromUtf8(m.first));
    }
    store.WriteSummary(subject, summary);
    const SubjectData data = *LoadSubjectData(course, store, subject);

    SummaryRows science = store.ReadSummary(3, course.subject(3).paperCount);
    for (int j = 1; j <= 15; ++j) {
        const QString score = QString::number(40 + (j * 37) % 61);
        science.set(SummaryRows::FSE, j, score);
        store.AppendTrendEntry(3, score);
    }
    for (int j = 31; j <= 35; ++j) {
        science.set(SummaryRows::FSE, j, QStringLiteral("100"));
        store.AppendTrendEntry(3, QStringLiteral("100"));
    }
    store.AppendTrendEntry(3, QStringLiteral("0"));
    store.WriteSummary(3, science);

    SkinContext skin;
    skin.pictures = std::make_shared<PictureSource>(PictureSource::forAppFolder(folder));
    ReportPage page(skin);
    new ReportSaveButtons(
        page.sectionPanel(ReportSection::Overall)); // as the main window adds them
    page.show();
    page.showReport(data, store.ReadTrendLine(subject));
    for (const char* pos : {"1", "2", "3"}) {
        page.setReportPos(QString::fromLatin1(pos));
        page.grab().save(out + QStringLiteral("/report-%1.png").arg(QString::fromLatin1(pos)));
    }
    page.showReport(*LoadSubjectData(course, store, 3), store.ReadTrendLine(3));
    for (const char* pos : {"1", "2", "3"}) {
        page.setReportPos(QString::fromLatin1(pos));
        page.grab().save(out + QStringLiteral("/science-%1.png").arg(QString::fromLatin1(pos)));
    }

    ResultsPrinter printer([](const QString&, const QString&, int) { return true; },
                           {[](QPrinter&, QWidget*) { return false; },
                            [&out](QWidget*, const QString&) { return out + "/results.pdf"; }});
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName({});
    const auto outcome = printer.PrintResults(course.title, data);
    // The reports a parent keeps, of both subjects.
    for (const int s : {subject, 3}) {
        const ReportDocument report{course.title, *LoadSubjectData(course, store, s),
                                    store.ReadTrendLine(s), QDate(2025, 3, 16)};
        QFile pdf(out + QStringLiteral("/report-subject%1.pdf").arg(s));
        if (!pdf.open(QIODevice::WriteOnly) || !WriteReportPdf(pdf, report))
            std::fprintf(stderr, "the report of subject %d could not be written\n", s);
        QFile csv(out + QStringLiteral("/results-subject%1.csv").arg(s));
        if (csv.open(QIODevice::WriteOnly))
            csv.write(ResultsCsv(report.subject));
    }
    // The fullest report there can be.
    const SubjectData full = test::FullestSubject();
    QFile fullPdf(out + QStringLiteral("/report-full.pdf"));
    if (!fullPdf.open(QIODevice::WriteOnly) ||
        !WriteReportPdf(fullPdf, {course.title, full, store.ReadTrendLine(3), QDate(2025, 12, 31)}))
        std::fprintf(stderr, "the full report could not be written\n");
    std::printf("print outcome %d, pictures %d\n", static_cast<int>(outcome),
                startUp.picturesInstalled);
    return 0;
}
