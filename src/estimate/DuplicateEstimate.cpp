#include "estimate/DuplicateEstimate.h"

#include "costs/CostCatalogue.h"
#include "costs/ItemTags.h"
#include "data/Catalogue.h"
#include "data/RowCopy.h"
#include "data/TableInfo.h"
#include "lines/PendingLine.h"

#include <QFileInfo>

namespace qx {

namespace {

TrapSite duplicateSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Form, QStringLiteral("frmManageStatus")};
}

QStringList columnsOf(Database& file, const QString& table) {
    QStringList columns;
    for (const QString& column : tableColumns(file, table))
        columns << QLatin1Char('"') + column + QLatin1Char('"');
    return columns;
}

} // namespace

DuplicateEstimate::DuplicateEstimate(AppContext& ctx)
    : m_ctx(ctx) {}

std::optional<OwnerInput> DuplicateEstimate::ownerOf(qint32 id) {
    std::optional<OwnerInput> owner;
    m_ctx.data.Trap(duplicateSite("cmdDuplicate_Click"), [&] {
        const ResultSet reg = m_ctx.data.Read(
            m_ctx.conns.sMastConn, QStringLiteral("select esttype,estpath from master where id=?"), {id});
        if (reg.isEmpty())
            throw Failure(3021, QStringLiteral("No estimate with the ID %1 is in the register.").arg(id));
        const ResultSet main = m_ctx.data.Read(
            m_ctx.folder.estimateConn(reg.at(0, 1).toString()),
            QStringLiteral("select fname,lname,address,citystzip,homeph,workph,ext from main where id=1"));
        if (main.isEmpty())
            throw Failure(3021, QStringLiteral("The estimate with the ID %1 has no owner.").arg(id));
        OwnerInput input;
        input.type = reg.at(0, 0).toString();
        for (int i = 0; i < 7; ++i)
            input.names[size_t(i)] = main.at(0, i).toString();
        owner = input;
    });
    return owner;
}

bool DuplicateEstimate::copyContent(qint32 fromId, qint32 toId, const Conn& to, const FolderCarry& carry) {
    return m_ctx.data.Trap(duplicateSite("CopyEstimate"), [&] {
        const QVariant stored = m_ctx.data.ReadScalar(
            m_ctx.conns.sMastConn, QStringLiteral("select estpath from master where id=?"), {fromId});
        if (stored.isNull())
            throw Failure(3021, QStringLiteral("No estimate with the ID %1 is in the register.").arg(fromId));
        Database& source = m_ctx.data.file(m_ctx.folder.estimateConn(stored.toString()));
        Database& target = m_ctx.data.file(to);
        Transaction transaction(target);
        for (const QString& table : tablesOf(DatabaseKind::EstimateFile)) {
            if (table.compare(QLatin1String("Main"), Qt::CaseInsensitive) == 0)
                continue;
            // A file made before a table existed simply has nothing of it to copy.
            const QStringList columns = columnsOf(source, table);
            if (columns.isEmpty())
                continue;
            QStringList marks;
            for (qsizetype i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            const QString list = columns.join(QLatin1Char(','));
            // A file's rows in the order they were written; a server table's by its first column.
            const QString order =
                source.engine() == Database::Engine::SQLite ? QStringLiteral("rowid") : QStringLiteral("1");
            // Table names are the catalogue's own plain names.
            target.exec(QStringLiteral("delete from %1").arg(table));
            copyRows(source, target, QStringLiteral("select %1 from %2 order by %3").arg(list, table, order),
                     QStringLiteral("insert into %1(%2)values(%3)")
                         .arg(table, list, marks.join(QLatin1Char(','))));
        }
        const ResultSet texts = source.query(QStringLiteral(
            "select overhead,profit,contingency,management,paymentterms,estsummary from main where id=1"));
        if (!texts.isEmpty())
            target.exec(QStringLiteral("update main set overhead=?,profit=?,contingency=?,management=?,"
                                       "paymentterms=?,estsummary=? where id=1"),
                        texts.rows.at(0));
        // Files of the folder are this PC's: an estimate of the office server keeps none.
        if (carry && !to.office)
            carry(fromId, toId, QFileInfo(source.location()).absolutePath(),
                  QFileInfo(to.path).absolutePath());
        transaction.commit();
    });
}

std::optional<Money> DuplicateEstimate::currentPrice(const QString& itemTable, qint32 itemId) {
    if (itemTable.compare(ItemTag::kUnitItem, Qt::CaseInsensitive) == 0) {
        const bool exists = m_ctx.data.RecordExists(itemId, QStringLiteral("ID"), QStringLiteral("costunit"),
                                                    m_ctx.conns.sCostConn);
        return exists ? CostCatalogue(m_ctx.data, m_ctx.conns.sCostConn, CostCatalogue::Use::Picker)
                            .unitItemPrice(itemId)
                      : std::nullopt;
    }
    const QVariant amount = m_ctx.data.ReadScalar(
        m_ctx.conns.sCostConn, QStringLiteral("select amount from costitem where id=? and costtype=?"),
        {itemId, itemTable});
    return amount.isNull() ? std::nullopt : std::optional(Money::fromRaw(amount.toLongLong()));
}

std::optional<QList<RepricedLine>> DuplicateEstimate::reprice(const Conn& estimate) {
    std::optional<QList<RepricedLine>> changed;
    m_ctx.data.Trap(duplicateSite("RepriceLines"), [&] {
        Database& file = m_ctx.data.file(estimate);
        const ResultSet lines =
            file.query(QStringLiteral("select id,itemtable,itemid,qty,cost,name from lineitems order by id"));
        QList<RepricedLine> list;
        Transaction transaction(file);
        for (const QVariantList& line : lines.rows) {
            const Money before = Money::fromRaw(line.at(4).toLongLong());
            const auto price = currentPrice(line.at(1).toString(), line.at(2).toInt());
            if (!price || *price == before)
                continue;
            file.exec(
                QStringLiteral("update lineitems set cost=?,linetotal=? where id=?"),
                {qint64(price->raw()), qint64(lineTotalOf(line.at(3).toInt(), *price).raw()), line.at(0)});
            list.append({line.at(5).toString(), before, *price});
        }
        transaction.commit();
        changed = list;
    });
    return changed;
}

QString DuplicateEstimate::repricedMessage(const QList<RepricedLine>& lines) {
    if (lines.isEmpty())
        return QStringLiteral("No line's price changed.");
    QString text = QStringLiteral("The prices of these lines changed:");
    for (const RepricedLine& line : lines)
        text += QStringLiteral("\n%1: %2 -> %3")
                    .arg(line.name, line.before.toCurrency(), line.after.toCurrency());
    return text;
}

} // namespace qx
