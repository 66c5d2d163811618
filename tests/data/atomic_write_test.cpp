#include "data/atomic_file.h"
#include "data/record_file.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// Runs `save` in a child process whose files may not grow beyond `limit`
// bytes (SIGXFSZ ignored, so writes past it fail with EFBIG). Returns true
// when the save reported success.
template <typename Save> bool saveUnderSizeLimit(rlim_t limit, Save save) {
    const pid_t pid = fork();
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        bool ok = false;
        try {
            save();
            ok = true;
        } catch (const RecordFileError&) {
        }
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QStringList temporaryFiles(const QString& folder) {
    QStringList found;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (atomic_file::isTemporaryFileName(name))
            found << name;
    }
    return found;
}

struct FaultFigures {
    int injected = 0;
    int survived = 0;
    int falseSuccesses = 0;
};

// Saves `save` under every size limit from 0 to past the new file's size and
// checks that the target holds either its old bytes (failure reported) or the
// new bytes (success reported), never anything else.
template <typename Save>
FaultFigures injectWriteFaults(const QString& target, const QByteArray& newBytes, Save save) {
    const QByteArray old = readBytes(target);
    FaultFigures figures;
    for (qsizetype limit = 0; limit <= newBytes.size() + 2; ++limit) {
        writeBytes(target, old);
        const bool reportedSuccess = saveUnderSizeLimit(static_cast<rlim_t>(limit), save);
        const QByteArray now = readBytes(target);
        if (limit < newBytes.size()) {
            ++figures.injected;
            if (reportedSuccess)
                ++figures.falseSuccesses;
            else if (now == old)
                ++figures.survived;
            else
                ADD_FAILURE() << "limit " << limit << ": failed save changed the file";
        } else {
            EXPECT_TRUE(reportedSuccess) << "limit " << limit;
            EXPECT_EQ(now, newBytes) << "limit " << limit;
        }
    }
    return figures;
}

TEST(AtomicWriteTest, failedSavesLeaveTheOldFileWholeAndReportFailure) {
    TempAppFolder temp;
    const QString path = temp.file("first1Q4.txt");
    // An answers file of 35 papers, about 1 KB, whose paper 103 gets long answers.
    QStringList lines;
    for (int p = 101; p <= 135; ++p)
        lines << QStringLiteral("#%1#>a>b>c>>e").arg(p);
    WriteRecordLines(path, lines);
    QStringList values;
    for (int i = 0; i < 40; ++i)
        values << QStringLiteral("answer %1").arg(i);
    QStringList expected = lines;
    expected[2] = BuildRecordLine("103", values);
    const QByteArray newBytes = (expected.join("\r\n") + "\r\n").toLatin1();

    const FaultFigures figures = injectWriteFaults(path, newBytes, [&] {
        QStringList kept = lines;
        ReplaceRecordLine(kept, values, 3, "103", 35, 40, path);
    });
    std::printf("answers save: faults injected %d, survived %d, false successes %d\n",
                figures.injected, figures.survived, figures.falseSuccesses);
    EXPECT_EQ(figures.injected, newBytes.size());
    EXPECT_EQ(figures.survived, figures.injected);
    EXPECT_EQ(figures.falseSuccesses, 0);
    EXPECT_TRUE(temporaryFiles(temp.path()).isEmpty());
}

TEST(AtomicWriteTest, failedSummaryWritesLeaveTheOldSummaryWhole) {
    TempAppFolder temp;
    const QString path = temp.file("marks1Q4.txt");
    std::array<QStringList, 6> rows;
    for (auto& row : rows)
        for (int i = 0; i < 35; ++i)
            row << QString::number(i);
    const std::array<QString, 6> keys = {"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
    WriteSummaryRows(rows, keys, 35, path);
    rows[0][4] = "66.7";
    rows[2][4] = "0:17:5";
    WriteSummaryRows(rows, keys, 35, temp.file("expected.txt"));
    const QByteArray newBytes = readBytes(temp.file("expected.txt"));

    const FaultFigures figures =
        injectWriteFaults(path, newBytes, [&] { WriteSummaryRows(rows, keys, 35, path); });
    std::printf("summary save: faults injected %d, survived %d, false successes %d\n",
                figures.injected, figures.survived, figures.falseSuccesses);
    EXPECT_EQ(figures.survived, figures.injected);
    EXPECT_EQ(figures.falseSuccesses, 0);
}

TEST(AtomicWriteTest, writeKeepsTheModeOfAReplacedFile) {
    TempAppFolder temp;
    const QString path = temp.file("marks1Q4.txt");
    writeBytes(path, "old");
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(atomic_file::write(path, "new").ok());
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readBytes(path), "new");
}

TEST(AtomicWriteTest, writeIntoAMissingOrReadOnlyFolderFailsWithAReason) {
    TempAppFolder temp;
    const auto missing = atomic_file::write(temp.file("gone/x.txt"), "x");
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.reason.contains("gone"));

    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const QString folder = temp.file("locked");
    QDir().mkpath(folder);
    writeBytes(folder + "/x.txt", "old");
    chmod(QFile::encodeName(folder).constData(), 0555);
    EXPECT_FALSE(atomic_file::write(folder + "/x.txt", "new").ok());
    EXPECT_EQ(readBytes(folder + "/x.txt"), "old");
    chmod(QFile::encodeName(folder).constData(), 0755);
}

// Writes through a link replace the file it points to and keep the link; a
// file made read-only is refused, with the reason, and left as it was.
struct ReplacedTarget {
    const char* name;
    std::function<QString(const TempAppFolder& temp)> make; // returns the path written to
    bool written;
    const char* reason;
};

class ReplacedTargetTest : public testing::TestWithParam<ReplacedTarget> {};

TEST_P(ReplacedTargetTest, writesWhereTheUserMeantOrRefuses) {
    TempAppFolder temp;
    const QString path = GetParam().make(temp);
    const QString real = atomic_file::replacedFile(path);
    const QByteArray old = readBytes(real);
    const atomic_file::WriteResult result = atomic_file::write(path, "new");
    EXPECT_EQ(result.ok(), GetParam().written) << result.reason.toStdString();
    EXPECT_EQ(readBytes(real), GetParam().written ? QByteArray("new") : old);
    EXPECT_TRUE(result.reason.contains(QString::fromLatin1(GetParam().reason)));
    if (QFileInfo(path).isSymLink() || path != real) {
        EXPECT_TRUE(QFileInfo(path).isSymLink());
    }
    EXPECT_TRUE(temporaryFiles(temp.path()).isEmpty());
}

const ReplacedTarget kReplacedTargets[] = {
    {"plain_file",
     [](const TempAppFolder& temp) {
         writeBytes(temp.file("marks1Q4.txt"), "old");
         return temp.file("marks1Q4.txt");
     },
     true, ""},
    {"link_to_a_file_elsewhere",
     [](const TempAppFolder& temp) {
         writeBytes(temp.file("kept/marks1Q4.txt"), "old");
         QFile::link(temp.file("kept/marks1Q4.txt"), temp.file("marks1Q4.txt"));
         return temp.file("marks1Q4.txt");
     },
     true, ""},
    {"link_to_a_link",
     [](const TempAppFolder& temp) {
         writeBytes(temp.file("kept/marks1Q4.txt"), "old");
         QFile::link(QStringLiteral("kept/marks1Q4.txt"), temp.file("middle.txt"));
         QFile::link(QStringLiteral("middle.txt"), temp.file("marks1Q4.txt"));
         return temp.file("marks1Q4.txt");
     },
     true, ""},
    {"link_to_a_file_not_made_yet",
     [](const TempAppFolder& temp) {
         QDir().mkpath(temp.file("kept"));
         QFile::link(temp.file("kept/marks1Q4.txt"), temp.file("marks1Q4.txt"));
         return temp.file("marks1Q4.txt");
     },
     true, ""},
    {"read_only_file",
     [](const TempAppFolder& temp) {
         writeBytes(temp.file("marks1Q4.txt"), "old");
         chmod(QFile::encodeName(temp.file("marks1Q4.txt")).constData(), 0444);
         return temp.file("marks1Q4.txt");
     },
     false, "read-only"},
    {"link_to_a_read_only_file",
     [](const TempAppFolder& temp) {
         writeBytes(temp.file("kept/marks1Q4.txt"), "old");
         chmod(QFile::encodeName(temp.file("kept/marks1Q4.txt")).constData(), 0400);
         QFile::link(temp.file("kept/marks1Q4.txt"), temp.file("marks1Q4.txt"));
         return temp.file("marks1Q4.txt");
     },
     false, "read-only"},
};

INSTANTIATE_TEST_SUITE_P(Targets, ReplacedTargetTest, testing::ValuesIn(kReplacedTargets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicWriteTest, staleTemporaryFilesOfACrashedSaveAreRemoved) {
    TempAppFolder temp;
    writeBytes(temp.file(".marks1Q4.txt.tmp-a1B2c3"), "half");
    writeBytes(temp.file(".first1Q4.txt.tmp-ZZZZZZ"), "half");
    writeBytes(temp.file("marks1Q4.txt"), "keep");
    writeBytes(temp.file("notes.tmp-abcdef"), "keep: not one of ours");
    EXPECT_EQ(atomic_file::removeStaleTemporaryFiles(temp.path()), 2);
    EXPECT_TRUE(temporaryFiles(temp.path()).isEmpty());
    EXPECT_EQ(readBytes(temp.file("marks1Q4.txt")), "keep");
    EXPECT_TRUE(QFile::exists(temp.file("notes.tmp-abcdef")));
}

} // namespace
