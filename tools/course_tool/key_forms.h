#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The forms an answer key must have for its part's type letter, so that the
// answer the key stands for is judged right. The course check reports these
// faults to the course author. Numbers, alternatives and groups are read with
// the judge's own functions, so the two never disagree about them.
namespace orvanta {

struct KeyFormFault {
    int part = 0; // 0-based index into the lists passed
    QString what; // one sentence, naming the key
};

// Checks the keys of a run of consecutive parts (one question, or a whole
// paper) against their type letters, part i by key i and type i (parts
// beyond the shorter list are not checked).
//   Q        one character: the option number the one-character box takes
//   T L      some text besides spaces
//   N        a decimal number, its thousands grouped with commas or not:
//            "15360", "115.5", "-3", "62,559"
//   F        "a/b" with whole numbers, b not 0, no spaces: "5/28"
//   R        "a:b" or "a:b:c" with whole numbers, no spaces: "14:5"
//   X        "w n/d" with one space: "8 2/5"
//   M        an alternatives key ";alt1;alt2...", no alternative empty
//   G        the head of an answer group: an alternatives key as for M, with
//            at least as many different alternatives as the group has parts;
//            or a key of one space " " continuing the group of the nearest
//            earlier part that is not " ", at most 20 parts back
// A key of one space belongs only to a G part. Letters other than these are
// left alone (the caller reports them). Returns the faults in part order.
QList<KeyFormFault> CheckKeyForms(const QStringList& keys, const QStringList& types);

} // namespace orvanta
