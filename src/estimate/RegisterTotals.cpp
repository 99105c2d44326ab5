#include "estimate/RegisterTotals.h"

#include "data/Catalogue.h"
#include "lines/EstimateTotals.h"

#include <QFileInfo>

namespace qx {

RegisterTotals::RegisterTotals(AppContext& ctx)
    : m_ctx(ctx) {}

void RegisterTotals::store(qint32 id, Money total) {
    m_ctx.data.file(m_ctx.conns.sMastConn)
        .exec(QStringLiteral("update master set esttotal=? where id=?"), {qint64(total.raw()), id});
}

Money RegisterTotals::figure(const Conn& estimateFile) {
    return EstimateTotals(m_ctx).storedEstimateTotal(estimateFile);
}

void RegisterTotals::refresh(qint32 id, const Conn& estimateFile) {
    store(id, figure(estimateFile));
}

bool RegisterTotals::refreshReported(qint32 id, const Conn& estimateFile) {
    return m_ctx.data.Trap({QStringLiteral("StoreEstimateTotal"), TrapSite::Module, QStringLiteral("modEst")},
                           [&] { refresh(id, estimateFile); });
}

int RegisterTotals::fillMissing(SqlFile& register_) {
    const ResultSet rows = register_.query(
        QStringLiteral("select id,estpath from master where esttotal is null and estpath is not null"));
    int filled = 0;
    Transaction transaction(register_);
    for (const QVariantList& row : rows.rows) {
        const Conn file = m_ctx.folder.estimateConn(row.at(1).toString());
        if (!QFileInfo(file.path).isFile())
            continue;
        try {
            const Money total = figure(file);
            register_.exec(QStringLiteral("update master set esttotal=? where id=?"),
                           {qint64(total.raw()), row.at(0)});
            ++filled;
        } catch (const Failure&) {
            // A damaged file leaves its total unknown; the sales picture counts it as such.
        }
        m_ctx.pool.close(file.path);
    }
    transaction.commit();
    return filled;
}

void RegisterTotals::upgrade(SqlFile& register_) {
    if (addMissingColumns(register_, DatabaseKind::Register).contains(QStringLiteral("master.esttotal")))
        fillMissing(register_);
}

} // namespace qx
