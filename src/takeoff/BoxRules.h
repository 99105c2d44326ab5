#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace qx {

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
