#include "costs/PriceAge.h"

#include "costs/ItemTags.h"
#include "data/DateText.h"
#include "data/InputRules.h"

#include <QHash>

namespace qx::PriceAge {

int days(const SettingsStore& store) {
    const Measure measure = readMeasure(store.read(kAppName, kSection, kKey), kMustBeNumber, QLocale::c());
    return measure.ok() ? measure.whole : kDefaultDays;
}

std::optional<QString> problem(const QString& text) {
    return checkMeasure(text);
}

void save(SettingsStore& store, const QString& text) {
    store.write(kAppName, kSection, kKey, QString::number(readMeasure(text).whole));
}

int staleLines(AppContext& ctx, int days, const QDate& today) {
    const QString cutoff = storedDate(today.addDays(-qint64(days)));
    // The lines are few and the cost items may be many: each item a line uses is looked up by its key.
    QHash<qint32, int> itemLines;
    QHash<qint32, int> unitLines;
    for (const QVariantList& row :
         ctx.data.Read(ctx.conns.sTempConn, QStringLiteral("select itemtable, itemid from tplineitems"))
             .rows) {
        const bool unit = row.at(0).toString().compare(ItemTag::kUnitItem, Qt::CaseInsensitive) == 0;
        ++(unit ? unitLines : itemLines)[row.at(1).toInt()];
    }
    int count = 0;
    for (auto it = itemLines.cbegin(); it != itemLines.cend(); ++it) {
        if (!ctx.data
                 .ReadScalar(ctx.conns.sCostConn,
                             QStringLiteral("select 1 from costitem where ID=? and pricedate < ?"),
                             {it.key(), cutoff})
                 .isNull())
            count += it.value();
    }
    for (auto it = unitLines.cbegin(); it != unitLines.cend(); ++it) {
        if (!ctx.data
                 .ReadScalar(
                     ctx.conns.sCostConn,
                     QStringLiteral("select 1 from unititems inner join costitem on unititems.itemid = "
                                    "costitem.ID where unititems.matlaborid=? and costitem.pricedate < ? "
                                    "limit 1"),
                     {it.key(), cutoff})
                 .isNull())
            count += it.value();
    }
    return count;
}

QString note(int lines, int days) {
    if (lines == 0)
        return {};
    if (lines == 1)
        return QStringLiteral("1 line uses prices older than %1 days").arg(days);
    return QStringLiteral("%1 lines use prices older than %2 days").arg(lines).arg(days);
}

QString noteForEstimate(AppContext& ctx) {
    const int limit = days(ctx.settings);
    try {
        return note(staleLines(ctx, limit, QDate::currentDate()), limit);
    } catch (const Failure&) {
        // The note is advice only: an estimate whose prices cannot be dated shows none.
        return {};
    }
}

} // namespace qx::PriceAge
