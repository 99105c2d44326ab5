#include "lines/SectionOrder.h"

#include "lines/LineItems.h"
#include "lines/Sections.h"

namespace qx {

SectionOrder::SectionOrder(AppContext& ctx, WorkState& state, LineItems& lines)
    : m_ctx(ctx)
    , m_state(state)
    , m_lines(lines) {}

template <class Work> bool SectionOrder::trap(const QString& procedure, Work&& work) {
    return m_ctx.data.Trap({procedure, TrapSite::Form, QStringLiteral("frmSortSections")},
                           std::forward<Work>(work));
}

bool SectionOrder::open() {
    return trap(QStringLiteral("Form_Load"), [&] {
        Sections(m_ctx).renumber();
        m_ctx.working.CreateSectSort();
        SqlFile& temp = m_ctx.data.local(m_ctx.conns.sTempConn);
        Transaction transaction(temp);
        temp.exec(QStringLiteral("insert into sectsort(estid,sectname,secorder) select ?,min(sect),secorder "
                                 "from tplineitems group by secorder order by secorder"),
                  {m_state.lEstID});
        transaction.commit();
    });
}

QList<SortEntry> SectionOrder::entries() {
    QList<SortEntry> list;
    trap(QStringLiteral("List1_Fill"), [&] {
        const ResultSet rows = m_ctx.data.Read(
            m_ctx.conns.sTempConn, QStringLiteral("select autoid,sectname from sectsort order by secorder"));
        for (const QVariantList& row : rows.rows)
            list.append({row.at(0).toInt(), row.at(1).toString()});
    });
    return list;
}

QStringList SectionOrder::orderChoices() {
    QStringList choices;
    const qsizetype count = entries().size();
    for (qsizetype i = 0; i < count; ++i)
        choices << QString::number(i);
    return choices;
}

bool SectionOrder::swap(qint32 key, int position, int chosen) {
    return trap(QStringLiteral("cmdOkay_Click"), [&] {
        SqlFile& temp = m_ctx.data.local(m_ctx.conns.sTempConn);
        Transaction transaction(temp);
        const QVariant other =
            temp.scalar(QStringLiteral("select autoid from sectsort where secorder=?"), {chosen});
        if (!other.isNull())
            temp.exec(QStringLiteral("UPDATE sectsort set secorder=? where autoid=?"), {position, other});
        temp.exec(QStringLiteral("UPDATE sectsort set secorder=? where autoID=?"), {chosen, key});
        transaction.commit();
    });
}

bool SectionOrder::commit() {
    const bool written = trap(QStringLiteral("cmdCommit_Click"), [&] {
        SqlFile& temp = m_ctx.data.local(m_ctx.conns.sTempConn);
        Transaction transaction(temp);
        // SectSort was filled in ascending order number after the renumbering, so a row's place in key
        // order is the section's number before the swaps. New numbers are written negative first so that
        // no section meets another's old number, then turned back.
        const ResultSet rows = temp.query(QStringLiteral("select secorder from sectsort order by autoid"));
        for (int old = 0; old < rows.size(); ++old) {
            const qint64 moved = -1 - rows.at(old, 0).toLongLong();
            temp.exec(QStringLiteral("UPDATE tplineitems set secorder=? where secorder=?"), {moved, old});
            temp.exec(QStringLiteral("UPDATE tempsect set secorder=? where secorder=?"), {moved, old});
        }
        temp.exec(QStringLiteral("UPDATE tplineitems set secorder=-1-secorder where secorder<0"));
        temp.exec(QStringLiteral("UPDATE tempsect set secorder=-1-secorder where secorder<0"));
        transaction.commit();
    });
    if (written)
        m_lines.refresh();
    cancel();
    return written;
}

void SectionOrder::cancel() {
    m_ctx.working.DropTempTable(QStringLiteral("sectsort"));
}

} // namespace qx
