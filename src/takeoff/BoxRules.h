#pragma once

#include "data/Prompter.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace qx {

// The rules every roof input box follows when it loses the focus. Each returns the text the box must
// be given when its content was refused (the message has then been shown and the box keeps the
// focus), or nothing when the content stands.

// A box that must hold a number: anything else is refused with "This field must be a number." and
// the box is reset to "0".
std::optional<QString> leaveNumberBox(Prompter& prompter, const QString& text);

// A box whose column holds at most `maxChars` characters: a longer text is refused with "This field
// cannot be any longer than N characters." and the box is cleared.
std::optional<QString> leaveTextBox(Prompter& prompter, const QString& text, int maxChars);

// Characters as the database counts them (a character outside the basic plane counts once).
int charCount(const QString& text);

// A measure or length read for storing: the number as typed (fractions kept) and as a whole number.
struct Measure {
    double value = 0;
    std::int32_t whole = 0;
    QString problem; // empty when the text is good; otherwise the message that refuses it

    bool ok() const { return problem.isEmpty(); }
};

// Reads a typed measure. An empty (or blank) text is refused with `emptyMessage`, a text that is not
// a number with "This field must be a number.", a number outside the whole-number range with a
// message giving the range.
Measure readMeasure(const QString& text, const QString& emptyMessage);

} // namespace qx
