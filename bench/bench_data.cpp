// Speed of the record operations on course-sized files.
#include "data/course_content.h"
#include "data/record_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

// An answer key of 1,119 questions (20001..21119), most of one part, every
// twentieth of two, as in the mathematics course.
QString keyFile() {
    static const QString path = [] {
        QStringList lines{"..."};
        for (int q = 0; q < 1119; ++q) {
            QStringList parts;
            for (int p = 0; p <= (q % 20 == 0 ? 1 : 0); ++p)
                parts << QString::number((q * 37 + p * 11) % 9973);
            lines << BuildRecordLine(QString::number(20001 + q), parts);
        }
        lines << "...";
        const QString file = scratch().filePath("keys.txt");
        WriteRecordLines(file, lines);
        return file;
    }();
    return path;
}

// 57 questions spread over the whole file, in ascending order.
QStringList paperQuestions() {
    QStringList questions;
    for (int i = 0; i < 57; ++i)
        questions << QString::number(20001 + i * 19);
    return questions;
}

void BM_ReadQuestionParts57Of1119(benchmark::State& state) {
    const QString path = keyFile();
    const QStringList questions = paperQuestions();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadQuestionParts(path, questions));
}
BENCHMARK(BM_ReadQuestionParts57Of1119)->Unit(benchmark::kMicrosecond);

void BM_LoadPaperFourTables(benchmark::State& state) {
    // The four tables of a mathematics-sized subject, written as resources.
    const QString lib = scratch().filePath("lib");
    QDir().mkpath(lib);
    const QString keys = keyFile();
    QFile::remove(lib + "/30023");
    QFile::copy(keys, lib + "/30023");
    QFile::remove(lib + "/30024");
    QFile::copy(keys, lib + "/30024");
    QFile::remove(lib + "/30025");
    QFile::copy(keys, lib + "/30025");
    WriteRecordLines(lib + "/30022", {"#101#>" + paperQuestions().join('>')});
    const ResourceLibrary library(lib);
    const AppFolder folder(scratch().filePath("home"));
    folder.ensureExists();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPaperContent(library, folder, 2, 101));
}
BENCHMARK(BM_LoadPaperFourTables)->Unit(benchmark::kMicrosecond);

void BM_ReplaceRecordLine35Lines(benchmark::State& state) {
    const QString path = scratch().filePath("first2Q4.txt");
    QStringList lines;
    for (int p = 101; p <= 135; ++p)
        lines << "#" + QString::number(p) + "#" + QString(30, u'>');
    WriteRecordLines(path, lines);
    QStringList values;
    for (int i = 0; i < 30; ++i)
        values << QString::number(i * 7);
    for (auto _ : state)
        ReplaceRecordLine(lines, values, 17, "117", 35, 30, path);
}
BENCHMARK(BM_ReplaceRecordLine35Lines)->Unit(benchmark::kMicrosecond);

} // namespace
