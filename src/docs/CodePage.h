#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace qx {

// Windows code pages as rich-text files name them (\ansicpg1252, a font's \fcharset).
namespace codepage {

constexpr int kWestern = 1252;

// The code page a font character set stands for; 0 when the set means "the document's own".
int ofCharset(int charset);

// Decodes bytes written in `codePage`. The western page is built in; others are decoded by Qt's
// converters when the platform has them, else read as western text, so nothing is ever dropped.
QString decode(const QByteArray& bytes, int codePage);

// The western byte of a character, when it has one.
std::optional<char> westernByte(QChar c);

} // namespace codepage
} // namespace qx
