#include "revisions/EstimateSnapshot.h"

#include "data/SqlFile.h"
#include "lines/AdminAmount.h"

namespace qx {

namespace {

Money adminOn(const QVariant& stored, Money lineTotal) {
    const AdminText text = splitAdminText(stored.toString());
    // An empty column is a fixed 0; a text that cannot be read counts nothing, as on the screen.
    if (stored.isNull() || stored.toString().isEmpty())
        return {};
    const std::optional<AdminAmount> amount = readAdminAmount(text.kind, text.number);
    return amount ? amount->amountOn(lineTotal) : Money();
}

} // namespace

EstimateSnapshot readEstimateSnapshot(const QString& path, const QString& password) {
    const auto file = SqlFile::open(path, password, SqlFile::Durability::Safe, SqlFile::Access::ReadOnly);
    return readEstimateSnapshot(*file);
}

EstimateSnapshot readEstimateSnapshot(Database& file) {
    EstimateSnapshot snapshot;
    const ResultSet lines = file.query(
        QStringLiteral("select sect,name,qty,linetotal,itemtable from lineitems order by secorder,id"));
    std::array<Money, kCategoryCount> raw{};
    for (const QVariantList& row : lines.rows) {
        const Money total = Money::fromRaw(row.at(3).toLongLong());
        snapshot.lines.append({row.at(0).toString(), row.at(1).toString(), qint32(row.at(2).toLongLong()),
                               total.roundedToCents()});
        for (int i = 0; i < kCategoryCount; ++i) {
            if (row.at(4).toString().compare(categoryTags()[size_t(i)], Qt::CaseInsensitive) == 0)
                raw[size_t(i)] += total;
        }
    }
    EstimateFigures& figures = snapshot.figures;
    for (int i = 0; i < kCategoryCount; ++i) {
        figures.subtotals[size_t(i)] = raw[size_t(i)].roundedToCents();
        figures.lines += figures.subtotals[size_t(i)];
    }
    const ResultSet main =
        file.query(QStringLiteral("select overhead,profit,contingency,management from main where id=1"));
    for (int i = 0; !main.isEmpty() && i < 4; ++i)
        figures.admin += adminOn(main.at(0, i), figures.lines);
    figures.total = figures.lines + figures.admin;
    figures.lineCount = int(snapshot.lines.size());
    return snapshot;
}

} // namespace qx
