#pragma once

#include <QByteArray>

namespace qx {

// One piece of a rich-text file.
struct RtfToken {
    enum Kind { GroupStart, GroupEnd, ControlWord, ControlSymbol, Text, HexByte, End };
    RtfToken(Kind k = End) // NOLINT: a kind alone makes a token
        : kind(k) {}
    Kind kind;
    QByteArray word;       // ControlWord: its letters; Text: the plain bytes of the run
    bool hasParam = false; // ControlWord: a number followed the letters
    int param = 0;         // ControlWord: that number, held within +-kParamLimit
    char symbol = 0;       // ControlSymbol: the character after the backslash; HexByte: the byte
};

// Splits rich text into tokens. It never fails: whatever cannot be a token is skipped, a file cut
// short simply ends, and every call moves forward, so reading always finishes.
class RtfTokenizer {
public:
    // Numbers beyond this are held at it, so a runaway parameter can never overflow anything.
    static constexpr int kParamLimit = 1'000'000'000;
    static constexpr int kWordLimit = 32;

    explicit RtfTokenizer(const QByteArray& data)
        : m_data(data) {}

    RtfToken next();
    // Passes over raw binary data (\binN), as far as the file goes.
    void skipBytes(qint64 count);
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    RtfToken control();
    RtfToken text();

    const QByteArray& m_data;
    qsizetype m_pos = 0;
};

} // namespace qx
