#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The judge: one answer part against its key, by the part's type letter.
//
//   Q T L   text rule: normalised answer equals normalised key
//   N       number rule: both are numbers (decimal_text.h) of equal value
//   F R X   spacing rule: spaces ignored, except where the key has its first one
//   M       alternatives rule: the key ";alt1;alt2..." lists the right answers
//   G       group rule: a head part with an alternatives key, then parts whose
//           key is exactly " "; each alternative may be claimed once, by the
//           first part (in part order) that gives it
//   other   not judged: the empty result code
//
// Normalised text: leading and trailing spaces (U+0020) removed, then Unicode
// lower case (QString::toLower), so 'ÉTÉ' matches "été". Inner spaces count.
//
// Every function is pure. Lists are the paper's whole lists, 0-based by part
// (element 0 is part 1); `part` arguments are 1-based part numbers over the
// paper. Keys that break a rule's assumptions (an N key that is not a number,
// an M or head key without its leading ";", a " " key with no head within 20
// parts) are never judged: the functions throw MarkingError(InvalidKey).
// CheckKeys (key_check.h) finds the same faults in advance and names the
// question of each.
namespace orvanta {

inline const QString kRightCode = QStringLiteral("\u00fc"); // stored as byte 0xFC, a tick
inline const QString kWrongCode = QStringLiteral("\u00fb"); // stored as byte 0xFB, a cross

// How far a group part looks back for its head, and a head forward for its parts.
inline constexpr int kGroupSearchLimit = 20;

QString NormalisedText(QStringView text);

// The key of a later part of an answer group: exactly one space.
inline bool IsGroupPartKey(const QString& key) {
    return key == u" ";
}
inline bool IsAlternativesKey(const QString& key) {
    return key.startsWith(u';');
}

// The texts between consecutive ";" and after the last: ";Fruits;Fruit" gives
// "Fruits", "Fruit". Throws MarkingError(InvalidKey) without a leading ";".
QStringList SplitAlternatives(const QString& key);
// The first alternative, as the second take shows it for an M part.
// Throws MarkingError(InvalidKey) without a leading ";".
QString FirstAlternative(const QString& key);

// Head of the group of a " " key part: the nearest earlier part, at most 20
// back, whose key is not " ". Nothing when all of them are " " or the paper
// starts first. The head's key is not checked here.
std::optional<int> FindGroupHead(const QStringList& keys, int part);
// Parts of the group headed by `head`: the head and the " " keys right after
// it, at most 20 of them.
int GroupSize(const QStringList& keys, int head);

// Text, number and spacing rules (Q T L N F R X); any other letter, M and G
// included, gives the empty code. Throws MarkingError(InvalidKey) for an N key
// that is not a number.
QString JudgeAnswer(const QString& answer, const QString& key, const QString& type);

// Alternatives rule when the part's key is not " ", group rule when it is;
// decided by the keys alone. Throws MarkingError: InvalidKey for a key that
// is neither " " nor an alternatives key, or a " " part without an
// alternatives head within 20 parts; BadArgument when `part` is outside the
// lists or `answers` and `keys` differ in length.
QString JudgeChoiceAnswer(const QStringList& answers, const QStringList& keys, int part);

// The expected answer to show for a part judged by JudgeChoiceAnswer. The
// alternatives claimed by no part of the group go to its wrong parts in
// order, each to one part: the first wrong part gets the first unclaimed
// alternative, the second the second, and so on; parts beyond them get
// nothing. A head or M part, first in its group, gets the first unclaimed
// alternative, except that an empty answer of its own meeting a claimed
// alternative gets nothing (it still takes its turn). A later part's turn
// follows the earlier parts whose verdict is wrong, a part repeating a
// claimed alternative included, so no two wrong parts are shown the same
// answer. Right parts get a value by the same count, which nothing shows.
// Returns an alternative as written in the key, or empty. Throws as
// JudgeChoiceAnswer.
QString GroupModelAnswer(const QStringList& answers, const QStringList& keys, int part);

// One part by its type letter: G and M through JudgeChoiceAnswer, the others
// through JudgeAnswer. Throws as those, and BadArgument when the lists differ
// in length.
QString JudgePart(const QStringList& answers, const QStringList& keys, const QStringList& types,
                  int part);

// The model answer a second take shows for a part: GroupModelAnswer for G,
// the first alternative for M, the key unchanged for every other letter.
// Throws as JudgePart.
QString ModelAnswer(const QStringList& answers, const QStringList& keys, const QStringList& types,
                    int part);

} // namespace orvanta
