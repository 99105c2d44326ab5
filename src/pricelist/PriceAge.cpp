#include "pricelist/PriceAge.h"

#include "data/DateText.h"
#include "data/InputRules.h"
#include "lines/ItemTags.h"

#include <QSet>

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
    QSet<qint32> staleItems;
    for (const QVariantList& row :
         ctx.data
             .Read(ctx.conns.sCostConn,
                   QStringLiteral("select ID from costitem where pricedate is not null and pricedate < ?"),
                   {cutoff})
             .rows)
        staleItems.insert(row.at(0).toInt());
    QSet<qint32> staleUnits;
    for (const QVariantList& row :
         ctx.data
             .Read(
                 ctx.conns.sCostConn,
                 QStringLiteral("select distinct unititems.matlaborid from unititems inner join costitem on "
                                "unititems.itemid = costitem.ID where costitem.pricedate is not null and "
                                "costitem.pricedate < ?"),
                 {cutoff})
             .rows)
        staleUnits.insert(row.at(0).toInt());
    int count = 0;
    for (const QVariantList& row :
         ctx.data.Read(ctx.conns.sTempConn, QStringLiteral("select itemtable, itemid from tplineitems"))
             .rows) {
        const qint32 id = row.at(1).toInt();
        const bool unit = row.at(0).toString().compare(ItemTag::kUnitItem, Qt::CaseInsensitive) == 0;
        if (unit ? staleUnits.contains(id) : staleItems.contains(id))
            ++count;
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
