#pragma once

#include "data/resource_install.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>

// How varied a course reads, measured on its question pages as a pupil reads
// them: questions that repeat another one, the opening frames used most, and
// the parts per type letter against the course's inventory. The rules are
// those of the course generator's variety measure
// (tools/course_gen/orvanta_course/variety.py), ported word for word so that
// both give the same figures:
//   - a page's instruction (the yellow box) is guidance and is left out; its
//     text is everything else but the numbered options; its pictures are the
//     SVG parts it shows;
//   - two questions are the same when their texts, their options in any order
//     (letter case ignored) and their pictures are the same;
//   - a frame is the first five words of the text with names, numbers and
//     bracketed words blurred: "At the moment, Mei is (paint) ..." reads
//     "at the moment NAME is".
namespace orvanta {

// A question page as the measure reads it.
struct QuestionView {
    int number = 0;
    QString instruction;
    QString text;         // the words of the page but its instruction and options
    QStringList options;  // the numbered options' words, in page order
    QStringList parts;    // the lettered parts' words
    QStringList pictures; // the SVG text of every picture shown, in page order
};

// The view of a page from its decoded HTML and the text of the pictures it shows.
QuestionView ViewOfPage(int number, const QString& html, const QStringList& pictures);

// The view of the page archive `bytes`; nothing when the archive cannot be read.
std::optional<QuestionView> ReadQuestionView(int number, const QByteArray& bytes);

// The words of an HTML fragment: drawn fractions as "3/8", blanks as "___",
// tags dropped, character references resolved, white space collapsed.
QString WordsOf(const QString& fragment);

// The words of `text` with names, numbers and bracketed words blurred, lower
// case: names (and capitalised words inside a sentence) read "NAME", numbers
// "#", a bracketed word "( )"; sentence marks are dropped.
QStringList BlurredWords(const QString& text);

// The first five blurred words, joined by spaces.
QString FrameOf(const QString& text);

// What makes two questions the same to a pupil, as one comparable text.
QString IdentityOf(const QuestionView& view);

// The names the measure blurs: the pupils and grown-ups of the generator's
// name lists, read from them at build time.
const QStringList& CourseNames();

// A type letter's part count in the inventory of the shipped course; the
// course may hold a quarter fewer or more.
struct LetterTarget {
    QString letter;
    int parts = 0;

    int low() const;  // ceil(0.75 * parts)
    int high() const; // floor(1.25 * parts)
};

// The type-letter inventory of a course's subjects 1..3.
struct CourseInventory {
    std::array<QList<LetterTarget>, 3> subjects;

    // English T 671, Q 550, M 29, L 25; Mathematics N 778, Q 255, F 58, T 48,
    // R 28, X 23, M 5; Science Q 510, T 434, G 104, M 11, N 11.
    static CourseInventory Shipped();
    const QList<LetterTarget>& of(int subject) const { return subjects.at(subject - 1); }
};

struct FrameCount {
    QString frame;
    int count = 0;
};

struct LetterCount {
    QString letter;
    int count = 0;
    std::optional<LetterTarget> target; // none when the inventory does not name the letter

    bool inRange() const { return target && count >= target->low() && count <= target->high(); }
};

struct SubjectVariety {
    int subject = 0;
    QString name;
    int questions = 0;                  // questions listed by the papers, each listing counted
    QList<std::pair<int, int>> repeats; // (earlier question, question that repeats it)
    QList<FrameCount> topFrames;        // the most frequent frames, most frequent first
    QList<LetterCount> letters;         // parts per type letter, most parts first
};

constexpr int kFramesShown = 5;
constexpr double kFrameShare = 0.02; // the most a frame may open of a subject's questions

// Measures subject `subject` of `library`, reading its paper list, question
// types and the pages of the listed questions; pages that cannot be read
// are left out (the course check reports them). `inventory` (optional) gives
// the targets of the type letters.
SubjectVariety MeasureVariety(const ResourceLibrary& library, int subject, const QString& name,
                              const QList<LetterTarget>* inventory);

// The measure as a course author reads it: the questions and repeats, the
// top frames with their shares, and the letters against the inventory.
QString FormatVariety(const SubjectVariety& variety);

} // namespace orvanta
