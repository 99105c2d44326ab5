#include "docs/RtfTokenizer.h"

#include <algorithm>

namespace qx {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfToken RtfTokenizer::next() {
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            return {RtfToken::GroupStart};
        case '}':
            ++m_pos;
            return {RtfToken::GroupEnd};
        case '\\':
            return control();
        case '\r':
        case '\n':
        case '\0':
            ++m_pos; // line ends in the file are not text
            continue;
        default:
            return text();
        }
    }
    return {RtfToken::End};
}

RtfToken RtfTokenizer::text() {
    const qsizetype start = m_pos;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n' || c == '\0')
            break;
        ++m_pos;
    }
    RtfToken token{RtfToken::Text};
    token.word = m_data.mid(start, m_pos - start);
    return token;
}

RtfToken RtfTokenizer::control() {
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return {RtfToken::End};
    const char c = m_data[m_pos];
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            const int high = m_pos < m_data.size() ? hexValue(m_data[m_pos]) : -1;
            const int low = m_pos + 1 < m_data.size() ? hexValue(m_data[m_pos + 1]) : -1;
            if (high < 0 || low < 0) {
                m_pos += high < 0 ? 0 : 1; // a broken escape is dropped with its one digit
                return {RtfToken::Text};
            }
            m_pos += 2;
            RtfToken token{RtfToken::HexByte};
            token.symbol = char(high * 16 + low);
            return token;
        }
        RtfToken token{RtfToken::ControlSymbol};
        token.symbol = c == '\r' ? '\n' : c;
        return token;
    }
    RtfToken token{RtfToken::ControlWord};
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    token.word = m_data.mid(start, std::min<qsizetype>(m_pos - start, kWordLimit));
    bool negative = false;
    if (m_pos < m_data.size() && m_data[m_pos] == '-' && m_pos + 1 < m_data.size() &&
        isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
        token.hasParam = true;
        qint64 value = 0;
        while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
            value = std::min<qint64>(value * 10 + (m_data[m_pos] - '0'), kParamLimit);
            ++m_pos;
        }
        token.param = int(negative ? -value : value);
    }
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos; // the space that ends a control word belongs to it
    return token;
}

void RtfTokenizer::skipBytes(qint64 count) {
    if (count <= 0)
        return;
    m_pos = qsizetype(std::min<qint64>(m_data.size(), m_pos + count));
}

} // namespace qx
