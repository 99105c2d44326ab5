#include "sales/SalesPicture.h"

#include "data/DateText.h"
#include "data/InputRules.h"
#include "estimate/OpenList.h"

#include <algorithm>

namespace qx {

namespace {

const QString kPending = QStringLiteral("Pending");
const QString kAccepted = QStringLiteral("Accepted");
const QString kRejected = QStringLiteral("Rejected");

QDate firstOfMonth(const QDate& day) {
    return QDate(day.year(), day.month(), 1);
}

// The Pending estimates whose validity (date + length days) ends on or before `lastDay`.
const QString kDueCondition =
    QStringLiteral("eststatus='Pending' and date(estdate,'+'||coalesce(estlength,0)||' days')<=?");

} // namespace

QStringList salesPeriodNames() {
    return {QStringLiteral("Last 12 months"), QStringLiteral("This year"), QStringLiteral("All time")};
}

QDate periodStart(SalesPeriod period, const QDate& today) {
    switch (period) {
    case SalesPeriod::Last12Months:
        return firstOfMonth(today).addMonths(-(SalesPicture::kMonths - 1));
    case SalesPeriod::ThisYear:
        return QDate(today.year(), 1, 1);
    case SalesPeriod::AllTime:
        break;
    }
    return {};
}

std::optional<Money> SalesFigures::averageAccepted() const {
    // To the cent, straight from the exact sum.
    return acceptedValue.meanToCents(acceptedWithTotal);
}

SalesPicture::SalesPicture(DataAccess& data, const Conn& mastConn)
    : m_data(data)
    , m_mast(mastConn) {}

SalesFigures SalesPicture::figures(SalesPeriod period, const QDate& today) {
    // The chart always shows the last 12 months, whatever the period.
    const QDate chartStart = periodStart(SalesPeriod::Last12Months, today);
    const QDate start = periodStart(period, today);
    const QDate readFrom = start.isValid() ? std::min(start, chartStart) : start;
    // One row per month, type and status: the register does the counting. A stored total counts only
    // when it is one an estimate can have; it is added up in its two 32-bit halves, whose sums cannot
    // pass 64 bits in any register, and the halves are put together here without a limit.
    const QVariant from = readFrom.isValid() ? QVariant(storedDate(readFrom)) : QVariant();
    const ResultSet groups = m_data.Read(
        m_mast,
        QStringLiteral("select substr(estdate,1,7),esttype,eststatus,count(*),count(known),"
                       "coalesce(sum(known/4294967296),0),coalesce(sum(known%4294967296),0) "
                       "from (select estdate,esttype,eststatus,case when esttotal between ? and ? and "
                       "esttotal=cast(esttotal as bigint) then esttotal end as known from master "
                       "where ? is null or estdate>=?) as dated group by 1,2,3"),
        {qint64(-kMaxTotal.raw()), qint64(kMaxTotal.raw()), from, from});

    SalesFigures figures;
    for (int i = 0; i < kMonths; ++i)
        figures.months.append({firstOfMonth(today).addMonths(-i), {}});
    const QString firstMonth = start.isValid() ? storedDate(start).left(7) : QString();
    for (const QVariantList& row : groups.rows) {
        const QString month = row.at(0).toString();
        const QString status = row.at(2).toString();
        const int count = int(row.at(3).toLongLong());
        const int known = int(row.at(4).toLongLong());
        const SalesSum value = SalesSum::fromHalves(row.at(5).toLongLong(), row.at(6).toLongLong());
        const bool accepted = status.compare(kAccepted, Qt::CaseInsensitive) == 0;
        const auto add = [&](SalesTally& tally) {
            tally.estimates += count;
            if (accepted) {
                tally.accepted += count;
                tally.acceptedValue += value;
            }
        };
        const QDate monthStart = dateFromStored(month + QStringLiteral("-01"));
        if (monthStart.isValid()) {
            const int back = (today.year() - monthStart.year()) * 12 + today.month() - monthStart.month();
            if (back >= 0 && back < kMonths)
                add(figures.months[back].tally);
        }
        if (!firstMonth.isEmpty() && !(month >= firstMonth))
            continue;
        figures.unknownTotals += count - known;
        if (status.compare(kPending, Qt::CaseInsensitive) == 0) {
            figures.pending += count;
            figures.pendingValue += value;
        } else if (accepted) {
            figures.accepted += count;
            figures.acceptedWithTotal += known;
            figures.acceptedValue += value;
        } else if (status.compare(kRejected, Qt::CaseInsensitive) == 0) {
            figures.rejected += count;
        }
        const QString type = row.at(1).toString();
        auto it = std::find_if(figures.types.begin(), figures.types.end(), [&](const TypeTally& t) {
            return t.type.compare(type, Qt::CaseInsensitive) == 0;
        });
        if (it == figures.types.end()) {
            figures.types.append({type, {}});
            it = figures.types.end() - 1;
        }
        add(it->tally);
    }
    std::sort(figures.types.begin(), figures.types.end(), [](const TypeTally& a, const TypeTally& b) {
        return a.type.compare(b.type, Qt::CaseInsensitive) < 0;
    });
    return figures;
}

QList<FollowUpEstimate> SalesPicture::followUp(const QDate& today) {
    const ResultSet rows = m_data.Read(
        m_mast, QStringLiteral("select id,estname,estdate,estlength from master where ") + kDueCondition,
        {storedDate(today.addDays(kFollowUpDays))});
    QList<FollowUpEstimate> list;
    for (const QVariantList& row : rows.rows)
        list.append({row.at(0).toLongLong(), row.at(1).toString(),
                     daysLeft(dateFromStored(row.at(2).toString()), int(row.at(3).toLongLong()), today)});
    std::stable_sort(list.begin(), list.end(), [](const FollowUpEstimate& a, const FollowUpEstimate& b) {
        const bool aValid = !hasExpired(a.daysLeft);
        const bool bValid = !hasExpired(b.daysLeft);
        if (aValid != bValid)
            return aValid;
        return aValid ? a.daysLeft < b.daysLeft : a.daysLeft > b.daysLeft;
    });
    return list;
}

int SalesPicture::followUpCount(const QDate& today) {
    return int(m_data
                   .ReadScalar(m_mast, QStringLiteral("select count(*) from master where ") + kDueCondition,
                               {storedDate(today.addDays(kFollowUpDays))})
                   .toLongLong());
}

} // namespace qx
