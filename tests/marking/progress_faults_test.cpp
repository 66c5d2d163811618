// The pupil's files against a fault at every single file call of the changes
// the program makes: a first-take and a second-take marking, an erase of all
// results, a save of one paper's answers and the mending of a damaged
// summary. Each change runs once per file call n with
//  - a lasting failure: every call from the n-th on fails (a full disk, a
//    failing drive), which lasts through one more start of the program, and
//  - a crash: the process ends at the n-th call (in a child process),
// and then the program starts again on the folder. While the failure lasts,
// reading the pupil's files refuses rather than show half a change. Once it
// is over and the program started again, the folder must hold
// exactly the files as before the change or exactly as after it, matching
// what the pupil was told, with nothing left over; the subjects' files must
// agree with each other; and trying the change again must give the state
// after it once (a marking is refused as already marked, never counted twice).
#include "marking/marking_error.h"
#include "marking/progress_check.h"
#include "marking/store_update.h"
#include "marking_test_support.h"
#include "tests/support/test_support.h"

#include "data/data_startup.h"
#include "data/file_calls.h"
#include "data/progress_store.h"
#include "data/record_file.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

constexpr int kPapers = 10;
constexpr int kEndedStatus = 86;
constexpr int kDiskFull = 28; // ENOSPC

// No power is cut here: the syncs are counted and faulted, not waited for.
file_calls::FaultPlan noFault() {
    return {.skipSyncs = true};
}
file_calls::FaultPlan failingFrom(int call) {
    return {.failFrom = call, .failError = kDiskFull, .skipSyncs = true};
}
file_calls::FaultPlan endingAt(int call) {
    return {.endAt = call, .endedStatus = kEndedStatus, .skipSyncs = true};
}

// What a change told the pupil.
enum class Told { Stored, Unfinished, Refused, Crashed };

using Snapshot = QMap<QString, QByteArray>;

Snapshot snapshot(const QString& folder) {
    Snapshot files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        files.insert(name, readBytes(dir.filePath(name)));
    return files;
}

void restore(const QString& folder, const Snapshot& files) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(dir.filePath(name));
    for (auto it = files.begin(); it != files.end(); ++it)
        writeBytes(dir.filePath(it.key()), it.value());
}

// The files without the hidden ones a change works with (staged files, its
// journal), which a start that cannot write leaves for the next one.
Snapshot visibleFiles(Snapshot files) {
    files.removeIf([](const auto& file) { return file.key().startsWith(u'.'); });
    return files;
}

QString differences(const Snapshot& now, const Snapshot& expected) {
    QStringList names;
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (expected.value(it.key()) != it.value() || !expected.contains(it.key()))
            names << it.key();
    }
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (!now.contains(it.key()))
            names << it.key() + QStringLiteral(" (gone)");
    }
    return names.join(QStringLiteral(", "));
}

// The paper's number of parts, from its template record.
int partsOf(const ProgressStore& store, int subject, int paper) {
    for (const QString& line : store.templateLines(ProgressFile::FirstAnswers, subject)) {
        if (line.startsWith(QStringLiteral("#%1#").arg(paper)))
            return static_cast<int>(line.count(u'>'));
    }
    return 0;
}

QStringList answersFor(const ProgressStore& store, int subject, int paper, const char* text) {
    return QStringList(partsOf(store, subject, paper), QString::fromLatin1(text));
}

// Right and wrong by turns.
QStringList resultsFor(const ProgressStore& store, int subject, int paper) {
    QStringList results;
    for (int i = 0; i < partsOf(store, subject, paper); ++i)
        results << (i % 2 == 0 ? kRightCode : kWrongCode);
    return results;
}

CourseDescription threeSubjects() {
    CourseDescription course;
    course.code = QStringLiteral("Q4");
    course.subjects[0].name = QStringLiteral("English");
    course.subjects[1].name = QStringLiteral("Mathematics");
    course.subjects[2].name = QStringLiteral("Science");
    for (SubjectInfo& s : course.subjects)
        s.paperCount = kPapers;
    return course;
}

Told markFirstTake(const ProgressStore& store, int subject, int paper, const char* answer,
                   const char* percentage) {
    PaperRecordFile answers = store.OpenPaperRecords(ProgressFile::FirstAnswers, subject, kPapers);
    PaperRecordFile results = store.OpenPaperRecords(ProgressFile::FirstResults, subject, kPapers);
    SummaryRows summary = store.ReadSummary(subject, kPapers);
    try {
        const ChangeResult r =
            StoreFirstTakeMarking(store, subject, answers, results, summary,
                                  {paper,
                                   answersFor(store, subject, paper, answer),
                                   resultsFor(store, subject, paper),
                                   QString::fromLatin1(percentage),
                                   {QStringLiteral("7 Mar 2024"), QStringLiteral("0:7:5")}});
        return r.state == ChangeResult::State::Done ? Told::Stored : Told::Unfinished;
    } catch (const MarkingError&) {
        return Told::Refused;
    }
}

Told markSecondTake(const ProgressStore& store, int paper) {
    PaperRecordFile answers = store.OpenPaperRecords(ProgressFile::SecondAnswers, 1, kPapers);
    PaperRecordFile results = store.OpenPaperRecords(ProgressFile::SecondResults, 1, kPapers);
    SummaryRows summary = store.ReadSummary(1, kPapers);
    try {
        const ChangeResult r = StoreSecondTakeMarking(
            store, 1, answers, results, summary,
            {paper, answersFor(store, 1, paper, "again"),
             QStringList(partsOf(store, 1, paper), kRightCode), QStringLiteral("100")});
        return r.state == ChangeResult::State::Done ? Told::Stored : Told::Unfinished;
    } catch (const MarkingError&) {
        return Told::Refused;
    }
}

Told eraseAll(const ProgressStore& store) {
    try {
        const ChangeResult r = store.ResetProgressStore(threeSubjects());
        return r.state == ChangeResult::State::Done ? Told::Stored : Told::Unfinished;
    } catch (const CourseError&) {
        return Told::Refused;
    } catch (const RecordFileError&) {
        return Told::Refused;
    }
}

Told saveAnswers(const ProgressStore& store) {
    try {
        PaperRecordFile answers = store.OpenPaperRecords(ProgressFile::FirstAnswers, 1, kPapers);
        answers.replace(103, {QStringLiteral("she will not go")});
        return Told::Stored;
    } catch (const RecordFileError&) {
        return Told::Refused;
    }
}

Told mendSummary(const ProgressStore& store) {
    const ProgressCheck check = CheckSubjectProgress(store, 1, kPapers);
    return check.written ? Told::Stored : Told::Refused;
}

struct FaultFigures {
    int injected = 0;
    int survived = 0;
    int falseSuccesses = 0;
    int falseFailures = 0;

    void add(const FaultFigures& o) {
        injected += o.injected;
        survived += o.survived;
        falseSuccesses += o.falseSuccesses;
        falseFailures += o.falseFailures;
    }
};

// Of every change tried so far in this run: lasting failures, then crashes.
std::array<FaultFigures, 2>& totals() {
    static std::array<FaultFigures, 2> figures;
    return figures;
}

struct Scenario {
    const char* name;
    std::function<void(const ProgressStore&)> prepare;
    std::function<Told(const ProgressStore&)> change;
    // Trying the change again once it holds is refused (a marking) rather
    // than made again with the same result (an erase, a save, a mending).
    bool againRefused;
    // The state before the change agrees with itself (not so for the
    // mending, whose "before" is a damaged file).
    bool beforeIsClean;
};

class FaultAtEveryCall : public testing::TestWithParam<Scenario> {
protected:
    FaultAtEveryCall()
        : store(fixtureCourse(), temp.folder(), QStringLiteral("Q4")) {}

    // The program starting again on the folder.
    void startAgain() { RunDataStartUp(fixtureCourse(), temp.folder()); }

    bool subjectsAgree() {
        for (int s = 1; s <= 3; ++s) {
            const ProgressCheck check =
                CheckSubjectProgress(store, s, kPapers, {}, ProgressRepair::ReportOnly);
            if (!check.clean()) {
                ADD_FAILURE() << check.notices.first().text.toStdString();
                return false;
            }
        }
        return true;
    }

    // While the pupil's files hold neither the state before nor after the change,
    // every read of the pupil's files must refuse rather than show a mix.
    bool readsShowBeforeOrAfter(const Snapshot& before, const Snapshot& after) {
        const Snapshot now = visibleFiles(snapshot(temp.path()));
        if (now == visibleFiles(before) || now == visibleFiles(after))
            return true;
        for (int s = 1; s <= 3; ++s) {
            try {
                store.ReadSummary(s, kPapers);
                return false;
            } catch (const RecordFileError& e) {
                if (e.reason() != RecordFileError::Reason::Unfinished)
                    return false;
            }
        }
        return true;
    }

    // After the change told `told` and the program started again: true when
    // the folder is as it must be, counting false successes and failures.
    bool judge(Told told, const Snapshot& before, const Snapshot& after, FaultFigures& figures,
               const std::string& what) {
        startAgain();
        const Snapshot now = snapshot(temp.path());
        const bool isBefore = now == before;
        const bool isAfter = now == after;
        if (!isBefore && !isAfter) {
            ADD_FAILURE() << what << ": neither before nor after; differs from after in "
                          << differences(now, after).toStdString();
            return false;
        }
        if ((told == Told::Stored || told == Told::Unfinished) && !isAfter) {
            ++figures.falseSuccesses;
            ADD_FAILURE() << what << ": told stored, but the change is not there";
            return false;
        }
        if (told == Told::Refused && !isBefore) {
            ++figures.falseFailures;
            ADD_FAILURE() << what << ": told not stored, but the change is there";
            return false;
        }
        if ((isAfter || GetParam().beforeIsClean) && !subjectsAgree())
            return false;

        // Trying again gives the state after the change, once.
        const Told again = GetParam().change(store);
        const Snapshot retried = snapshot(temp.path());
        if (retried != after) {
            ADD_FAILURE() << what << ": trying again differs from after in "
                          << differences(retried, after).toStdString();
            return false;
        }
        const Told expected = isAfter && GetParam().againRefused ? Told::Refused : Told::Stored;
        if (again != expected) {
            ADD_FAILURE() << what << ": trying again told " << static_cast<int>(again);
            return false;
        }
        return true;
    }

    TempAppFolder temp;
    ProgressStore store;
};

TEST_P(FaultAtEveryCall, leavesTheFilesBeforeOrAfterTheChangeAndNeverCountsTwice) {
    const Scenario& scenario = GetParam();
    file_calls::setFaultPlan(noFault());
    startAgain();
    for (int s = 1; s <= 3; ++s)
        ASSERT_EQ(store.CreateProgressFiles(s), 0u);
    scenario.prepare(store);
    const Snapshot before = snapshot(temp.path());

    // The change without a fault: its file calls, and the state after it.
    file_calls::setFaultPlan(noFault());
    ASSERT_EQ(scenario.change(store), Told::Stored);
    const int calls = file_calls::callCount();
    const Snapshot after = snapshot(temp.path());
    ASSERT_NE(after, before);
    ASSERT_GT(calls, 0);

    FaultFigures lasting;
    FaultFigures crash;
    for (int n = 1; n <= calls; ++n) {
        // A lasting failure from call n on, still there when the program
        // starts again: nothing it reads may show half the change.
        restore(temp.path(), before);
        file_calls::setFaultPlan(failingFrom(n));
        const Told told = scenario.change(store);
        file_calls::setFaultPlan(failingFrom(1));
        startAgain();
        const bool readsWhole = readsShowBeforeOrAfter(before, after);
        file_calls::setFaultPlan(noFault());
        ++lasting.injected;
        const std::string lastingName = "lasting failure from call " + std::to_string(n);
        if (!readsWhole)
            ADD_FAILURE() << lastingName << ": the next start shows half the change";
        if (judge(told, before, after, lasting, lastingName) && readsWhole)
            ++lasting.survived;

        // A crash at call n.
        restore(temp.path(), before);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            file_calls::setFaultPlan(endingAt(n));
            _exit(static_cast<int>(scenario.change(store)));
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        const Told told2 = WEXITSTATUS(status) == kEndedStatus
                               ? Told::Crashed
                               : static_cast<Told>(WEXITSTATUS(status));
        ++crash.injected;
        if (judge(told2, before, after, crash, "crash at call " + std::to_string(n)))
            ++crash.survived;
    }
    std::printf("%s: %d file calls; lasting failures injected %d, survived %d, false successes "
                "%d, false failures %d; crashes injected %d, survived %d, false successes %d\n",
                scenario.name, calls, lasting.injected, lasting.survived, lasting.falseSuccesses,
                lasting.falseFailures, crash.injected, crash.survived, crash.falseSuccesses);
    totals()[0].add(lasting);
    totals()[1].add(crash);
    FaultFigures all = totals()[0];
    all.add(totals()[1]);
    std::printf("fault injection so far: %d lasting failures, %d crashes; %d survived, %d false "
                "successes, %d false failures\n",
                totals()[0].injected, totals()[1].injected, all.survived, all.falseSuccesses,
                all.falseFailures);
    file_calls::clearFaultPlan();
    EXPECT_EQ(lasting.survived, lasting.injected);
    EXPECT_EQ(crash.survived, crash.injected);
}

const Scenario kScenarios[] = {
    {"first_take_marking",
     [](const ProgressStore& store) {
         ASSERT_EQ(markFirstTake(store, 1, 108, "a", "57.1"), Told::Stored);
         ASSERT_EQ(saveAnswers(store), Told::Stored);
     },
     [](const ProgressStore& store) { return markFirstTake(store, 1, 102, "b", "57.1"); }, true,
     true},
    {"second_take_marking",
     [](const ProgressStore& store) {
         ASSERT_EQ(markFirstTake(store, 1, 102, "a", "57.1"), Told::Stored);
     },
     [](const ProgressStore& store) { return markSecondTake(store, 102); }, true, true},
    {"erase_of_three_subjects",
     [](const ProgressStore& store) {
         ASSERT_EQ(markFirstTake(store, 1, 102, "a", "57.1"), Told::Stored);
         ASSERT_EQ(markSecondTake(store, 102), Told::Stored);
         ASSERT_EQ(markFirstTake(store, 3, 105, "c", "50"), Told::Stored);
     },
     eraseAll, false, true},
    {"save_of_answers", [](const ProgressStore&) {}, saveAnswers, false, true},
    {"mending_of_a_shifted_summary",
     [](const ProgressStore& store) {
         ASSERT_EQ(markFirstTake(store, 1, 102, "a", "57.1"), Told::Stored);
         // A field too many at the front of FSE: the score stands at paper 3.
         const QString path = store.path(ProgressFile::Summary, 1);
         QByteArray bytes = readBytes(path);
         bytes.replace("#FSE#>", "#FSE#>>");
         writeBytes(path, bytes);
     },
     mendSummary, false, false},
};

INSTANTIATE_TEST_SUITE_P(Changes, FaultAtEveryCall, testing::ValuesIn(kScenarios),
                         rowName<Scenario>);

} // namespace
