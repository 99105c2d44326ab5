#pragma once

#include "pricelist/CsvReader.h"

#include <QLocale>
#include <QStringList>
#include <optional>

namespace qx {

// How a price list writes its numbers: a point before the decimals and commas between the thousands
// ("1,234.56"), or the other way round ("1.234,56"). "1.234" alone can be either: the file as a whole,
// or the user, must say which.
enum class NumberForm { Point, Comma };

// The entries of the import form's number box, in the order of NumberForm: "1,234.56", "1.234,56".
QStringList numberFormEntries();
// The form the locale writes numbers in: Comma where its decimal point is a comma.
NumberForm numberFormOf(const QLocale& locale);
// The locale a price of the form is read in: the user's own when it writes numbers that way (its
// currency sign is then taken too), else en_US or de_DE.
QLocale readingLocale(NumberForm form, const QLocale& user = QLocale());

// What the cells of a column tell about the form.
struct NumberFormGuess {
    std::optional<NumberForm> form; // what the file shows; nothing when no cell tells
    QString ambiguous;              // the first cell that can be read both ways, when no cell tells
};
// Looks at every record's cell in `column` (-1: none): a cell with both marks ("1,234.56"), with a mark
// repeated ("1.234.567"), or with one mark followed by other than three digits ("44.5") tells the form;
// a single mark followed by three digits ("1.234") does not. Cells that disagree are outvoted; a tie
// tells nothing.
NumberFormGuess guessNumberForm(const QList<CsvTable::Record>& records, int column);

} // namespace qx
