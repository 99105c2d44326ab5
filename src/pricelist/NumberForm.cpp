#include "pricelist/NumberForm.h"

#include "data/FormulaGuard.h"

namespace qx {

namespace {

enum class Tells { Point, Comma, Ambiguous, Nothing };

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// What one price cell tells: only its digits and marks count ("$1,234.50" is "1,234.50").
Tells tellsOf(const QString& cell) {
    int points = 0, commas = 0;
    QChar lastMark, firstDigit;
    qsizetype digitsBefore = 0, digitsAfter = 0; // before the first mark, after the last one
    for (const QChar c : cell) {
        if (isDigit(c)) {
            if (firstDigit.isNull())
                firstDigit = c;
            ++(lastMark.isNull() ? digitsBefore : digitsAfter);
        } else if (c == u'.' || c == u',') {
            ++(c == u'.' ? points : commas);
            lastMark = c;
            digitsAfter = 0;
        }
    }
    if (lastMark.isNull())
        return Tells::Nothing;
    const Tells lastIsDecimal = lastMark == u'.' ? Tells::Point : Tells::Comma;
    const Tells lastGroups = lastMark == u'.' ? Tells::Comma : Tells::Point;
    if (points > 0 && commas > 0)
        return lastIsDecimal;
    if (points + commas > 1)
        return lastGroups;
    // One mark groups thousands only with three digits after it and one to three before it, the first
    // no zero ("0.125" is a fraction).
    const bool couldGroup = digitsAfter == 3 && digitsBefore >= 1 && digitsBefore <= 3 && firstDigit != u'0';
    return couldGroup ? Tells::Ambiguous : lastIsDecimal;
}

} // namespace

QStringList numberFormEntries() {
    return {QStringLiteral("1,234.56"), QStringLiteral("1.234,56")};
}

NumberForm numberFormOf(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? NumberForm::Comma : NumberForm::Point;
}

QLocale readingLocale(NumberForm form, const QLocale& user) {
    const bool point = form == NumberForm::Point;
    if (user.decimalPoint() == (point ? QStringLiteral(".") : QStringLiteral(",")) &&
        user.groupSeparator() == (point ? QStringLiteral(",") : QStringLiteral(".")))
        return user;
    return point ? QLocale(QLocale::English, QLocale::UnitedStates)
                 : QLocale(QLocale::German, QLocale::Germany);
}

NumberFormGuess guessNumberForm(const QList<CsvTable::Record>& records, int column) {
    NumberFormGuess guess;
    if (column < 0)
        return guess;
    int points = 0, commas = 0;
    for (const CsvTable::Record& record : records) {
        const QString cell = record.fields.value(column);
        switch (tellsOf(cell)) {
        case Tells::Point:
            ++points;
            break;
        case Tells::Comma:
            ++commas;
            break;
        case Tells::Ambiguous:
            if (guess.ambiguous.isEmpty())
                guess.ambiguous = unguardFormula(cell.trimmed());
            break;
        case Tells::Nothing:
            break;
        }
    }
    if (points != commas)
        guess.form = points > commas ? NumberForm::Point : NumberForm::Comma;
    if (guess.form)
        guess.ambiguous.clear();
    return guess;
}

} // namespace qx
