#pragma once

#include "data/Money.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

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
    QString percent; // the percentage as plain decimal text without "%", "15.5" (Percent only)
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
    // What the "Admin Amounts" box shows for it in the user's format ("$100.00", "15,5" in de_DE): what
    // typedAdminAmount reads back as this amount.
    QString boxText(const QLocale& locale = QLocale()) const;

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

// A stored amount (the settings, an estimate's file) from its kind and number text; nothing when the
// number cannot be read or is out of range. A plain decimal number is read as such in every locale
// ("1.125" is one and an eighth, even where "." groups thousands); anything else, such as a currency
// text "$100.00" written by hand, in the user's format. A percentage is kept in its shortest plain form
// ("15.50" and "15.5 %" both give 15.5).
std::optional<AdminAmount> readAdminAmount(const QString& kind, const QString& number);
// What was typed in the "Admin Amounts" box (fixed: an amount, else a percentage), in the user's format;
// nothing when adminAmountRefusal refuses it.
std::optional<AdminAmount> typedAdminAmount(bool fixed, const QString& text,
                                            const QLocale& locale = QLocale());
// Why a typed administrative amount cannot be taken (fixed: an amount, else a percentage), by the
// input rules; nothing when it can.
std::optional<QString> adminAmountRefusal(bool fixed, const QString& text);

// The percentage `tenThousandths` (7.65 % is 76500) of `base`, rounded to cents half away from zero.
Money percentOf(Money base, std::int64_t tenThousandths);

} // namespace qx
