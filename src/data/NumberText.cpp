#include "data/NumberText.h"

#include <QStringList>
#include <algorithm>

namespace qx {
namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool allAsciiDigits(const QString& text) {
    for (QChar c : text) {
        if (!isAsciiDigit(c))
            return false;
    }
    return true;
}

// Locales with their own digits (Arabic, Devanagari ...) write amounts with them, and an input method may
// type fullwidth digits; every decimal digit reads as its 0-9.
QString withAsciiDigits(QString text) {
    for (QChar& c : text) {
        if (c.isDigit())
            c = QChar(u'0' + c.digitValue());
    }
    return text;
}

bool isBlank(QChar c) {
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Where a locale groups with a (narrow, no-break) blank, any blank the user types stands for it.
QString withLocaleBlanks(QString text, const QString& group) {
    if (group.size() != 1 || !isBlank(group.front()))
        return text;
    for (QChar& c : text) {
        if (isBlank(c))
            c = group.front();
    }
    return text;
}

// True when the separators in a grouped whole part stand exactly where the locale writes them for a
// number with that many digits (some locales group in threes, en_IN in twos after the first three).
bool groupedAsLocale(const QString& grouped, qsizetype digitCount, const QLocale& locale) {
    constexpr qsizetype kMaxDigits = 19; // 10^18 still fits a qlonglong
    if (digitCount == 0 || digitCount > kMaxDigits)
        return false;
    qlonglong sample = 1;
    for (qsizetype i = 1; i < digitCount; ++i)
        sample *= 10;
    const QString pattern = withAsciiDigits(locale.toString(sample));
    if (pattern.size() != grouped.size())
        return false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const bool digitHere = isAsciiDigit(pattern[i]);
        if (digitHere != isAsciiDigit(grouped[i]) || (!digitHere && pattern[i] != grouped[i]))
            return false;
    }
    return true;
}

// Reads "whole[point fraction]"; the whole part may be grouped with group (when not empty) in the
// locale's style.
std::optional<QString> readDecimal(const QString& text, const QString& point, const QString& group,
                                   const QLocale& locale) {
    QString whole = text;
    QString fraction;
    const qsizetype at = text.indexOf(point);
    if (at >= 0) {
        whole = text.left(at);
        fraction = text.mid(at + point.size());
    }
    if (!allAsciiDigits(fraction))
        return std::nullopt;
    if (!group.isEmpty() && whole.contains(group)) {
        QString digits = whole;
        digits.remove(group);
        if (!allAsciiDigits(digits) || !groupedAsLocale(whole, digits.size(), locale))
            return std::nullopt;
        whole = digits;
    }
    if (!allAsciiDigits(whole) || whole.size() + fraction.size() == 0)
        return std::nullopt;
    QString plain = whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!fraction.isEmpty())
        plain += u'.' + fraction;
    return plain;
}

// The signs a text may carry, longest first so that a locale's two-character minus wins over "-".
QStringList signs(const QLocale& locale, bool negative) {
    QStringList list{negative ? locale.negativeSign() : locale.positiveSign(),
                     negative ? QStringLiteral("-") : QStringLiteral("+")};
    list.removeAll(QString());
    list.removeDuplicates();
    std::stable_sort(list.begin(), list.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return list;
}

std::optional<bool> takeSign(QString& text, const QLocale& locale, bool atStart) {
    for (bool negative : {true, false}) {
        for (const QString& sign : signs(locale, negative)) {
            if (atStart ? text.startsWith(sign) : text.endsWith(sign)) {
                text = atStart ? text.mid(sign.size()) : text.chopped(sign.size());
                return negative;
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> plainDecimal(const QString& text, const QLocale& locale) {
    const QString typed = withAsciiDigits(text);
    const QString group = locale.groupSeparator();
    if (auto plain = readDecimal(withLocaleBlanks(typed, group), locale.decimalPoint(), group, locale))
        return plain;
    return readDecimal(typed, QStringLiteral("."), QString(), locale);
}

std::optional<bool> takeLeadingSign(QString& text, const QLocale& locale) {
    return takeSign(text, locale, true);
}

std::optional<bool> takeTrailingSign(QString& text, const QLocale& locale) {
    return takeSign(text, locale, false);
}

std::optional<QString> signedPlainDecimal(const QString& text, const QLocale& locale) {
    QString rest = text.trimmed();
    const bool negative = takeLeadingSign(rest, locale).value_or(false);
    const auto plain = plainDecimal(rest, locale);
    if (!plain)
        return std::nullopt;
    return negative ? u'-' + *plain : *plain;
}

QString typedFormOfPlain(const QString& text, const QLocale& locale) {
    const auto plain = readDecimal(text.trimmed(), QStringLiteral("."), QString(), locale);
    if (!plain)
        return text;
    QString typed = text.trimmed();
    return typed.replace(u'.', locale.decimalPoint());
}

} // namespace qx
