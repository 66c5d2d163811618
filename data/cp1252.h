#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one boundary between the bytes of the program's text files (Windows-1252)
// and QString. Every byte decodes to exactly one character and back, so a file
// read and written again keeps its bytes: the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 control characters
// of the same value.
namespace cp1252 {

QString decode(const QByteArray& bytes);

// The bytes of `text`, or nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> encode(const QString& text);

// True when every character of `text` has a Windows-1252 byte.
bool canEncode(const QString& text);
bool canEncode(QChar c);

} // namespace cp1252
