#include "data/InputRules.h"

#include "data/NumberText.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace qx {

namespace {

// Characters that never show but are neither spaces, controls nor format characters.
bool isOtherInvisible(char32_t c) {
    return c == 0x034F                        // combining grapheme joiner
           || c == 0x115F || c == 0x1160      // Hangul choseong and jungseong fillers
           || c == 0x17B4 || c == 0x17B5      // Khmer inherent vowels
           || (c >= 0x180B && c <= 0x180F)    // Mongolian variation selectors and vowel separator
           || c == 0x2800                     // blank Braille cell
           || c == 0x3164 || c == 0xFFA0      // Hangul fillers
           || (c >= 0xFE00 && c <= 0xFE0F)    // variation selectors
           || (c >= 0xE0100 && c <= 0xE01EF); // variation selectors supplement
}

bool isInvisible(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Other_Format || isOtherInvisible(c);
}

bool isBlankChar(char32_t c) {
    return QChar::isSpace(c) || isInvisible(c);
}

// Characters a folder or file name never holds.
bool isUnsafeInFileName(char32_t c) {
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|#");
    return c < 0x80 && unsafe.contains(QChar(c));
}

// A plain "-123.45" text taken apart.
struct Decimal {
    bool negative = false;
    QString whole;    // without leading zeros ("" for zero)
    QString fraction; // as typed

    bool isZero() const {
        return whole.isEmpty() &&
               std::all_of(fraction.begin(), fraction.end(), [](QChar c) { return c == u'0'; });
    }
    // A negative number refused as such: "-0" is zero, not negative.
    bool isNegative() const { return negative && !isZero(); }
    // "123.45" without the sign.
    QString magnitude() const {
        const QString digits = whole.isEmpty() ? QStringLiteral("0") : whole;
        return fraction.isEmpty() ? digits : digits + u'.' + fraction;
    }
};

Decimal decimalOf(QString plain) {
    Decimal d;
    if (plain.startsWith(u'-')) {
        d.negative = true;
        plain.remove(0, 1);
    }
    const qsizetype point = plain.indexOf(u'.');
    d.whole = point < 0 ? plain : plain.left(point);
    d.fraction = point < 0 ? QString() : plain.mid(point + 1);
    qsizetype zeros = 0;
    while (zeros < d.whole.size() && d.whole[zeros] == u'0')
        ++zeros;
    d.whole.remove(0, zeros);
    return d;
}

// The whole number nearest to d (an exact half to the even neighbour), figured on the digits so that no
// fraction is lost on the way; d.whole has at most 18 digits.
std::int64_t roundedHalfEven(const Decimal& d) {
    std::int64_t whole = d.whole.isEmpty() ? 0 : d.whole.toLongLong();
    if (d.fraction.isEmpty())
        return whole;
    const QChar first = d.fraction.front();
    const bool beyondHalf =
        std::any_of(d.fraction.begin() + 1, d.fraction.end(), [](QChar c) { return c != u'0'; });
    if (first > u'5' || (first == u'5' && beyondHalf))
        return whole + 1;
    if (first == u'5')
        return whole + (whole & 1);
    return whole;
}

// More than kMaxMeasure once rounded, however many digits.
bool beyondMeasure(const Decimal& d) {
    constexpr int kMaxWholeDigits = 10; // 2147483647
    return d.whole.size() > kMaxWholeDigits || roundedHalfEven(d) > kMaxMeasure;
}

QString rangeMessage(const QString& what, const QString& min, const QString& max) {
    return QStringLiteral("This field must be %1 between %2 and %3.").arg(what, min, max);
}

} // namespace

QString tooLongMessage(int maxLength) {
    return QStringLiteral("This field cannot be any longer than %1 characters.").arg(maxLength);
}

namespace {

// The code point that starts at `i` (a surrogate pair read as one) and the index after it.
char32_t pointAt(const QString& text, qsizetype& i) {
    const QChar c = text[i++];
    if (c.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[i++]);
    return c.unicode();
}

// The code point that ends before `i` and the index where it starts.
char32_t pointBefore(const QString& text, qsizetype& i) {
    const QChar c = text[--i];
    if (c.isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
        return QChar::surrogateToUcs4(text[--i], c);
    return c.unicode();
}

} // namespace

bool isBlank(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        if (!isBlankChar(pointAt(text, i)))
            return false;
    }
    return true;
}

bool holdsBlank(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        if (isBlankChar(pointAt(text, i)))
            return true;
    }
    return false;
}

int charCount(const QString& text) {
    // A surrogate pair is one character; a lone surrogate half counts as one too.
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

std::optional<QString> checkLength(const QString& text, int maxLength) {
    if (charCount(text) > maxLength)
        return tooLongMessage(maxLength);
    return std::nullopt;
}

std::optional<QString> checkRequired(const QString& text, int maxLength, const QString& blankMessage) {
    if (isBlank(text))
        return blankMessage;
    return checkLength(text, maxLength);
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    for (qsizetype next = 0; next < text.size(); first = next) {
        if (!isBlankChar(pointAt(text, next)))
            break;
    }
    qsizetype last = text.size();
    for (qsizetype before = last; before > first; last = before) {
        if (!isBlankChar(pointBefore(text, before)))
            break;
    }
    if (first >= last)
        return QString();
    // Nothing to cut: the same text, without a copy.
    return first == 0 && last == text.size() ? text : text.mid(first, last - first);
}

QString fileNameOf(const QString& name) {
    std::u32string kept;
    for (char32_t c : name.normalized(QString::NormalizationForm_C).toStdU32String()) {
        if (!isBlankChar(c) && !isUnsafeInFileName(c))
            kept += c;
    }
    // Dropping a character can bring an accent next to its letter again.
    QString result = QString::fromStdU32String(kept).normalized(QString::NormalizationForm_C);
    qsizetype dots = 0;
    while (dots < result.size() && result[dots] == u'.')
        ++dots;
    return result.mid(dots);
}

QString nameKey(const QString& name) {
    // Every space looks alike and invisible characters not at all.
    std::u32string kept;
    for (char32_t c : name.toStdU32String()) {
        if (QChar::isSpace(c))
            kept += U' ';
        else if (!isInvisible(c))
            kept += c;
    }
    const QString decomposed = QString::fromStdU32String(kept).normalized(QString::NormalizationForm_D);
    // Qt's case folding maps one character to one; lower, upper and lower again add the folds that change
    // the length ("ß" and "ẞ" to "ss", "ﬁ" to "fi", "İ" to "i" and a dot above).
    const QString folded = decomposed.toLower().toUpper().toLower().toCaseFolded();
    return folded.normalized(QString::NormalizationForm_C);
}

QString measureRangeMessage() {
    return rangeMessage(QStringLiteral("a number"), QStringLiteral("0"), QString::number(kMaxMeasure));
}

Measure readMeasure(const QString& text, const QString& emptyMessage, const QLocale& locale) {
    Measure measure;
    if (isBlank(text)) {
        measure.problem = emptyMessage;
        return measure;
    }
    const auto plain = signedPlainDecimal(text, locale);
    if (!plain) {
        measure.problem = kMustBeNumber;
        return measure;
    }
    const Decimal d = decimalOf(*plain);
    if (d.isNegative() || beyondMeasure(d)) {
        measure.problem = measureRangeMessage();
        return measure;
    }
    measure.whole = std::int32_t(roundedHalfEven(d));
    measure.value = d.magnitude().toDouble();
    return measure;
}

std::optional<std::int32_t> readRowId(const QString& text, const QLocale& locale) {
    if (isBlank(text))
        return std::nullopt;
    const auto plain = signedPlainDecimal(text, locale);
    if (!plain)
        return std::nullopt;
    const Decimal d = decimalOf(*plain);
    if (beyondMeasure(d))
        return kNoRowId;
    const auto whole = std::int32_t(roundedHalfEven(d));
    return d.negative ? -whole : whole;
}

std::optional<QString> checkMeasure(const QString& text, const QLocale& locale) {
    const Measure measure = readMeasure(text, kMustBeNumber, locale);
    if (measure.ok())
        return std::nullopt;
    return measure.problem;
}

std::optional<QString> resetTextOf(const QString& text, const Measure& measure) {
    if (measure.ok() || isBlank(text))
        return std::nullopt;
    return kNumberReset;
}

namespace {

// A text ends with one of the marks: the text without it.
std::optional<QString> withoutMark(const QString& text, std::initializer_list<const char16_t*> marks) {
    for (const char16_t* mark : marks) {
        const QString m = QString::fromUtf16(mark);
        if (text.endsWith(m, Qt::CaseInsensitive))
            return trimBlanks(text.left(text.size() - m.size()));
    }
    return std::nullopt;
}

// Feet and inches taken apart: the two number texts (either may be empty, not both).
std::pair<QString, QString> feetAndInches(const QString& text) {
    static const auto feetMarks = {u"'", u"\u2032", u"ft"};
    static const auto inchMarks = {u"\"", u"\u2033", u"''", u"in"};
    // Inches come last: what stands before them is the feet, with its mark.
    if (const auto beforeInches = withoutMark(text, inchMarks)) {
        for (const char16_t* mark : feetMarks) {
            const QString m = QString::fromUtf16(mark);
            const qsizetype at = beforeInches->indexOf(m, 0, Qt::CaseInsensitive);
            if (at >= 0)
                return {trimBlanks(beforeInches->left(at)), trimBlanks(beforeInches->mid(at + m.size()))};
        }
        return {QString(), *beforeInches};
    }
    if (const auto feet = withoutMark(text, feetMarks))
        return {*feet, QString()};
    return {text, QString()};
}

} // namespace

FeetLength readFeet(const QString& text, const QString& emptyMessage, const QString& zeroMessage,
                    const QLocale& locale) {
    FeetLength length;
    if (isBlank(text)) {
        length.problem = emptyMessage;
        return length;
    }
    const auto [feetText, inchText] = feetAndInches(trimBlanks(text));
    if (feetText.isEmpty() && inchText.isEmpty()) {
        length.problem = kMustBeFeet;
        return length;
    }
    double feet = 0;
    for (const auto& [part, perFoot] : {std::pair{feetText, 1.0}, std::pair{inchText, 12.0}}) {
        if (part.isEmpty())
            continue;
        const Measure measure = readMeasure(part, kMustBeFeet, locale);
        if (!measure.ok()) {
            length.problem = measure.problem == kMustBeNumber ? kMustBeFeet : measure.problem;
            return length;
        }
        feet += measure.value / perFoot;
    }
    if (feet > double(kMaxMeasure))
        length.problem = measureRangeMessage();
    else if (feet <= 0)
        length.problem = zeroMessage;
    else
        length.feet = feet;
    return length;
}

QString amountRangeMessage(const QLocale& locale) {
    return rangeMessage(QStringLiteral("an amount"), Money().toCurrency(locale),
                        kMaxAmount.toCurrency(locale));
}

QString lineTotalRangeMessage(const QLocale& locale) {
    return QStringLiteral("The quantity times the price is more than a line can hold (%1).")
        .arg(kMaxTotal.toCurrency(locale));
}

QString estimateTotalRangeMessage(const QLocale& locale) {
    return QStringLiteral("This would take the estimate's total beyond what it can hold (%1).")
        .arg(kMaxTotal.toCurrency(locale));
}

namespace {

// A plain amount of the common form "42.90" (up to nine whole digits and four decimals, the point the
// locale's own or absent), read without the locale's currency rules: the same value they give.
std::optional<Money> quickAmount(const QString& text, const QLocale& locale) {
    constexpr qsizetype kMaxWhole = 9, kMaxDecimals = 4;
    qsizetype point = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.' && point < 0)
            point = i;
        else if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const qsizetype whole = point < 0 ? text.size() : point;
    const qsizetype decimals = point < 0 ? 0 : text.size() - point - 1;
    if (whole == 0 || whole > kMaxWhole || decimals > kMaxDecimals || (point >= 0 && decimals == 0))
        return std::nullopt;
    if (point >= 0 && locale.decimalPoint() != QStringLiteral("."))
        return std::nullopt;
    const auto value = Money::parsePlain(text);
    return value && *value <= kMaxAmount ? value : std::nullopt;
}

} // namespace

Amount readAmount(const QString& text, const QString& emptyMessage, const QLocale& locale) {
    Amount amount;
    if (const auto quick = quickAmount(text, locale)) {
        amount.value = *quick;
        return amount;
    }
    if (isBlank(text)) {
        amount.problem = emptyMessage;
        return amount;
    }
    const auto plain = Money::currencyToPlain(text, locale);
    if (!plain) {
        amount.problem = kMustBeNumber;
        return amount;
    }
    const Decimal d = decimalOf(*plain);
    constexpr int kMaxWholeDigits = 9; // 999,999,999.99
    const auto value =
        d.isNegative() || d.whole.size() > kMaxWholeDigits ? std::nullopt : Money::parsePlain(d.magnitude());
    if (!value || *value > kMaxAmount) {
        amount.problem = amountRangeMessage(locale);
        return amount;
    }
    amount.value = *value;
    return amount;
}

QString percentRangeMessage() {
    return rangeMessage(QStringLiteral("a number"), QStringLiteral("0"), QString::number(kMaxPercent));
}

namespace {

// Ten-thousandths as plain C text without trailing zeros.
QString plainOfTenThousandths(std::int64_t tenThousandths) {
    QString text = Money::fromRaw(tenThousandths).toPlain(4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

} // namespace

QString Percent::plain() const {
    return plainOfTenThousandths(tenThousandths);
}

Percent readPercent(const QString& text, const QString& emptyMessage, const QLocale& locale) {
    Percent percent;
    if (isBlank(text)) {
        percent.problem = emptyMessage;
        return percent;
    }
    QString number = text.trimmed();
    for (const QString& sign : {locale.percent(), QStringLiteral("%")}) {
        if (!sign.isEmpty() && number.endsWith(sign)) {
            number.chop(sign.size());
            break;
        }
    }
    const auto plain = signedPlainDecimal(number, locale);
    if (!plain) {
        percent.problem = kMustBeNumber;
        return percent;
    }
    const Decimal d = decimalOf(*plain);
    constexpr int kMaxWholeDigits = 4; // 1000
    const auto value =
        d.isNegative() || d.whole.size() > kMaxWholeDigits ? std::nullopt : Money::parsePlain(d.magnitude());
    if (!value || *value > Money::fromWhole(kMaxPercent)) {
        percent.problem = percentRangeMessage();
        return percent;
    }
    percent.tenThousandths = value->raw();
    return percent;
}

QString coverageRangeMessage() {
    return rangeMessage(QStringLiteral("a number"), QStringLiteral("0.0001"), QString::number(kMaxMeasure));
}

QString Coverage::plain() const {
    return plainOfTenThousandths(tenThousandths);
}

Coverage readCoverage(const QString& text, const QString& emptyMessage, const QLocale& locale) {
    Coverage coverage;
    if (isBlank(text)) {
        coverage.problem = emptyMessage;
        return coverage;
    }
    const auto plain = signedPlainDecimal(text, locale);
    if (!plain) {
        coverage.problem = kMustBeNumber;
        return coverage;
    }
    const Decimal d = decimalOf(*plain);
    constexpr int kMaxWholeDigits = 10; // 2147483647
    const auto value =
        d.isNegative() || d.whole.size() > kMaxWholeDigits ? std::nullopt : Money::parsePlain(d.magnitude());
    if (!value || *value <= Money() || *value > Money::fromWhole(kMaxMeasure)) {
        coverage.problem = coverageRangeMessage();
        return coverage;
    }
    coverage.tenThousandths = value->raw();
    return coverage;
}

std::optional<QString> checkPassword(const QString& password) {
    if (password.contains(QChar(u'\0')))
        return kPasswordHoldsNul;
    return std::nullopt;
}

} // namespace qx
