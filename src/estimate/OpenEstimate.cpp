#include "estimate/OpenEstimate.h"

#include "data/RowCopy.h"
#include "estimate/StoredLines.h"
#include "estimate/WorkingAttachment.h"
#include "takeoff/PlanStore.h"
#include "takeoff/RoofRows.h"

namespace qx {

namespace {

TrapSite openSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Module, QStringLiteral("modOpenEst")};
}

// Stored rows of one roof table into its working table, keyed by their stored ID.
void copyStoredRows(DataAccess& data, const Conn& estimate, const Conn& working, const RoofTable& table) {
    SqlFile& file = data.local(working);
    Transaction transaction(file);
    copyRows(data.file(estimate), file,
             QStringLiteral("select ID,%1 from %2 order by ID").arg(table.fieldList(), table.stored),
             QStringLiteral("insert into %1(%2,%3)values(?,%4)")
                 .arg(table.working, table.key, table.fieldList(), table.marks()));
    transaction.commit();
}

} // namespace

OpenEstimate::OpenEstimate(AppContext& ctx, WorkState& state)
    : m_ctx(ctx)
    , m_state(state) {}

bool OpenEstimate::prepare() {
    return m_ctx.data.Trap({QStringLiteral("mnuOpen_Click"), TrapSite::Form, QStringLiteral("frmQuovi")},
                           [&] { m_ctx.working.CreateTempDB(); });
}

std::optional<OwnerInput> OpenEstimate::OpenOwner(qint32 id) {
    std::optional<OwnerInput> owner;
    m_ctx.data.Trap(openSite("OpenOwner"), [&] {
        const ResultSet reg = m_ctx.data.Read(
            m_ctx.conns.sMastConn,
            QStringLiteral("select estname,esttype,estpath,eststatus from master where id=?"), {id});
        if (reg.isEmpty())
            throw Failure(3021, QStringLiteral("No estimate with the ID %1 is in the register.").arg(id));
        const Conn estConn = m_ctx.folder.estimateConn(reg.at(0, 2).toString());
        const ResultSet main = m_ctx.data.Read(
            estConn,
            QStringLiteral("select fname,lname,address,citystzip,homeph,workph,ext from main where id=1"));
        OwnerInput opened;
        opened.estName = reg.at(0, 0).toString();
        opened.type = reg.at(0, 1).toString();
        for (int i = 0; i < 7 && !main.isEmpty(); ++i)
            opened.names[size_t(i)] = main.at(0, i).toString();
        m_state.lEstID = id;
        m_state.estName = opened.estName;
        m_state.sEstStatus = reg.at(0, 3).toString();
        m_state.sEstConn = estConn;
        owner = opened;
    });
    return owner;
}

bool OpenEstimate::OpenRoof() {
    return m_ctx.data.Trap(openSite("OpenRoof"), [&] {
        copyStoredRows(m_ctx.data, m_state.sEstConn, m_ctx.conns.sTempConn, areasTable());
        upgradeTracedFacets(m_ctx.data.local(m_ctx.conns.sTempConn));
        copyStoredRows(m_ctx.data, m_state.sEstConn, m_ctx.conns.sTempConn, linealTable());
        OpenPlan(m_ctx.data, m_state.sEstConn, m_ctx.conns.sTempConn);
    });
}

bool OpenEstimate::OpenLineItems() {
    return m_ctx.data.Trap({QStringLiteral("mnuOpen_Click"), TrapSite::Form, QStringLiteral("frmQuovi")},
                           [&] {
                               Database& estimate = m_ctx.data.file(m_state.sEstConn);
                               SqlFile& working = m_ctx.data.local(m_ctx.conns.sTempConn);
                               auto* estimateFile = dynamic_cast<SqlFile*>(&estimate);
                               if (!estimateFile) {
                                   // One read of the server; the working copy takes the lines in a
                                   // transaction of its own.
                                   loadLines(estimate, working);
                                   return;
                               }
                               // From a file the lines go over inside SQLite, in one statement: the working
                               // database is attached to the estimate file's handle for the copy.
                               const WorkingAttachment work(*estimateFile, m_ctx.conns.sTempConn.path);
                               Transaction transaction(estimate);
                               loadLines(estimate, working);
                               transaction.commit();
                           });
}

} // namespace qx
