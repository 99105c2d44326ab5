#include "data/InputRules.h"

#include <gtest/gtest.h>

using namespace qx;

namespace {

const QLocale kUs(QStringLiteral("en_US"));
constexpr int kLimit = 25;

enum class Text { Ok, Blank, Long };

// What each kind of box makes of one input. Numbers: the stored value, or "NaN" (not a number), "Range"
// (the range message), "Empty" (the box's own message for an empty box).
struct Row {
    QString input;
    Text required; // a required text box of 25 characters
    Text optional; // an optional text box of 25 characters
    QString file;  // the name a folder and file would get ("" refuses the name)
    const char* measure;
    const char* money;
};

QString repeated(const QString& piece, int times) {
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const QString kHouse = u("🏠");
const QString kTenThousand = repeated(QStringLiteral("x"), 10000);

const Row kRows[] = {
    {u(""), Text::Blank, Text::Ok, u(""), "Empty", "Empty"},
    {u("Smith"), Text::Ok, Text::Ok, u("Smith"), "NaN", "NaN"},
    {u("O'Neil"), Text::Ok, Text::Ok, u("O'Neil"), "NaN", "NaN"},
    {u("\"quoted\""), Text::Ok, Text::Ok, u("quoted"), "NaN", "NaN"},
    {u("'; DROP TABLE master; --"), Text::Ok, Text::Ok, u("';DROPTABLEmaster;--"), "NaN", "NaN"},
    {u("Robert'); DELETE FROM main;--"), Text::Long, Text::Long, u("Robert');DELETEFROMmain;--"), "NaN",
     "NaN"},
    {kTenThousand, Text::Long, Text::Long, kTenThousand, "NaN", "NaN"},
    {repeated(u("a"), kLimit), Text::Ok, Text::Ok, repeated(u("a"), kLimit), "NaN", "NaN"},
    {repeated(u("a"), kLimit + 1), Text::Long, Text::Long, repeated(u("a"), kLimit + 1), "NaN", "NaN"},
    {repeated(kHouse, kLimit), Text::Ok, Text::Ok, repeated(kHouse, kLimit), "NaN", "NaN"},
    {repeated(kHouse, kLimit + 1), Text::Long, Text::Long, repeated(kHouse, kLimit + 1), "NaN", "NaN"},
    {u("Καλημέρα"), Text::Ok, Text::Ok, u("Καλημέρα"), "NaN", "NaN"},
    {u("屋顶工程"), Text::Ok, Text::Ok, u("屋顶工程"), "NaN", "NaN"},
    {u("😀 🏠"), Text::Ok, Text::Ok, u("😀🏠"), "NaN", "NaN"},
    {u("a\tb"), Text::Ok, Text::Ok, u("ab"), "NaN", "NaN"},
    {u("a\nb"), Text::Ok, Text::Ok, u("ab"), "NaN", "NaN"},
    {QString::fromUtf8("a\0b", 3), Text::Ok, Text::Ok, u("ab"), "NaN", "NaN"},
    {u("\x1b[31mred"), Text::Ok, Text::Ok, u("[31mred"), "NaN", "NaN"},
    {u("{\\rtf1 \\b bold}"), Text::Ok, Text::Ok, u("{rtf1bbold}"), "NaN", "NaN"},
    {u("<<Summary>>"), Text::Ok, Text::Ok, u("Summary"), "NaN", "NaN"},
    {u("a/b\\c:d*e?f\"g<h>i|j#k"), Text::Ok, Text::Ok, u("abcdefghijk"), "NaN", "NaN"},
    {u("   "), Text::Blank, Text::Ok, u(""), "Empty", "Empty"},
    {u("\t\n"), Text::Blank, Text::Ok, u(""), "Empty", "Empty"},
    {u("\u00a0"), Text::Blank, Text::Ok, u(""), "Empty", "Empty"},
    {u("\u3000"), Text::Blank, Text::Ok, u(""), "Empty", "Empty"},
    {u("\u200b"), Text::Blank, Text::Ok, u(""), "Empty", "Empty"},
    {u("\u200b\u200c\u200d\u2060\ufeff\u202e\u3164\u2800\ufe0f"), Text::Blank, Text::Ok, u(""), "Empty",
     "Empty"},
    {u("L\u200bee"), Text::Ok, Text::Ok, u("Lee"), "NaN", "NaN"},
    {u("\u202eeeL"), Text::Ok, Text::Ok, u("eeL"), "NaN", "NaN"},
    {u("Jose\u0301"), Text::Ok, Text::Ok, u("Jos\u00e9"), "NaN", "NaN"},
    {u(".LeeGarage"), Text::Ok, Text::Ok, u("LeeGarage"), "NaN", "NaN"},
    {u(" . ."), Text::Ok, Text::Ok, u(""), "NaN", "NaN"},
    {u("-5"), Text::Ok, Text::Ok, u("-5"), "Range", "Range"},
    {u("-0.4"), Text::Ok, Text::Ok, u("-0.4"), "Range", "Range"},
    {u("-0"), Text::Ok, Text::Ok, u("-0"), "0", "0"},
    {u("1e9"), Text::Ok, Text::Ok, u("1e9"), "NaN", "NaN"},
    {u("1e308"), Text::Ok, Text::Ok, u("1e308"), "NaN", "NaN"},
    {u("inf"), Text::Ok, Text::Ok, u("inf"), "NaN", "NaN"},
    {u("NaN"), Text::Ok, Text::Ok, u("NaN"), "NaN", "NaN"},
    {u("0x10"), Text::Ok, Text::Ok, u("0x10"), "NaN", "NaN"},
    {u("12a"), Text::Ok, Text::Ok, u("12a"), "NaN", "NaN"},
    {u("3,5"), Text::Ok, Text::Ok, u("3,5"), "NaN", "NaN"},
    {u("12 000"), Text::Ok, Text::Ok, u("12000"), "NaN", "NaN"},
    {u("\u200b5"), Text::Ok, Text::Ok, u("5"), "NaN", "NaN"},
    {u("１２"), Text::Ok, Text::Ok, u("１２"), "12", "12"},
    {u("\u00a012\u00a0"), Text::Ok, Text::Ok, u("12"), "12", "12"},
    {u("1,234"), Text::Ok, Text::Ok, u("1,234"), "1234", "1234"},
    {u("12.5"), Text::Ok, Text::Ok, u("12.5"), "12", "12.5"},
    {u("13.5"), Text::Ok, Text::Ok, u("13.5"), "14", "13.5"},
    {u("0.5000000000000000000001"), Text::Ok, Text::Ok, u("0.5000000000000000000001"), "1", "0.5"},
    {u("$19.99"), Text::Ok, Text::Ok, u("$19.99"), "NaN", "19.99"},
    {u("999999999.99"), Text::Ok, Text::Ok, u("999999999.99"), "1000000000", "999999999.99"},
    {u("999999999.995"), Text::Ok, Text::Ok, u("999999999.995"), "1000000000", "Range"},
    {u("2147483647"), Text::Ok, Text::Ok, u("2147483647"), "2147483647", "Range"},
    {u("2147483647.5"), Text::Ok, Text::Ok, u("2147483647.5"), "Range", "Range"},
    {u("2147483648"), Text::Ok, Text::Ok, u("2147483648"), "Range", "Range"},
    {repeated(u("9"), 400), Text::Long, Text::Long, repeated(u("9"), 400), "Range", "Range"},
    {u("1") + repeated(u("0"), 9999), Text::Long, Text::Long, u("1") + repeated(u("0"), 9999), "Range",
     "Range"},
    {repeated(u("0"), 400) + u("7"), Text::Long, Text::Long, repeated(u("0"), 400) + u("7"), "7", "7"},
};

const QString kEmptyMessage = QStringLiteral("Please enter a value.");

Text textOutcome(const std::optional<QString>& problem) {
    if (!problem)
        return Text::Ok;
    if (*problem == kEmptyMessage)
        return Text::Blank;
    EXPECT_EQ(*problem, tooLongMessage(kLimit));
    return Text::Long;
}

QString numberOutcome(const QString& problem, const QString& range, const QString& value) {
    if (problem.isEmpty())
        return value;
    if (problem == kEmptyMessage)
        return QStringLiteral("Empty");
    if (problem == kMustBeNumber)
        return QStringLiteral("NaN");
    if (problem == range)
        return QStringLiteral("Range");
    return QStringLiteral("unexpected message: ") + problem;
}

// The amount as the shortest plain text: "12.5", "19.99", "0".
QString shortPlain(Money amount) {
    QString text = amount.toPlain(4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

} // namespace

TEST(InputRulesTest, EveryKindOfBoxTakesHostileInputAsItShould) {
    ASSERT_GE(std::size(kRows), 40u);
    for (const Row& row : kRows) {
        const QString shown = row.input.left(40);
        EXPECT_EQ(textOutcome(checkRequired(row.input, kLimit, kEmptyMessage)), row.required)
            << qPrintable(shown);
        EXPECT_EQ(textOutcome(checkLength(row.input, kLimit)), row.optional) << qPrintable(shown);
        EXPECT_EQ(fileNameOf(row.input), row.file) << qPrintable(shown);

        const Measure measure = readMeasure(row.input, kEmptyMessage, kUs);
        EXPECT_EQ(numberOutcome(measure.problem, measureRangeMessage(), QString::number(measure.whole)),
                  QString::fromLatin1(row.measure))
            << qPrintable(shown);
        const Amount amount = readAmount(row.input, kEmptyMessage, kUs);
        EXPECT_EQ(numberOutcome(amount.problem, amountRangeMessage(kUs), shortPlain(amount.value)),
                  QString::fromLatin1(row.money))
            << qPrintable(shown);
    }
}

TEST(InputRulesTest, RangeMessagesNameTheAllowedRange) {
    EXPECT_EQ(measureRangeMessage(), QStringLiteral("This field must be a number between 0 and 2147483647."));
    EXPECT_EQ(amountRangeMessage(kUs),
              QStringLiteral("This field must be an amount between $0.00 and $999,999,999.99."));
    EXPECT_EQ(percentRangeMessage(), QStringLiteral("This field must be a number between 0 and 1000."));
    EXPECT_EQ(tooLongMessage(15), QStringLiteral("This field cannot be any longer than 15 characters."));
}

TEST(InputRulesTest, MeasureKeepsTheTypedFraction) {
    const Measure measure = readMeasure(QStringLiteral("12.5"), kMustBeNumber, kUs);
    EXPECT_EQ(measure.value, 12.5);
    EXPECT_EQ(measure.whole, 12);
    EXPECT_EQ(readMeasure(QStringLiteral("12,5"), kMustBeNumber, QLocale(QStringLiteral("de_DE"))).value,
              12.5);
}

TEST(InputRulesTest, ARowIdIsAnyWholeNumberAndOneNoKeyCanBeNamesNoRow) {
    const struct {
        const char* input;
        std::optional<std::int32_t> id;
    } kRows[] = {{"7", 7},
                 {"-3", -3},
                 {"2.5", 2},
                 {"99999999999", kNoRowId},
                 {"-99999999999", kNoRowId},
                 {"", std::nullopt},
                 {"abc", std::nullopt}};
    for (const auto& row : kRows)
        EXPECT_EQ(readRowId(QString::fromLatin1(row.input), kUs), row.id) << row.input;
}

TEST(InputRulesTest, CharactersCountAsTheDatabaseCountsThem) {
    EXPECT_EQ(charCount(repeated(kHouse, 13)), 13);
    EXPECT_EQ(charCount(u("Jose\u0301")), 5); // the accent is a character of its own
    EXPECT_EQ(charCount(QString(QChar(0xD800))), 1);
    EXPECT_EQ(charCount(QString()), 0);
}

TEST(InputRulesTest, TrimBlanksDropsOnlyTheEnds) {
    const std::pair<QString, QString> cases[] = {
        {u("  Ann  "), u("Ann")},
        {u("\u3000Ann\u200b"), u("Ann")},
        {u("Tear Off"), u("Tear Off")},
        {u("\u00a0Tear  Off\t"), u("Tear  Off")},
        {u("   "), u("")},
        {u(""), u("")},
    };
    for (const auto& [text, trimmed] : cases)
        EXPECT_EQ(trimBlanks(text), trimmed) << qPrintable(text);
    for (const QString& text : {u("Tear Off"), u("a\tb"), u("An\u200bn"), u("evil\u202e.exe"), u("\u3000")})
        EXPECT_TRUE(holdsBlank(text)) << qPrintable(text);
    for (const QString& text : {u("db1.office"), u("東京"), u("")})
        EXPECT_FALSE(holdsBlank(text)) << qPrintable(text);
}

TEST(InputRulesTest, NamesThatLookTheSameShareAKey) {
    const std::pair<QString, QString> same[] = {
        {u("ÖlzGarage"), u("ölzgarage")},
        {u("Jos\u00e9"), u("Jose\u0301")},
        {u("L\u200bee"), u("Lee")},
        {u("Straße"), u("STRASSE")},
        {u("\u1e9e"), u("ss")},
        {u("ﬁle"), u("FILE")},
        {u("ΣΊΣΥΦΟΣ"), u("σίσυφος")},
        {u("Ann\u00a0Lee"), u("ann lee")},
        {u("\u212a"), u("k")},
    };
    for (const auto& [a, b] : same)
        EXPECT_EQ(nameKey(a), nameKey(b)) << qPrintable(a) << " / " << qPrintable(b);
    const std::pair<QString, QString> different[] = {
        {u("Lee"), u("Leo")}, {u("José"), u("Jose")}, {u("Ann Lee"), u("AnnLee")}, {u("Öl"), u("Ol")}};
    for (const auto& [a, b] : different)
        EXPECT_NE(nameKey(a), nameKey(b)) << qPrintable(a) << " / " << qPrintable(b);
}

TEST(InputRulesTest, PercentagesAreExactAndBounded) {
    const struct {
        const char* text;
        std::int64_t tenThousandths; // -1: refused
        const char* plain;
    } cases[] = {
        {"15", 150000, "15"}, {"7.65", 76500, "7.65"},    {"7.65%", 76500, "7.65"}, {" 45 % ", 450000, "45"},
        {"0", 0, "0"},        {"1000", 10000000, "1000"}, {"0.00005", 1, "0.0001"},
    };
    for (const auto& c : cases) {
        const Percent percent = readPercent(QString::fromLatin1(c.text), kMustBeNumber, kUs);
        EXPECT_TRUE(percent.ok()) << c.text;
        EXPECT_EQ(percent.tenThousandths, c.tenThousandths) << c.text;
        EXPECT_EQ(percent.plain(), QString::fromLatin1(c.plain)) << c.text;
    }
    EXPECT_EQ(readPercent(QStringLiteral("7.65"), kMustBeNumber, kUs).factor(), 0.0765);
    for (const char* range : {"-1", "1000.0001", "99999999999999999999"})
        EXPECT_EQ(readPercent(QString::fromLatin1(range), kMustBeNumber, kUs).problem, percentRangeMessage())
            << range;
    for (const char* bad : {"abc", "15%%", "%15", "1e2"})
        EXPECT_EQ(readPercent(QString::fromLatin1(bad), kMustBeNumber, kUs).problem, kMustBeNumber) << bad;
}

TEST(InputRulesTest, CoverageIsPositiveAndExact) {
    const struct {
        const char* text;
        std::int64_t tenThousandths; // 0: refused with the range message
    } cases[] = {{"33.3333", 333333},
                 {" 20 ", 200000},
                 {"0.0001", 1},
                 {"0.00005", 1},
                 {"2147483647", 21474836470000},
                 {"0", 0},
                 {"-10", 0},
                 {"0.00004", 0},
                 {"2147483647.0001", 0},
                 {"99999999999", 0}};
    for (const auto& c : cases) {
        const Coverage coverage = readCoverage(QString::fromLatin1(c.text), kMustBeNumber, kUs);
        EXPECT_EQ(coverage.tenThousandths, c.tenThousandths) << c.text;
        EXPECT_EQ(coverage.problem, c.tenThousandths ? QString() : coverageRangeMessage()) << c.text;
    }
    EXPECT_EQ(readCoverage(QStringLiteral("33.3300"), kMustBeNumber, kUs).plain(), QStringLiteral("33.33"));
    EXPECT_EQ(readCoverage(QStringLiteral("  "), QStringLiteral("blank"), kUs).problem,
              QStringLiteral("blank"));
    EXPECT_EQ(readCoverage(QStringLiteral("12a"), kMustBeNumber, kUs).problem, kMustBeNumber);
}

TEST(InputRules, FeetAndInches) {
    struct Case {
        const char* text;
        double feet; // 0: refused with `problem`
        QString problem;
    };
    const QString blank = QStringLiteral("blank"), zero = QStringLiteral("zero");
    const Case cases[] = {
        {"40", 40, {}},
        {"40'", 40, {}},
        {"40' 6\"", 40.5, {}},
        {"40'6\"", 40.5, {}},
        {"40.5", 40.5, {}},
        {" 40 ft 6 in ", 40.5, {}},
        {"6\"", 0.5, {}},
        {"18''", 1.5, {}},
        {"1,200", 1200, {}},
        {"  ", 0, blank},
        {"\u200B", 0, blank},
        {"0' 0\"", 0, zero},
        {"-40", 0, measureRangeMessage()},
        {"40' -6\"", 0, measureRangeMessage()},
        {"99999999999", 0, measureRangeMessage()},
        {"forty", 0, kMustBeFeet},
        {"40' 6' ", 0, kMustBeFeet},
        {"'", 0, kMustBeFeet},
        {"40'; DROP TABLE Plan", 0, kMustBeFeet},
        {"1e3", 0, kMustBeFeet},
    };
    for (const Case& c : cases) {
        const FeetLength length = readFeet(QString::fromUtf8(c.text), blank, zero, kUs);
        EXPECT_EQ(length.problem, c.problem) << c.text;
        EXPECT_DOUBLE_EQ(length.feet, c.feet) << c.text;
    }
}
