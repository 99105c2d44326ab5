#pragma once

#include "data/Money.h"

#include <QString>
#include <cstdint>

namespace qx {

// One administrative amount of an estimate (overhead, profit, contingency, management): a percentage
// of the line total or a fixed amount.
//
// Stored as text: kind + "-" + number. Kind "Fixed" is a fixed amount ("Fixed-100.00"; readers also
// accept a currency text such as "Fixed-$100.00"); any other kind is a percentage ("%-15"). The number
// itself never holds a "-": negative amounts are refused before they are stored.
struct AdminAmount {
    enum class Kind { Percent, Fixed };

    Kind kind = Kind::Fixed;
    QString percent; // the percentage as its kind label shows it, without "%" (Percent only)
    Money fixed;     // the fixed amount, in cents as shown (Fixed only)

    static AdminAmount fixedAmount(Money amount) { return {Kind::Fixed, {}, amount.roundedToCents()}; }
    static AdminAmount percentage(const QString& percent) { return {Kind::Percent, percent, {}}; }

    bool isFixed() const { return kind == Kind::Fixed; }
    // The kind label: "Fixed @", or the percentage followed by "%" ("15%").
    QString kindLabel() const;
    // The amount on a line total, rounded to cents: what the amount label shows and what every total
    // counts. A percentage whose number cannot be read counts nothing.
    Money amountOn(Money lineTotal) const;
    // The stored text: "Fixed-100.00" or "%-15".
    QString encoded() const;

    bool operator==(const AdminAmount&) const = default;
};

inline const QString kFixedKind = QStringLiteral("Fixed");
inline const QString kFixedLabel = QStringLiteral("Fixed @");

// A stored text split at "-": the first piece is the kind, the second the number ("" when missing).
struct AdminText {
    QString kind;
    QString number;
};
AdminText splitAdminText(const QString& text);
bool isFixedKind(const QString& kind);

// The percentage `tenThousandths` (7.65 % is 76500) of `base`, rounded to cents half away from zero.
Money percentOf(Money base, std::int64_t tenThousandths);

} // namespace qx
