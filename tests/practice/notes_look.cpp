// A look at the notes of a marked sheet on the bundled course: answers a
// paper with near misses of every kind its parts allow (and some answers
// right or far off), marks it, and photographs the marked sheet of a few
// questions; then tries it again with the same answers, marks again and
// photographs the second take's sheet. Not a test; run by hand under Xvfb:
//
//   ORVANTA_FIXTURES=tests/fixtures QTWEBENGINE_DISABLE_SANDBOX=1
//   xvfb-run -a -s "-screen 0 1280x900x24" build/bin/notes_look OUT_DIR
#include "marking/answer_judge.h"
#include "practice/answer_box.h"
#include "practice/answer_notes.h"
#include "practice/answer_sheet.h"
#include "practice/practice_rules.h"
#include "tests/practice/practice_test_support.h"
#include "ui_frame/pop_up.h"

#include <QApplication>
#include <QDir>
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

void shoot(QWidget* window, const QString& name) {
    QTest::qWait(300);
    const QRect r = window->frameGeometry();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
        .save(outDir + u'/' + name + QStringLiteral(".png"));
    QTextStream(stdout) << name << '\n';
}

// The answer sheet enlarged twice.
void zoomSheet(PracticeWindow* w, const QString& name) {
    QWidget* sheet = w->AnsBox();
    const QRect r(sheet->mapToGlobal(QPoint(0, 0)), sheet->size());
    const QPixmap shot =
        QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    shot.scaled(shot.size() * 2).save(outDir + u'/' + name + QStringLiteral(".png"));
}

void useBundledCourse(const QString& courseDir) {
    const QDir bundled(QCoreApplication::applicationDirPath() +
                       QStringLiteral("/../resources/course"));
    QDir target(courseDir);
    for (const QString& name : target.entryList(QDir::Files))
        target.remove(name);
    for (const QString& name : bundled.entryList(QDir::Files))
        QFile::copy(bundled.filePath(name), target.filePath(name));
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

PracticeWindow* openPaper(PracticeFixture& f, PracticeWindows& launcher, int subject, int paper,
                          int take) {
    launcher.OpenPaper(f.handOver(subject, paper, take));
    PracticeWindow* w = launcher.practiceWindow();
    QSignalSpy loaded(w, &PracticeWindow::pageLoaded);
    loaded.wait(kPageTimeoutMs);
    return w;
}

void answerPaper(PracticeWindow* w, const QStringList& answers) {
    const PaperSession& s = w->session();
    for (int q = 1; q <= s.questionCount(); ++q) {
        if (w->currentQuestion() != q)
            pageLoadsAfter(w, [&] { w->GoToQuestion(q); });
        for (int k = 1; k <= s.partsOf(q); ++k) {
            AnswerBox* box = w->Frame(k)->FA();
            if (!box->isReadOnly())
                box->setText(answers.at(s.offsetOf(q) + k - 1));
        }
    }
}

void mark(PracticeWindow* w) {
    QTimer::singleShot(600, [] {
        if (auto* popUp = qobject_cast<frmPopUp*>(QApplication::activeModalWidget()))
            emit popUp->But1()->clicked();
    });
    w->MarkPaper();
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

void shootQuestions(PracticeWindow* w, const QString& name, QList<int> questions) {
    if (questions.isEmpty())
        questions = questionsWithNotes(w, 6);
    for (int q : questions) {
        if (w->currentQuestion() != q)
            pageLoadsAfter(w, [&] { w->GoToQuestion(q); });
        shoot(w, name + QStringLiteral("-q%1").arg(q));
        zoomSheet(w, name + QStringLiteral("-q%1-zoom").arg(q));
        QTextStream(stdout) << "  notes listed " << w->answerNotes()->listedCount() << " of "
                            << w->answerNotes()->notes().size() << '\n';
    }
}

// Every part but every fourth (left right) gets a near miss, every seventh
// a far wrong answer.
void nearMisses(PracticeFixture& f, PracticeWindows& launcher, int subject, int paper,
                const QString& label, const QList<int>& questions) {
    PracticeWindow* w = openPaper(f, launcher, subject, paper, 1);
    const PaperContent content = w->session().content();
    QStringList answers = SelfAnswers(content.keys, content.types);
    for (int i = 0; i < answers.size(); ++i) {
        if (i % 7 == 6)
            answers[i] = content.types.at(i) == u"Q" ? QStringLiteral("1") : QStringLiteral("zzz");
        else if (i % 4 != 3)
            answers[i] = nearMiss(content.keys, content.types, i, (i / 2) % 2);
    }
    answerPaper(w, answers);
    mark(w);
    shootQuestions(w, label + QStringLiteral("-1"), questions);
    launcher.UnloadPracticeWindow();
    QTest::qWait(50);

    w = openPaper(f, launcher, subject, paper, 2);
    answerPaper(w, answers);
    mark(w);
    shootQuestions(w, label + QStringLiteral("-2"), questions);
    launcher.UnloadPracticeWindow();
    QTest::qWait(50);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("notes-look");
    QDir().mkpath(outDir);

    PracticeFixture f(useBundledCourse);
    f.allowDialogs();
    f.moveCursor(QPoint(5, 5));
    PracticeServices services = f.services();
    services.markingBarMs = 0;
    PracticeWindows launcher(PracticeEnvironment{f.course(), f.folder(), f.skin()}, f.host(),
                             services);

    // English paper 1: five-part questions; paper 13 starts with a 20-part cloze.
    nearMisses(f, launcher, 1, 1, QStringLiteral("english-p1"), {1, 2, 3});
    nearMisses(f, launcher, 1, 13, QStringLiteral("english-p13"), {1});
    // Long answers: whole sentences.
    nearMisses(f, launcher, 1, 26, QStringLiteral("english-long"), {1, 2, 3});
    // Mathematics papers with numbers, fractions, ratios and mixed numbers.
    for (int paper : {1, 6, 16})
        nearMisses(f, launcher, 2, paper, QStringLiteral("maths-p%1").arg(paper), {});
    // Science: an answer group.
    nearMisses(f, launcher, 3, 1, QStringLiteral("science-p1"), {13});
    return 0;
}
