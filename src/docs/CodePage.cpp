#include "docs/CodePage.h"

#include <QStringDecoder>

namespace qx::codepage {

namespace {

// The western page is Latin-1 except for 0x80..0x9F, which hold typographic characters.
constexpr char16_t kWestern80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWestern(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text += QChar(u >= 0x80 && u < 0xA0 ? kWestern80[u - 0x80] : char16_t(u));
    }
    return text;
}

bool isAscii(const QByteArray& bytes) {
    for (char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

int ofCharset(int charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

QString decode(const QByteArray& bytes, int codePage) {
    if (codePage == kWestern || codePage <= 0 || isAscii(bytes))
        return decodeWestern(bytes);
    const QByteArray name = codePage == 10000 ? QByteArrayLiteral("macintosh")
                            : codePage < 1000 ? "CP" + QByteArray::number(codePage)
                                              : "windows-" + QByteArray::number(codePage);
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid())
        return decodeWestern(bytes);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? decodeWestern(bytes) : text;
}

std::optional<char> westernByte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i) {
        if (kWestern80[i] == u && u > 0xFF)
            return char(0x80 + i);
    }
    return std::nullopt;
}

} // namespace qx::codepage
