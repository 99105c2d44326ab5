#pragma once

#include <QString>

namespace qx {

// A spreadsheet runs a cell that starts with = + - @ (or a tab or carriage return) as a formula. Texts
// written to a price list are guarded by a leading apostrophe, which spreadsheets show as plain text;
// a text that starts with an apostrophe itself gets one more, so reading back is exact.
QString guardFormula(const QString& text);
// The text a guarded cell stands for: one leading apostrophe before = + - @, a tab, a carriage return
// or another apostrophe is dropped; every other text stays as it is.
QString unguardFormula(const QString& text);

} // namespace qx
