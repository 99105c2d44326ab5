#include "lines/LineItems.h"

#include <limits>

namespace qx {

namespace {

const TrapSite kAddLineItemSite{QStringLiteral("AddLineItem"), TrapSite::Module, QStringLiteral("modGrid")};
const TrapSite kRePopGridSite{QStringLiteral("RePopGrid"), TrapSite::Module, QStringLiteral("modGrid")};

qint64 rawOf(Money amount) {
    return amount.raw();
}

} // namespace

QVariant textValue(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

LineItems::LineItems(AppContext& ctx, WorkState& state, EstimateTotals& totals)
    : m_ctx(ctx)
    , m_state(state)
    , m_totals(totals)
    , m_grid(ctx.data, ctx.conns.sTempConn) {}

Conn LineItems::estimateFile() {
    if (m_state.hasEstimateFile())
        return m_state.sEstConn;
    const QString path =
        m_ctx.data
            .ReadScalar(m_ctx.conns.sMastConn, QStringLiteral("select estpath from master where id=?"),
                        {m_state.lEstID})
            .toString();
    return path.isEmpty() ? Conn() : m_ctx.folder.estimateConn(path);
}

void LineItems::deleteStoredCopy(qint32 id) {
    // An estimate opened read-only keeps its file as its holder stored it.
    if (m_state.readOnly)
        return;
    const qint64 stored =
        m_ctx.data
            .ReadScalar(m_ctx.conns.sTempConn,
                        QStringLiteral("select lineitemid from tplineitems where autoid=?"), {id})
            .toLongLong();
    if (stored == 0)
        return;
    const Conn file = estimateFile();
    if (!file.path.isEmpty())
        m_ctx.data.file(file).exec(QStringLiteral("delete from lineitems where id=?"), {stored});
}

std::optional<QString> LineItems::totalRefusal(Change change, qint32 id) {
    if (change == Change::Delete)
        return std::nullopt;
    // The line being edited no longer counts; every other line does.
    const Money others = Money::fromRaw(
        m_ctx.data
            .ReadScalar(m_ctx.conns.sTempConn,
                        QStringLiteral("select coalesce(sum(linetotal),0) from tplineitems where autoid<>?"),
                        {change == Change::Edit ? id : 0})
            .toLongLong());
    return m_totals.totalRefusal(others + m_pending.lineTotal);
}

std::optional<QString> LineItems::lineRefusal(Change change, qint32 id) {
    std::optional<QString> refusal;
    m_ctx.data.Trap(kAddLineItemSite, [&] { refusal = totalRefusal(change, id); });
    return refusal;
}

bool LineItems::AddLineItem(Change change, qint32 id) {
    const PendingLine& p = m_pending;
    std::optional<QString> refusal;
    bool gridRebuilt = true;
    const bool done = m_ctx.data.Trap(kAddLineItemSite, [&] {
        refusal = totalRefusal(change, id);
        if (refusal)
            return;
        // The stored copy goes first: should the estimate file refuse, the line stays in both places.
        if (change == Change::Delete)
            deleteStoredCopy(id);
        SqlFile& temp = m_ctx.data.local(m_ctx.conns.sTempConn);
        Transaction transaction(temp);
        switch (change) {
        case Change::Add:
            temp.exec(
                QStringLiteral("insert into tplineitems(EstID,itemid,secorder,sect,name,itemtable,qty,unit,"
                               "cost,linetotal)values(?,?,?,?,?,?,?,?,?,?)"),
                {m_state.lEstID, p.itemId, p.secOrder, textValue(p.sect), textValue(p.name),
                 textValue(p.itemTable), p.qty, textValue(p.unit), rawOf(p.cost), rawOf(p.lineTotal)});
            break;
        case Change::Edit:
            temp.exec(
                QStringLiteral("UPDATE tplineitems set itemid=?, secorder=?, sect=?, name=?, itemtable=?, "
                               "qty=?, unit=?, cost=?, linetotal=? where autoID=?"),
                {p.itemId, p.secOrder, textValue(p.sect), textValue(p.name), textValue(p.itemTable), p.qty,
                 textValue(p.unit), rawOf(p.cost), rawOf(p.lineTotal), id});
            break;
        case Change::Delete:
            temp.exec(QStringLiteral("delete from tplineitems where autoid=?"), {id});
            break;
        }
        // A failed rebuild is the grid's own report; the change is undone with it.
        gridRebuilt = m_ctx.data.Trap(kRePopGridSite, [&] { m_grid.RePopGrid(); });
        if (!gridRebuilt)
            return;
        transaction.commit();
        m_totals.FigureEstAdmin();
    });
    if (refusal)
        m_ctx.prompter.inform(kAppTitle, *refusal);
    return done && gridRebuilt && !refusal;
}

bool LineItems::refresh() {
    return m_ctx.data.Trap(kRePopGridSite, [&] {
        m_grid.RePopGrid();
        m_totals.FigureEstAdmin();
    });
}

bool LineItems::lineExists(qint32 id) {
    bool exists = false;
    m_ctx.data.Trap({QStringLiteral("cmdEditLine_Click"), TrapSite::Form, QStringLiteral("frmQuovi")}, [&] {
        exists = m_ctx.data.RecordExists(id, QStringLiteral("tplineitemid"), QStringLiteral("estigrid"),
                                         m_ctx.conns.sTempConn);
    });
    return exists;
}

QList<WorkingLine> LineItems::workingLines() {
    const ResultSet rows = m_ctx.data.Read(
        m_ctx.conns.sTempConn,
        QStringLiteral("select autoid,lineitemid,itemid,secorder,sect,name,itemtable,qty,unit,cost,linetotal "
                       "from tplineitems order by autoid"));
    QList<WorkingLine> lines;
    lines.reserve(rows.size());
    for (const QVariantList& r : rows.rows) {
        // Whole numbers arrive as 64-bit values; reading them as such skips a conversion per cell.
        auto whole = [&r](int i) { return qint32(r.at(i).toLongLong()); };
        lines.append({whole(0), whole(1), whole(2), whole(3), r.at(4).toString(), r.at(5).toString(),
                      r.at(6).toString(), whole(7), r.at(8).toString(), Money::fromRaw(r.at(9).toLongLong()),
                      Money::fromRaw(r.at(10).toLongLong())});
    }
    return lines;
}

void LineItems::rememberStoredKeys(qint32 keyBase) {
    // One statement for all lines. The grid table keeps the keys it was built with until it is next
    // rebuilt: nothing reads a line's stored key from the grid.
    m_ctx.data.file(m_ctx.conns.sTempConn)
        .exec(QStringLiteral("update tplineitems set lineitemid=?+autoid where lineitemid=0"), {keyBase});
}

qint32 newLineKeyBase(Database& estimateFile, qint32 highestAutoId) {
    // The autonumber remembers the highest key ever given, also of deleted rows: in sqlite_sequence in a
    // file, in the key's sequence on the office server.
    const QString highestEver =
        estimateFile.engine() == Database::Engine::SQLite
            ? QStringLiteral(
                  "select max(coalesce((select seq from sqlite_sequence where name='LineItems'),0),"
                  "coalesce((select max(ID) from LineItems),0))")
            : QStringLiteral("select greatest(coalesce(pg_sequence_last_value(pg_get_serial_sequence("
                             "'lineitems','id')::regclass),0),coalesce((select max(ID) from LineItems),0))");
    const qint64 highest = estimateFile.scalar(highestEver).toLongLong();
    if (highest + highestAutoId > std::numeric_limits<qint32>::max())
        throw Failure(kErrOverflow, QStringLiteral("Overflow"));
    return qint32(highest);
}

qint32 SaveLineItem(Database& estimateFile, const WorkingLine& line, qint32 newKey) {
    const Params values{
        textValue(line.itemTable), line.itemId,          textValue(line.sect), line.secOrder,        line.qty,
        textValue(line.unit),      textValue(line.name), rawOf(line.cost),     rawOf(line.lineTotal)};
    if (line.lineItemId != 0) {
        estimateFile.exec(
            QStringLiteral("UPDATE LineItems set ItemTable=?, ItemID=?, Sect=?, Secorder=?, qty=?, "
                           "Unit=?, Name=?, cost=?, LineTotal=? where ID=?"),
            Params(values) << line.lineItemId);
        if (estimateFile.changes() == 1)
            return line.lineItemId;
        newKey = line.lineItemId;
    }
    // Without a key of its own the line takes the next autonumber.
    if (newKey == 0)
        estimateFile.exec(QStringLiteral("insert into LineItems(ItemTable,ItemID,Sect,Secorder,qty,Unit,Name,"
                                         "cost,LineTotal)values(?,?,?,?,?,?,?,?,?)"),
                          values);
    else
        estimateFile.exec(QStringLiteral("insert into LineItems(ID,ItemTable,ItemID,Sect,Secorder,qty,Unit,"
                                         "Name,cost,LineTotal)values(?,?,?,?,?,?,?,?,?,?)"),
                          Params{newKey} + values);
    return newKey != 0 ? newKey : qint32(estimateFile.lastInsertId());
}

} // namespace qx
