#pragma once

#include "data/course_content.h"

#include <QList>
#include <QString>
#include <QStringList>

// Checks of a paper's keys against what the judge's rules assume, so that a
// fault in the course content is reported by question and part before any
// answer is judged, instead of being judged at random.
namespace orvanta {

struct KeyProblem {
    enum class Kind {
        // Faults the judge refuses (JudgePart would throw MarkingError):
        NumberKeyNotNumber,   // N key outside the judge's numeric syntax (decimal_text.h)
        NotAlternativesKey,   // M or G key that is neither ";alt..." nor a group's " "
        GroupPartWithoutHead, // " " key with no alternatives key within 20 parts before
        // Judged as written, but surely not what the author meant:
        GroupShortOfAlternatives, // fewer alternatives than parts: never fully right
        EmptyAlternative,         // an alternative of only spaces: an empty answer is right
        EmptyKey,                 // a Q T L N F R X key of only spaces: an empty answer is right
        UnknownTypeLetter,        // none of Q T L N F R X M G: the part is never judged
    };

    Kind kind;
    int part = 0;           // 1-based over the paper
    QString question;       // question number; empty when the caller gave none
    int partInQuestion = 0; // 1-based within the question; 0 when not known
    QString type;
    QString key;
    QString detail; // the specific fact behind the problem, ends message()

    // True for the first three kinds: the paper cannot be judged.
    bool blocksJudging() const;
    // "Question 16007, part 2 (part 12 of the paper): the key ..." or, without
    // question numbers, "Part 12: the key ...".
    QString message() const;
};

// Every problem of the keys and type letters, in part order. `questions` and
// `partCounts` (parts of each question, in order) place each part in its
// question for the messages; they may be left empty. Throws
// MarkingError(BadArgument) when `types` and `keys` differ in length or the
// part counts do not add up to the keys.
QList<KeyProblem> CheckKeys(const QStringList& keys, const QStringList& types,
                            const QStringList& questions = {}, const QList<int>& partCounts = {});
QList<KeyProblem> CheckPaperKeys(const PaperContent& paper);

bool BlocksJudging(const QList<KeyProblem>& problems);

// Throws MarkingError(InvalidKey) whose message lists every problem that
// blocks judging, one per line, after `context` ("Paper 105 cannot be
// marked."). Does nothing when there is none.
void RequireJudgeableKeys(const QList<KeyProblem>& problems, const QString& context);

} // namespace orvanta
