// A look at marking as a pupil goes through it, on the bundled course: takes
// whole papers question by question, marks them (the confirmation and the
// marking bar shown for real), reopens them, tries them again with some
// answers corrected, marks again and reopens, saving a screenshot of each
// marked sheet; then takes papers with near misses and photographs the notes
// of their marked sheets. Not a test; run by hand under Xvfb:
//
//   ORVANTA_FIXTURES=tests/fixtures QTWEBENGINE_DISABLE_SANDBOX=1
//   xvfb-run -a -s "-screen 0 1280x900x24" build/bin/marking_look OUT_DIR
#include "marking/answer_judge.h"
#include "marking/paper_marking.h"
#include "practice/answer_box.h"
#include "practice/answer_notes.h"
#include "practice/answer_sheet.h"
#include "practice/practice_rules.h"
#include "tests/practice/practice_test_support.h"
#include "ui_frame/pop_up.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

using namespace orvanta;
using namespace orvanta::test;

namespace {

QString outDir;

void shoot(QWidget* window, const QString& name, int settleMs = 400) {
    QTest::qWait(settleMs);
    const QRect r = window->frameGeometry();
    const QPixmap shot =
        QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    const QString path = outDir + u'/' + name + QStringLiteral(".png");
    shot.save(path);
    QTextStream(stdout) << path << '\n';
}

// The answer sheet enlarged twice, to see ticks, crosses and colours.
void zoomSheet(PracticeWindow* w, const QString& name) {
    QWidget* sheet = w->AnsBox();
    const QRect r(sheet->mapToGlobal(QPoint(0, 0)), QSize(sheet->width(), 330));
    const QPixmap shot =
        QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    shot.scaled(shot.size() * 2).save(outDir + u'/' + name + QStringLiteral(".png"));
}

// The course the program bundles, in place of the fixture course.
void useBundledCourse(const QString& courseDir) {
    const QDir bundled(QCoreApplication::applicationDirPath() +
                       QStringLiteral("/../resources/course"));
    QDir target(courseDir);
    for (const QString& name : target.entryList(QDir::Files))
        target.remove(name);
    for (const QString& name : bundled.entryList(QDir::Files))
        QFile::copy(bundled.filePath(name), target.filePath(name));
}

// A wrong answer of the part's kind.
QString wrongAnswer(const QString& key, const QString& type) {
    if (type == u"Q")
        return QString::number(key.toInt() % 4 + 1);
    if (type == u"N")
        return QStringLiteral("9999");
    return QStringLiteral("x");
}

class Pupil {
public:
    Pupil(PracticeFixture& f, PracticeWindows& launcher)
        : f_(f)
        , launcher_(launcher) {}

    PracticeWindow* open(int subject, int paperIndex, int take) {
        launcher_.OpenPaper(f_.handOver(subject, paperIndex, take));
        PracticeWindow* w = launcher_.practiceWindow();
        QSignalSpy loaded(w, &PracticeWindow::pageLoaded);
        loaded.wait(kPageTimeoutMs);
        return w;
    }

    // Types `answers` (one per part of the paper; a null text is left as it
    // stands) question by question, moving on with Next.
    void answerPaper(PracticeWindow* w, const QStringList& answers) {
        const PaperSession& s = w->session();
        for (int q = 1; q <= s.questionCount(); ++q) {
            if (w->currentQuestion() != q)
                pageLoadsAfter(w, [&] { w->GoToQuestion(q, true); });
            for (int k = 1; k <= s.partsOf(q); ++k) {
                const QString& answer = answers.at(s.offsetOf(q) + k - 1);
                AnswerBox* box = w->Frame(k)->FA();
                if (answer.isNull() || box->isReadOnly())
                    continue;
                box->setText(QString());
                typeAnswer(w, k, answer);
            }
        }
    }

    // Mark, with the confirmation shown and answered Yes; with `shootBar`
    // the marking bar is photographed half-way.
    void mark(PracticeWindow* w, const QString& name, bool shootBar) {
        QTimer::singleShot(800, [=, window = QPointer<PracticeWindow>(w)] {
            if (!window)
                return;
            shoot(w, name + QStringLiteral("-confirm"), 0);
            auto* popUp = qobject_cast<frmPopUp*>(QApplication::activeModalWidget());
            if (!popUp)
                return;
            if (shootBar)
                QTimer::singleShot(1500, [=] { shoot(w, name + QStringLiteral("-bar"), 0); });
            emit popUp->But1()->clicked();
        });
        w->MarkPaper();
    }

    void shootQuestions(PracticeWindow* w, const QString& name, const QList<int>& questions) {
        for (int q : questions) {
            if (w->currentQuestion() != q)
                pageLoadsAfter(w, [&] { w->GoToQuestion(q, true); });
            shoot(w, name + QStringLiteral("-q%1").arg(q));
        }
    }

    void close() {
        launcher_.UnloadPracticeWindow();
        QTest::qWait(50);
    }

private:
    PracticeFixture& f_;
    PracticeWindows& launcher_;
};

// First take with every third part wrong and the last one empty; marked,
// reopened; second take with half of the wrong parts put right; marked,
// reopened. Screenshots of the marked sheets of `questions`.
void takeAndRetry(Pupil& pupil, PracticeFixture& f, int subject, int paperIndex,
                  const QString& label, const QList<int>& questions, bool shootBar) {
    PracticeWindow* w = pupil.open(subject, paperIndex, 1);
    const PaperContent content = w->session().content(); // outlives the window
    const QStringList right = SelfAnswers(content.keys, content.types);
    auto wrong = [&](int i) { return wrongAnswer(content.keys.at(i), content.types.at(i)); };
    // The first part of each question photographed stays wrong in both takes.
    QList<int> stillWrong;
    for (int q : questions)
        stillWrong << PartOffset(content.partCounts, q);
    QStringList first = right;
    for (int i = 1; i < first.size(); i += 3)
        first[i] = wrong(i);
    for (int i : stillWrong)
        first[i] = wrong(i);
    first.last() = QStringLiteral(""); // left empty
    pupil.answerPaper(w, first);
    shoot(w, label + QStringLiteral("-1-answered"));
    f.monotonic().advanceSeconds(12 * 60 + 34);
    pupil.mark(w, label + QStringLiteral("-1"), shootBar);
    pupil.shootQuestions(w, label + QStringLiteral("-1-marked"), questions);
    zoomSheet(w, label + QStringLiteral("-1-marked-zoom"));
    pupil.close();

    w = pupil.open(subject, paperIndex, 1);
    shoot(w, label + QStringLiteral("-1-reopened"));
    pupil.close();

    w = pupil.open(subject, paperIndex, 2);
    pupil.shootQuestions(w, label + QStringLiteral("-2-open"), {questions.last()});
    QStringList second(right.size(), QString());
    int wrongSeen = 0;
    for (int i = 0; i < right.size(); ++i) {
        if (first.at(i) == right.at(i))
            continue;
        second[i] = wrongSeen++ % 2 == 0 && !stillWrong.contains(i) ? right.at(i) : wrong(i);
    }
    pupil.answerPaper(w, second);
    pupil.mark(w, label + QStringLiteral("-2"), false);
    pupil.shootQuestions(w, label + QStringLiteral("-2-marked"), questions);
    zoomSheet(w, label + QStringLiteral("-2-marked-zoom"));
    pupil.close();

    w = pupil.open(subject, paperIndex, 2);
    shoot(w, label + QStringLiteral("-2-reopened"));
    pupil.close();
}

// The key with the middle letter of its longest word left out.
QString misspelt(const QString& key) {
    QStringList words = key.split(u' ');
    qsizetype longest = 0;
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (words[i].size() > words[longest].size())
            longest = i;
    }
    if (words[longest].size() < 5)
        return key + u'.';
    words[longest].remove(words[longest].size() / 2, 1);
    return words.join(u' ');
}

QString doubledTerms(const QString& key, QChar sign) {
    QStringList terms = key.split(sign);
    for (QString& term : terms)
        term = QString::number(term.toLongLong() * 2);
    return terms.join(sign);
}

// A near miss of the part's kind; `variant` picks one of two.
QString nearMiss(const QStringList& keys, const QStringList& types, int i, int variant) {
    const QString& key = keys.at(i);
    const QString& type = types.at(i);
    if (type == u"Q")
        return QStringLiteral("7");
    if (type == u"N")
        return variant == 0 ? key + QStringLiteral(" cm") : QString::number(key.toDouble() * 10);
    if (type == u"F")
        return doubledTerms(key, u'/');
    if (type == u"R")
        return doubledTerms(key, u':');
    if (type == u"X")
        return variant == 0 ? QString(key).remove(u' ') : key + QStringLiteral(" 1");
    if (type == u"M")
        return misspelt(FirstAlternative(key));
    if (type == u"G") {
        if (!IsGroupPartKey(key))
            return misspelt(FirstAlternative(key));
        const std::optional<int> head = FindGroupHead(keys, i + 1);
        return head ? FirstAlternative(keys.at(*head - 1)) : QString();
    }
    return variant == 0 ? misspelt(key) : key + u'.';
}

// Up to `count` questions whose marked sheet has notes, one per first
// part's type letter as far as they go.
QList<int> questionsWithNotes(PracticeWindow* w, int count) {
    const PaperSession& s = w->session();
    const PaperProgress& progress = s.progress();
    const QStringList& results =
        w->take() == Take::First ? progress.firstResults : progress.secondResults;
    QList<int> chosen;
    QStringList typesSeen;
    for (int pass = 0; pass < 2; ++pass) {
        for (int q = 1; q <= s.questionCount() && chosen.size() < count; ++q) {
            const QString type = s.content().types.value(s.offsetOf(q));
            if (chosen.contains(q) || (pass == 0 && typesSeen.contains(type)))
                continue;
            if (MarkedSheetNotes(progress.answers, results, s.content().keys, s.content().types,
                                 s.offsetOf(q), s.partsOf(q), w->take())
                    .isEmpty())
                continue;
            chosen.append(q);
            typesSeen.append(type);
        }
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

// Near misses of every kind a paper's parts allow: every part but every
// fourth (left right) gets one, every seventh a far wrong answer instead.
// Marked, the sheets of `questions` (or of up to six questions with notes)
// are photographed; then the second take, with the same answers, likewise.
void nearMisses(Pupil& pupil, int subject, int paperIndex, const QString& label,
                QList<int> questions) {
    PracticeWindow* w = pupil.open(subject, paperIndex, 1);
    const PaperContent content = w->session().content();
    QStringList answers = SelfAnswers(content.keys, content.types);
    for (int i = 0; i < answers.size(); ++i) {
        if (i % 7 == 6)
            answers[i] = content.types.at(i) == u"Q" ? QStringLiteral("1") : QStringLiteral("zzz");
        else if (i % 4 != 3)
            answers[i] = nearMiss(content.keys, content.types, i, (i / 2) % 2);
    }
    for (int take = 1; take <= 2; ++take) {
        if (take == 2)
            w = pupil.open(subject, paperIndex, 2);
        pupil.answerPaper(w, answers);
        const QString name = label + QStringLiteral("-notes-%1").arg(take);
        pupil.mark(w, name, false);
        const QList<int> shown = questions.isEmpty() ? questionsWithNotes(w, 6) : questions;
        pupil.shootQuestions(w, name, shown);
        zoomSheet(w, name + QStringLiteral("-zoom"));
        pupil.close();
    }
}

// The first paper of `subject` with a question whose first part is of
// type `type`, and that question.
std::pair<int, int> firstPaperWith(PracticeFixture& f, int subject, const QString& type) {
    for (int index = 1; index <= f.description().subject(subject).paperCount; ++index) {
        const PaperContent paper =
            LoadPaperContent(f.course(), f.folder(), subject, PaperNumber(index));
        for (int q = 1; q <= paper.questionCount(); ++q) {
            int offset = 0;
            for (int before = 0; before < q - 1; ++before)
                offset += paper.partCounts.at(before);
            if (paper.types.value(offset) == type)
                return {index, q};
        }
    }
    return {1, 1};
}

// Answers the next `count` pop-ups with their first button, photographing
// each as it shows.
void answerPopUps(PracticeWindow* w, const QString& name, int count) {
    auto* timer = new QTimer(w);
    auto* seen = new int(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* popUp = qobject_cast<frmPopUp*>(QApplication::activeModalWidget());
        if (!popUp || popUp->property("answered").toBool())
            return;
        popUp->setProperty("answered", true);
        shoot(w, name + QStringLiteral("-%1").arg(++*seen));
        emit popUp->But1()->clicked();
        if (*seen == count) {
            timer->stop();
            delete seen;
        }
    });
    timer->start(200);
}

// A paper whose keys cannot be judged, and a marking that cannot be stored:
// what the pupil is told.
void markingFaults(Pupil& pupil, PracticeFixture& f) {
    const QString types = f.courseDir() + QStringLiteral("/30014");
    const QList<QByteArray> lines = readBytes(types).split('\n');
    // The first three questions of English paper 3 as alternatives parts,
    // with keys that are no lists of alternatives.
    for (const QByteArray& line : lines) {
        for (const char* question : {"10027", "10028", "10029"}) {
            if (line.startsWith('#' + QByteArray(question) + '#'))
                setRecord(types, QString::fromLatin1(question),
                          QStringList(line.count('>'), QStringLiteral("M")));
        }
    }
    PracticeWindow* w = pupil.open(1, 3, 1);
    answerPopUps(w, QStringLiteral("fault-keys"), 2);
    w->MarkPaper();
    pupil.close();

    w = pupil.open(1, 4, 1);
    const QString results = f.progressPath(ProgressFile::FirstResults, 1);
    QFile::rename(results, results + QStringLiteral(".away"));
    QDir().mkdir(results);
    answerPopUps(w, QStringLiteral("fault-store"), 2);
    w->MarkPaper();
    shoot(w, QStringLiteral("fault-store-after"));
    QDir().rmdir(results);
    QFile::rename(results + QStringLiteral(".away"), results);
    pupil.close();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("marking-look");
    QDir().mkpath(outDir);

    PracticeFixture f(useBundledCourse);
    f.allowDialogs();
    f.moveCursor(QPoint(5, 5));
    PracticeServices services = f.services();
    services.markingBarMs = 3000;
    PracticeWindows launcher(PracticeEnvironment{f.course(), f.folder(), f.skin()}, f.host(),
                             services);
    Pupil pupil(f, launcher);

    // English paper 1: three questions of five parts.
    takeAndRetry(pupil, f, 1, 1, QStringLiteral("english-p1"), {1, 2, 3}, true);
    // Science paper 1: one-letter parts, and an answer group at the end.
    takeAndRetry(pupil, f, 3, 1, QStringLiteral("science-p1"), {1, 12, 13}, false);
    // A long answer (type L).
    const auto [longPaper, longQuestion] = firstPaperWith(f, 1, QStringLiteral("L"));
    takeAndRetry(pupil, f, 1, longPaper, QStringLiteral("english-long"),
                 {longQuestion, longQuestion + 1}, false);
    // Fractions and mixed numbers, with the instruction picture.
    const auto [mixedPaper, mixedQuestion] = firstPaperWith(f, 2, QStringLiteral("X"));
    takeAndRetry(pupil, f, 2, mixedPaper, QStringLiteral("maths-mixed"), {mixedQuestion}, false);
    // An alternatives part (type M).
    const auto [choicePaper, choiceQuestion] = firstPaperWith(f, 1, QStringLiteral("M"));
    takeAndRetry(pupil, f, 1, choicePaper, QStringLiteral("english-choice"), {choiceQuestion},
                 false);
    markingFaults(pupil, f);
    launcher.UnloadPracticeWindow();

    // The notes of marked sheets, on fresh progress files: English (five-part
    // questions, a 20-part cloze, long answers), Mathematics (numbers,
    // fractions, ratios, mixed numbers) and Science (an answer group).
    PracticeFixture fresh(useBundledCourse);
    fresh.allowDialogs();
    fresh.moveCursor(QPoint(5, 5));
    PracticeWindows notesLauncher(PracticeEnvironment{fresh.course(), fresh.folder(), fresh.skin()},
                                  fresh.host(), services);
    Pupil notesPupil(fresh, notesLauncher);
    nearMisses(notesPupil, 1, 1, QStringLiteral("english-p1"), {1, 2, 3});
    nearMisses(notesPupil, 1, 13, QStringLiteral("english-p13"), {1});
    nearMisses(notesPupil, 1, longPaper, QStringLiteral("english-long"), {longQuestion});
    for (int paper : {1, 6, 16})
        nearMisses(notesPupil, 2, paper, QStringLiteral("maths-p%1").arg(paper), {});
    nearMisses(notesPupil, 3, 1, QStringLiteral("science-p1"), {13});
    return 0;
}
