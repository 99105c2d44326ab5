#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace qx {

// Reading numbers the way a user types them, shared by amounts and whole numbers so that both boxes
// accept the same texts.

// An unsigned number in the locale's format (its decimal point and grouping) or in the C format
// (digits and "." without grouping), its digits from any script (fullwidth "１２" reads as 12), rewritten as
// plain C text: "1.234,5" in de_DE gives "1234.5". Grouping must stand where the locale puts it, so "1,00" is
// no number in en_US. Empty when the text is not a number.
std::optional<QString> plainDecimal(const QString& text, const QLocale& locale);

// Removes a sign (the C "-" and "+", or the locale's) from the start or the end of text. Empty when there is
// none there; otherwise whether the sign was a minus.
std::optional<bool> takeLeadingSign(QString& text, const QLocale& locale);
std::optional<bool> takeTrailingSign(QString& text, const QLocale& locale);

// A signed number as a user types it: optional blanks around it, an optional sign at its start, then
// plainDecimal. "-1234.5" style C text of any length (no range is checked here); empty when the text is
// not a number.
std::optional<QString> signedPlainDecimal(const QString& text, const QLocale& locale);

// A stored plain decimal ("1250.125") as a user types it in the locale, without grouping ("1250,125" in
// de_DE), so that a box showing it reads it back as the same number: as C text, "1.125" would read as 1125
// where "." groups thousands. Any other text is returned as it is.
QString typedFormOfPlain(const QString& text, const QLocale& locale);

} // namespace qx
