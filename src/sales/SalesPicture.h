#pragma once

#include "data/DataAccess.h"
#include "sales/SalesSum.h"

#include <QDate>
#include <QList>
#include <optional>

namespace qx {

// The span of time the Sales window's figures cover, in the order its period list offers them.
enum class SalesPeriod { Last12Months = 0, ThisYear = 1, AllTime = 2 };
QStringList salesPeriodNames();
// The first day the period covers as of `today`; an invalid date for all time.
QDate periodStart(SalesPeriod period, const QDate& today);

// Estimates made in a span (by their date), how many of them were accepted and what those are worth.
// An estimate without a stored total counts in the counts, not in the value; so does one whose stored
// total is none an estimate can have (beyond kMaxTotal either way, or no whole number of
// ten-thousandths).
struct SalesTally {
    int estimates = 0;
    int accepted = 0;
    SalesSum acceptedValue;
    bool operator==(const SalesTally&) const = default;
};

struct MonthTally {
    QDate month; // its first day
    SalesTally tally;
};

struct TypeTally {
    QString type;
    SalesTally tally;
};

struct SalesFigures {
    int pending = 0;
    SalesSum pendingValue;
    int accepted = 0;
    int rejected = 0;
    int acceptedWithTotal = 0;
    SalesSum acceptedValue;
    int unknownTotals = 0;
    QList<MonthTally> months; // the last 12 months, newest first
    QList<TypeTally> types;   // one per estimate type, in name order

    int decided() const { return accepted + rejected; }
    // The mean of the accepted estimates' stored totals, to the cent; nothing when none has one.
    std::optional<Money> averageAccepted() const;
};

// A Pending estimate whose validity ends within a week or has ended.
struct FollowUpEstimate {
    qint64 id = 0; // as the register holds it
    QString name;
    int daysLeft = 0; // 0 on the expiry day, negative after it
};

// The business at a glance, read from the register (its stored totals, never the estimates' files).
class SalesPicture {
public:
    static constexpr int kFollowUpDays = 7;
    static constexpr int kMonths = 12;

    SalesPicture(DataAccess& data, const Conn& mastConn);

    // Every figure of `period` as of `today`, from one grouped read of the register. Throws Failure.
    SalesFigures figures(SalesPeriod period, const QDate& today);
    // The Pending estimates to call about: those still valid first, the soonest to end first, then
    // those already ended, the most recently ended first. Throws Failure.
    QList<FollowUpEstimate> followUp(const QDate& today);
    // How many estimates followUp lists, counted by the register itself. Throws Failure.
    int followUpCount(const QDate& today);

private:
    DataAccess& m_data;
    Conn m_mast;
};

} // namespace qx
