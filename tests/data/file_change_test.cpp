#include "data/atomic_file.h"
#include "data/file_calls.h"
#include "data/file_change.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

QStringList hiddenFiles(const QString& folder) {
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (name.startsWith(u'.'))
            names << name;
    }
    return names;
}

class FileChangeTest : public testing::Test {
protected:
    FileChangeTest() {
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            writeBytes(file(name), QByteArray("old ") + name);
    }
    ~FileChangeTest() override { file_calls::clearFaultPlan(); }

    QString file(const char* name) const { return temp.file(QString::fromLatin1(name)); }

    FileChange threeFiles() const {
        FileChange change(temp.path(), QStringLiteral("the test change"));
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            change.replace(file(name), QByteArray("new ") + name);
        return change;
    }

    void expectAll(const char* state) {
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            EXPECT_EQ(readBytes(file(name)), QByteArray(state) + ' ' + name) << name;
    }

    TempAppFolder temp;
};

TEST_F(FileChangeTest, aChangeReplacesEveryFileAndLeavesNothingBehind) {
    const ChangeResult result = threeFiles().commit();
    EXPECT_EQ(result.state, ChangeResult::State::Done);
    expectAll("new");
    EXPECT_EQ(hiddenFiles(temp.path()), QStringList());
    EXPECT_EQ(FinishInterruptedChange(temp.path(), StagedFileSweep::Run).state,
              RecoveryResult::State::Nothing);
}

// A target that may not be replaced refuses the whole change before
// anything is written, whatever its place in the change.
struct RefusedTarget {
    const char* name;
    std::function<void(const QString& path)> make;
    const char* reason;
};

class RefusedTargetTest : public FileChangeTest,
                          public testing::WithParamInterface<RefusedTarget> {};

TEST_P(RefusedTargetTest, refusesTheWholeChange) {
    GetParam().make(file("c.txt"));
    const QByteArray c = readBytes(file("c.txt"));
    const ChangeResult result = threeFiles().commit();
    EXPECT_EQ(result.state, ChangeResult::State::Unchanged);
    EXPECT_EQ(result.file, file("c.txt"));
    EXPECT_TRUE(result.reason.contains(QString::fromLatin1(GetParam().reason)))
        << result.reason.toStdString();
    EXPECT_EQ(readBytes(file("a.txt")), "old a.txt");
    EXPECT_EQ(readBytes(file("b.txt")), "old b.txt");
    EXPECT_EQ(readBytes(file("c.txt")), c);
    EXPECT_EQ(hiddenFiles(temp.path()), QStringList());
}

const RefusedTarget kRefusedTargets[] = {
    {"read_only_file",
     [](const QString& path) { chmod(QFile::encodeName(path).constData(), 0444); }, "read-only"},
    {"folder_in_its_place",
     [](const QString& path) {
         QFile::remove(path);
         QDir().mkdir(path);
     },
     "folder"},
};

INSTANTIATE_TEST_SUITE_P(Targets, RefusedTargetTest, testing::ValuesIn(kRefusedTargets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileChangeTest, aLinkedTargetKeepsItsLinkAndTheFileItPointsToIsReplaced) {
    const QString real = temp.file("elsewhere/b.txt");
    writeBytes(real, "old b.txt");
    QFile::remove(file("b.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("elsewhere/b.txt"), file("b.txt"))); // relative
    EXPECT_EQ(threeFiles().commit().state, ChangeResult::State::Done);
    EXPECT_TRUE(QFileInfo(file("b.txt")).isSymLink());
    EXPECT_EQ(readBytes(real), "new b.txt");
    EXPECT_EQ(hiddenFiles(temp.file("elsewhere")), QStringList());
}

// The calls of a change of three files: 4 to stage each (create, mode, write,
// sync), a folder sync, 6 for the journal (the same 4, its rename and a
// folder sync), then the three renames, a folder sync, the journal's removal
// and a last folder sync.
constexpr int kFirstRename = 3 * 4 + 1 + 6 + 1;

TEST_F(FileChangeTest, aChangeThatCannotRenameAfterItsCommitIsFinishedByTheNextTry) {
    file_calls::setFaultPlan({});
    threeFiles().commit();
    EXPECT_EQ(file_calls::callCount(), kFirstRename + 2 + 3);
    expectAll("new");
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        writeBytes(file(name), QByteArray("old ") + name);

    // The second rename fails, and every call after it.
    file_calls::setFaultPlan({.failFrom = kFirstRename + 1});
    const ChangeResult result = threeFiles().commit();
    file_calls::clearFaultPlan();
    ASSERT_EQ(result.state, ChangeResult::State::Committed);
    EXPECT_EQ(result.file, file("b.txt"));
    EXPECT_EQ(readBytes(file("a.txt")), "new a.txt");
    EXPECT_EQ(readBytes(file("b.txt")), "old b.txt");
    ASSERT_TRUE(QFileInfo::exists(ChangeJournalPath(temp.path())));

    const RecoveryResult finished = FinishInterruptedChange(temp.path());
    EXPECT_EQ(finished.state, RecoveryResult::State::Finished);
    EXPECT_EQ(finished.what, "the test change");
    expectAll("new");
    EXPECT_EQ(hiddenFiles(temp.path()), QStringList());
    // Finishing again finds nothing to do.
    EXPECT_EQ(FinishInterruptedChange(temp.path()).state, RecoveryResult::State::Nothing);
    expectAll("new");
}

TEST_F(FileChangeTest, aTornJournalIsDroppedWithItsStagedFilesAndTheTargetsStayOld) {
    writeBytes(temp.file(".a.txt.staged-Ab12Cd"), "new a.txt");
    writeBytes(ChangeJournalPath(temp.path()), "Orvanta change 1\nwhat half\nfile 9 ");
    const RecoveryResult result = FinishInterruptedChange(temp.path());
    EXPECT_EQ(result.state, RecoveryResult::State::Discarded);
    expectAll("old");
    EXPECT_EQ(hiddenFiles(temp.path()), QStringList());
}

TEST_F(FileChangeTest, aJournalWhoseFilesWereChangedByHandIsDroppedWithoutRenamingAny) {
    file_calls::setFaultPlan({.failFrom = kFirstRename});
    ASSERT_EQ(threeFiles().commit().state, ChangeResult::State::Committed);
    file_calls::clearFaultPlan();
    // Every staged file is gone and no target holds its new bytes.
    for (const QString& name : hiddenFiles(temp.path())) {
        if (IsStagedFileName(name))
            QFile::remove(temp.file(name));
    }
    const RecoveryResult result = FinishInterruptedChange(temp.path());
    EXPECT_EQ(result.state, RecoveryResult::State::Abandoned);
    expectAll("old");
    EXPECT_FALSE(QFileInfo::exists(ChangeJournalPath(temp.path())));
}

TEST_F(FileChangeTest, stagedFilesLeftWithoutAJournalAreSweptAtTheStartOnly) {
    writeBytes(temp.file(".b.txt.staged-Zz99Yy"), "half");
    EXPECT_EQ(FinishInterruptedChange(temp.path()).state, RecoveryResult::State::Nothing);
    EXPECT_TRUE(QFileInfo::exists(temp.file(".b.txt.staged-Zz99Yy")));
    const RecoveryResult swept = FinishInterruptedChange(temp.path(), StagedFileSweep::Run);
    EXPECT_EQ(swept.state, RecoveryResult::State::Discarded);
    EXPECT_EQ(swept.stagedFilesRemoved, 1);
    expectAll("old");
}

TEST(FileChangeNames, stagedAndTemporaryFilesNeverPassForEachOther) {
    EXPECT_TRUE(IsStagedFileName(".marks1Q4.txt.staged-a1B2c3"));
    EXPECT_FALSE(IsStagedFileName(".marks1Q4.txt.tmp-a1B2c3"));
    EXPECT_FALSE(IsStagedFileName("marks1Q4.txt.staged-a1B2c3"));
    EXPECT_FALSE(atomic_file::isTemporaryFileName(".marks1Q4.txt.staged-a1B2c3"));
    EXPECT_FALSE(atomic_file::isTemporaryFileName(".orvanta-change.journal"));
    EXPECT_FALSE(IsStagedFileName(".orvanta-change.journal"));
}

} // namespace
