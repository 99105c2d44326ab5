#pragma once

#include "costs/ItemTags.h"
#include "data/AppContext.h"
#include "lines/AdminAmount.h"

#include <array>
#include <optional>

namespace qx {

// The summary and payment terms stored with an opened estimate (null columns stay empty).
struct EstimateTexts {
    std::optional<QString> terms;
    std::optional<QString> summary;
};

// The money side of the open estimate: the six category subtotals, the line total, the four
// administrative amounts, their sum and the estimate total. Every figure is a Money value rounded to
// cents exactly as the screen shows it, so the screen, the detail report and the proposal and contract
// agree to the cent. Percentages apply to the line total alone, never to other amounts.
class EstimateTotals {
public:
    static constexpr int kAdminCount = 4;
    enum AdminIndex { Overhead = 0, Profit = 1, Contingency = 2, Management = 3 };

    explicit EstimateTotals(AppContext& ctx);

    // Every figure 0 and every administrative amount a fixed 0 (closing an estimate, a new one).
    void reset();

    // A new estimate's administrative amounts from the settings (section "Op", positions 1 to 4).
    // A value that cannot be read is reported (FigureAdmin) and leaves that amount as it was.
    void PopAdmin();
    // An opened estimate's administrative amounts from its Main row; an empty column is a fixed 0.
    // Returns the stored summary and terms for the caller to show; a failure is reported (procedure
    // PopEstAdmin of module modEst) and the remaining columns are not loaded.
    EstimateTexts PopEstAdmin(const Conn& estimateFile);
    // The same without the report: throws Failure.
    EstimateTexts loadStoredAdmin(const Conn& estimateFile);
    // Sets administrative amount `index` from a kind ("Fixed" or a percentage) and a number text. A
    // number that cannot be read, or is negative, is reported (procedure FigureAdmin of module modGrid)
    // and changes nothing; returns false then.
    bool FigureAdmin(int index, const QString& kind, const QString& number);
    // Why a typed administrative amount `index` cannot be taken (fixed: an amount, else a percentage):
    // the input rules, then the estimate's total it would give; nothing when it can.
    std::optional<QString> adminRefusal(int index, bool fixed, const QString& text) const;
    // Why the lines cannot come to `linesTotal`: it, or the estimate's total it gives with the current
    // administrative amounts, would be more than kMaxTotal; nothing when they can.
    std::optional<QString> totalRefusal(Money linesTotal) const;
    // Recomputes every total from the working lines and the administrative amounts. Throws Failure
    // (the calling operation reports it).
    void FigureEstAdmin();
    // The estimate total of a stored estimate, figured from its file's lines and administrative
    // amounts exactly as Terms/Totals figures it once the estimate is opened. Throws Failure.
    Money storedEstimateTotal(const Conn& estimateFile);

    const AdminAmount& admin(int index) const { return m_admin.at(size_t(index)); }
    void setAdmin(int index, const AdminAmount& amount);
    // The administrative amount `index` on the current line total, in cents.
    Money adminAmount(int index) const;

    Money category(int index) const { return m_categories.at(size_t(index)); }
    Money lineTotal() const { return m_lineTotal; }
    Money adminTotal() const;
    Money estimateTotal() const { return m_lineTotal + adminTotal(); }

    // The frames' captions ("Overhead", "Profit", "Contingency", "Management").
    static QString adminCaption(int index);
    // The settings key and Main column of amount `index` (they share the caption's name).
    static QString adminKey(int index) { return adminCaption(index); }
    // What the save stores in Main for the summary and the terms.
    static QString storedSummary(const QString& text);
    static QString storedTerms(const QString& text);

private:
    // The category subtotals and the line total from the lines of `table` in `file`.
    void figureLines(const Conn& file, const QString& table);

    using AdminAmounts = std::array<AdminAmount, kAdminCount>;
    static Money adminTotalOn(const AdminAmounts& admin, Money linesTotal);
    static std::optional<QString> refusalOf(const AdminAmounts& admin, Money linesTotal);

    AppContext& m_ctx;
    AdminAmounts m_admin{};
    std::array<Money, kCategoryCount> m_categories{};
    Money m_lineTotal;
};

} // namespace qx
