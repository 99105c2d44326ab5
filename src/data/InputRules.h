#pragma once

#include "data/Money.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

// Every entry box of the program checks what the user typed through these rules, so that a value means
// the same on every screen: what counts as blank, how long a text is, what a name that becomes a folder
// and file may hold, and which numbers, amounts and percentages a box accepts, with the messages that
// refuse the rest. Screens add no rules of their own.

namespace qx {

// ---- Messages

inline const QString kMustBeNumber = QStringLiteral("This field must be a number.");
// "This field cannot be any longer than N characters."
QString tooLongMessage(int maxLength);

// Input boxes turn this colour while they have the focus.
constexpr int kFocusRed = 255, kFocusGreen = 255, kFocusBlue = 192;

// ---- Text

// True when a reader would see nothing: the text holds only white space (any Unicode space, U+00A0 and
// U+3000 included), control characters, zero-width and other format characters (U+200B, U+202E, U+FEFF)
// and the other characters that never show (variation selectors, Hangul fillers, the blank Braille
// cell). An empty text is blank.
bool isBlank(const QString& text);
// The length as the database counts it: Unicode code points (an emoji counts once).
int charCount(const QString& text);
// tooLongMessage when the text has more than maxLength characters, else nothing.
std::optional<QString> checkLength(const QString& text, int maxLength);
// A box that must be filled: blankMessage when the text is blank, else checkLength.
std::optional<QString> checkRequired(const QString& text, int maxLength, const QString& blankMessage);
// True when any character of the text is blank as isBlank counts it (a space, a tab, U+200B inside
// "An\u200bn").
bool holdsBlank(const QString& text);
// The text without blank characters (as isBlank counts them) at either end: "  Ann  " gives "Ann".
QString trimBlanks(const QString& text);

// ---- Names that become folders and files

// The name a folder and file get: Unicode-normalised (NFC), without blanks and invisible characters
// (format and bidirectional controls such as U+200B and U+202E, control characters), without
// / \ : * ? " < > | # (they cannot stand in a file name or would break the register's lists) and without
// leading dots (a hidden folder). Empty when nothing is left.
QString fileNameOf(const QString& name);
// Two names with the same key would look the same to a user: the key is the name normalised and fully
// case folded ("Ölz" and "ölz", a decomposed and a precomposed "José", "Straße" and "STRASSE").
QString nameKey(const QString& name);

// ---- Numbers

// A whole-number measure, length or quantity: never negative, at most 2147483647 once rounded.
inline constexpr std::int32_t kMaxMeasure = 2147483647;
// "This field must be a number between 0 and 2147483647."
QString measureRangeMessage();

struct Measure {
    double value = 0;       // as typed, fraction kept (a lineal total counts it)
    std::int32_t whole = 0; // what is stored: rounded to the nearest, an exact half to the even neighbour
    QString problem;        // empty when the text is good; otherwise the message that refuses it

    bool ok() const { return problem.isEmpty(); }
};

// Reads a measure box. A blank text is refused with emptyMessage, a text that is no number with
// kMustBeNumber, a negative number or one too large (however many digits) with measureRangeMessage.
// Numbers are plain decimals in the locale's or the C format (no exponents, no hexadecimal).
Measure readMeasure(const QString& text, const QString& emptyMessage = kMustBeNumber,
                    const QLocale& locale = QLocale());

// A number typed to name a row (an ID of the estimate grid): any whole number as readMeasure reads it,
// a negative one too; nothing when the text is blank or no number. A number no row key can be, such as
// 99999999999, gives kNoRowId, which names no row either.
inline constexpr std::int32_t kNoRowId = -1;
std::optional<std::int32_t> readRowId(const QString& text, const QLocale& locale = QLocale());

// The rule of a measure box: checked when the box is left, and first by every command that uses the
// box. readMeasure's refusal (kMustBeNumber for a blank text too), else nothing. A box it refuses is
// reset to kNumberReset.
std::optional<QString> checkMeasure(const QString& text, const QLocale& locale = QLocale());
inline const QString kNumberReset = QStringLiteral("0");
// The text a measure box refused by a command is given, as leaving the box would give it:
// kNumberReset, except for a blank box, which keeps asking for its value.
std::optional<QString> resetTextOf(const QString& text, const Measure& measure);

// A length in feet and inches, as a plan's known length is typed: "40", "40'", "40' 6\"", "6\"",
// "40.5" (feet), with or without blanks between the parts; the feet mark may also be written "ft"
// and the inch mark "in" or two apostrophes. Each part is a number as readMeasure reads it.
inline const QString kMustBeFeet =
    QStringLiteral("This field must be a length in feet and inches, such as 40' 6\".");

struct FeetLength {
    double feet = 0; // inches count as twelfths
    QString problem; // empty when the text is good

    bool ok() const { return problem.isEmpty(); }
};

// Reads a length box. A blank text is refused with emptyMessage, a text that is no length with
// kMustBeFeet, a length of 0 with zeroMessage, one above kMaxMeasure feet with measureRangeMessage.
FeetLength readFeet(const QString& text, const QString& emptyMessage, const QString& zeroMessage,
                    const QLocale& locale = QLocale());

// A money amount: never negative, at most 999,999,999.99.
inline constexpr Money kMaxAmount = Money::fromCents(99'999'999'999);
// "This field must be an amount between $0.00 and $999,999,999.99." in the locale's currency format.
QString amountRangeMessage(const QLocale& locale = QLocale());

// A total of amounts (a line's quantity times its price, the estimate's line total and total): at most
// 999,999,999,999.99, so that every sum and percentage of one stays exact.
inline constexpr Money kMaxTotal = Money::fromCents(99'999'999'999'999);
// "The quantity times the price is more than a line can hold ($999,999,999,999.99)."
QString lineTotalRangeMessage(const QLocale& locale = QLocale());
// "This would take the estimate's total beyond what it can hold ($999,999,999,999.99)."
QString estimateTotalRangeMessage(const QLocale& locale = QLocale());

struct Amount {
    Money value; // exact, to four decimals (more are rounded half away from zero)
    QString problem;

    bool ok() const { return problem.isEmpty(); }
};

// Reads an amount box: the locale's currency format or a plain number. Refusals as readMeasure, with
// amountRangeMessage for a negative or too large amount.
Amount readAmount(const QString& text, const QString& emptyMessage = kMustBeNumber,
                  const QLocale& locale = QLocale());

// A percentage: never negative, at most 1000, exact to four decimals.
inline constexpr std::int64_t kMaxPercent = 1000;
// "This field must be a number between 0 and 1000."
QString percentRangeMessage();

struct Percent {
    std::int64_t tenThousandths = 0; // 7.65 % is 76500
    QString problem;

    bool ok() const { return problem.isEmpty(); }
    // The share of one it stands for: 7.65 % gives 0.0765 (whose shortest decimal is exactly that, so
    // Money's products take it as the exact decimal).
    double factor() const { return double(tenThousandths) / 1'000'000.0; }
    // Plain C text without trailing zeros: "7.65", "15".
    QString plain() const;
};

// Reads a percentage box: a number as readMeasure reads it, a "%" after it allowed. Refusals as
// readMeasure, with percentRangeMessage.
Percent readPercent(const QString& text, const QString& emptyMessage = kMustBeNumber,
                    const QLocale& locale = QLocale());

// What one purchase unit of a cost item covers on the roof, in square feet or feet: more than 0, at most
// kMaxMeasure, exact to four decimals (more are rounded half away from zero).
// "This field must be a number between 0.0001 and 2147483647."
QString coverageRangeMessage();

struct Coverage {
    std::int64_t tenThousandths = 0; // 33.3333 is 333333
    QString problem;

    bool ok() const { return problem.isEmpty(); }
    // Plain C text without trailing zeros: "33.3333", "20".
    QString plain() const;
};

// Reads a coverage box: a number as readMeasure reads it. Refusals as readMeasure, with
// coverageRangeMessage for 0, a negative number or one too large.
Coverage readCoverage(const QString& text, const QString& emptyMessage = kMustBeNumber,
                      const QLocale& locale = QLocale());

// ---- Passwords

// A password goes to the server as a C string: a NUL inside would end it there, and the part before
// would be tried as the whole password.
inline const QString kPasswordHoldsNul = QStringLiteral("A password cannot hold a NUL character (U+0000).");
// kPasswordHoldsNul for a password with a NUL, else nothing. Every other character is the user's choice.
std::optional<QString> checkPassword(const QString& password);

} // namespace qx
