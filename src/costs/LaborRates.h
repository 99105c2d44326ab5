#pragma once

#include "costs/Decimal.h"
#include "data/DataAccess.h"
#include "data/SettingsStore.h"

#include <array>
#include <optional>

namespace qx {

// The four burdens of a labor rate in the order of their boxes (txtLabor 1 to 4) and of the "%"
// labels (lblPerct 0 to 3).
enum class Burden { Fringe, WorkComp, EmpTaxes, Other };
constexpr int kBurdenCount = 4;
using BurdenTexts = std::array<QString, kBurdenCount>;

// The default burden percentages of the settings (section Op), indexed by Burden. A value that is
// not a number counts as 0.
using BurdenPercents = std::array<Decimal, kBurdenCount>;
BurdenPercents readBurdenPercents(const SettingsStore& settings);

// The percentage calculator's name label for a burden: "Fringe %", "Work Comp %", ...
QString burdenCaption(Burden burden);

// The burden proposal: each burden is its default percentage of the base rate alone, as plain
// number text. Nothing when the base rate is not a rate.
std::optional<BurdenTexts> ComputeDefault(const QString& base, const BurdenPercents& percents);

// A burden figured by the percentage calculator: `percentage` percent of `base`, as plain number
// text. Nothing when either is not a rate.
std::optional<QString> percentageOf(const QString& percentage, const QString& base);
// The percentage calculator opens only on a base rate that is a number other than 0.
bool opensPercentage(const QString& base);

// The burdened rate of the five boxes: the burdens rounded to three decimals (halves to even), then
// base and burdens added as money.
struct RateTotal {
    // The first box (0 = base, 1 to 4 = burdens) that holds no rate, or 0 when the burdened rate would
    // exceed the amount range; -1 when none.
    int problemBox = -1;
    QString problem;
    BurdenTexts burdens; // the rounded burden texts the boxes show
    Money base;          // the amounts as stored
    std::array<Money, kBurdenCount> burdenAmounts;
    Money total;

    bool ok() const { return problemBox < 0; }
};
RateTotal ComputeTotal(const QString& base, const BurdenTexts& burdens);

// The stored parts of a labor rate.
struct StoredRate {
    Money base;
    std::array<Money, kBurdenCount> burdens;
};

// A rate's job title and notes.
struct RateTitle {
    QString title;
    QString notes;
};

// Labor rates in the cost database: a costitem row (type Labor, category Hourly, unit hr, the job
// title as name, the notes as description, the burdened rate as amount) with its laborcost row.
class LaborRates {
public:
    LaborRates(DataAccess& data, const Conn& cost);

    // Why a job title cannot name a rate: empty, or longer than the name column.
    static std::optional<QString> titleProblem(const QString& title);
    // Stores a new rate named `title` (no amount yet) with its empty laborcost row; returns its key.
    std::optional<qint32> nameRate(const QString& title);
    // The stored parts of rate `id`. A rate without a laborcost row (an Hourly item made in the cost
    // item editor) gets an empty one.
    std::optional<StoredRate> load(qint32 id);
    // The job title and notes of rate `id`.
    std::optional<RateTitle> PopCostItem(qint32 id);
    // Why the notes cannot be stored.
    static std::optional<QString> notesProblem(const QString& notes);
    // Stores the parts, the notes and the burdened rate of rate `id` together.
    bool save(qint32 id, const RateTotal& rate, const QString& notes);

private:
    DataAccess& m_data;
    const Conn& m_cost;
};

} // namespace qx
