#pragma once

#include "marking/answer_judge.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

// Table rows of the marking tests write field lists as the record files do,
// joined with ">": ";woodlouse;earthworm> > " is a group of three parts.
namespace orvanta::test {

inline QString u8(const char* text) {
    return QString::fromUtf8(text);
}

inline QStringList fields(const char* joined) {
    return u8(joined).split(u'>');
}

// "R", "W" or "-" per part, for compact expected results.
inline QString resultLetters(const QStringList& codes) {
    QString letters;
    for (const QString& code : codes)
        letters += code == kRightCode ? u'R' : (code == kWrongCode ? u'W' : u'-');
    return letters;
}

// Readable test names from row names.
template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

} // namespace orvanta::test
