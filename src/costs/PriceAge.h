#pragma once

#include "data/AppContext.h"

#include <QDate>
#include <optional>

namespace qx {

// How old a price may be before the estimate warns about it: the setup value "Warn when prices are older
// than (days)", kept under Op/PriceAge.
namespace PriceAge {

inline const QString kSection = QStringLiteral("Op");
inline const QString kKey = QStringLiteral("PriceAge");
inline constexpr int kDefaultDays = 90;
inline const QString kLabel = QStringLiteral("Warn when prices are older than (days)");

// The stored number of days; the default when none is stored (a store from before the setting, or one
// never saved from the setup screen) or it is no whole number.
int days(const SettingsStore& store);
// The rule of the setup box: a whole number of days (input rules' measure), else its message.
std::optional<QString> problem(const QString& text);
// Stores a checked value in plain digits.
void save(SettingsStore& store, const QString& text);

// The number of lines of the open estimate whose price is older than `days` days on `today`: a cost
// item's line when the item's price date is, a unit item's line when a component's is. A price whose
// date is unknown counts as current. Throws Failure.
int staleLines(AppContext& ctx, int days, const QDate& today);
// "3 lines use prices older than 90 days"; empty when no line does.
QString note(int lines, int days);
// The note for the open estimate with the stored setting, today; empty when it cannot be figured.
QString noteForEstimate(AppContext& ctx);

} // namespace PriceAge

} // namespace qx
