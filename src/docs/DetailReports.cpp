#include "docs/DetailReports.h"

#include "docs/ReportColumns.h"
#include "takeoff/AreaShapes.h"
#include "takeoff/PlanPicture.h"
#include "takeoff/PlanStore.h"

namespace qx {

namespace {

namespace col = ReportColumns;
using col::kBreak;

TrapSite docsSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Module, QStringLiteral("modDocs")};
}

QString blanks(int count) {
    return QString(count, u' ');
}

QString rule() {
    return QString(col::kReportWidth, u'=');
}

} // namespace

DetailReports::DetailReports(AppContext& ctx, EstimateTotals& totals)
    : m_ctx(ctx)
    , m_totals(totals) {}

QString DetailReports::GetHead(qint32 estId) {
    QString head;
    m_ctx.data.Trap(docsSite("GetHead"), [&] {
        const ResultSet reg =
            m_ctx.data.Read(m_ctx.conns.sMastConn,
                            QStringLiteral("select estname,estaddress from master where id=?"), {estId});
        if (reg.isEmpty())
            throw Failure(3021, QStringLiteral("No estimate with the ID %1 is in the register.").arg(estId));
        head = reg.at(0, 0).toString() + QStringLiteral(" * * ") + reg.at(0, 1).toString() +
               QStringLiteral(" * * Est ID:") + QString::number(estId) + kBreak + rule() + kBreak + kBreak;
    });
    return head;
}

QString DetailReports::title(const QString& kind, qint32 estId) {
    // A roof figured without an estimate has no register row to name.
    if (estId == 0)
        return kind + kBreak + rule() + kBreak + kBreak;
    return kind + QStringLiteral(" for ") + GetHead(estId);
}

QString DetailReports::detailCaptions() {
    return QStringLiteral("Item Name") + blanks(21) + QStringLiteral("Type") + blanks(9) +
           QStringLiteral("Qty") + blanks(2) + QStringLiteral("Unit") + blanks(6) + QStringLiteral("Cost") +
           blanks(8) + QStringLiteral("Total") + kBreak + kBreak;
}

QString DetailReports::estimateDetail(qint32 estId) {
    QString report = title(QStringLiteral("ESTIMATE DETAILS"), estId) + detailCaptions();
    m_ctx.data.Trap(docsSite("GetDetails"), [&] { GetDetails(report); });
    return report;
}

void DetailReports::GetDetails(QString& report) {
    // Sections follow their order number, as the estimate grid shows them.
    const ResultSet sections =
        m_ctx.data.Read(m_ctx.conns.sTempConn,
                        QStringLiteral("select secdesc,secorder from tempsect order by secorder,autoid"));
    for (const QVariantList& section : sections.rows)
        appendSection(report, section.at(0).toString(), section.at(1).toInt());
    appendTotals(report);
}

void DetailReports::appendSection(QString& report, const QString& name, qint32 order) {
    report += name + kBreak;
    const ResultSet items = m_ctx.data.Read(
        m_ctx.conns.sTempConn,
        QStringLiteral("select name,itemtable,qty,unit,cost,linetotal from tplineitems where secorder=? "
                       "order by itemid,autoid"),
        {order});
    Money subtotal;
    for (const QVariantList& item : items.rows) {
        const Money lineTotal = Money::fromRaw(item.at(5).toLongLong());
        subtotal += lineTotal;
        report += col::text(item.at(0).toString(), 1) + col::text(item.at(1).toString(), 2) +
                  col::number(item.at(2).toLongLong(), 3) + col::text(item.at(3).toString(), 4) +
                  col::number(Money::fromRaw(item.at(4).toLongLong()).toCurrency(), 5) +
                  col::number(lineTotal.toCurrency(), 6) + kBreak;
    }
    report +=
        col::joined(QStringLiteral("Total for ") + name, QStringLiteral(" "), subtotal.toCurrency(), 7) +
        kBreak + kBreak;
}

void DetailReports::appendTotals(QString& report) {
    m_totals.FigureEstAdmin();
    report += QStringLiteral(" Material     Labor       Subs      Equip      Fees     Unit      Sub Total") +
              kBreak;
    const int columns[kCategoryCount] = {14, 8, 8, 8, 14, 8};
    for (int i = 0; i < kCategoryCount; ++i)
        report += col::number(col::grouped(m_totals.category(i)), columns[i]);
    report += col::number(col::grouped(m_totals.lineTotal()), 9) + kBreak + kBreak;

    report += blanks(12) + QStringLiteral("Overhead") + blanks(9) + QStringLiteral("Profit") + blanks(7) +
              QStringLiteral("Contingency") + blanks(8) + QStringLiteral("Management") + kBreak;
    for (int i = 0; i < EstimateTotals::kAdminCount; ++i) {
        const AdminAmount& admin = m_totals.admin(i);
        const QString amount = m_totals.adminAmount(i).toCurrency();
        const int column = i == EstimateTotals::Overhead ? 11 : 10;
        report += admin.isFixed() ? col::joined(kFixedLabel, QStringLiteral(" "), amount, column)
                                  : col::joined(admin.percent + QStringLiteral("%"), QStringLiteral(" - "),
                                                amount, column);
    }
    report += kBreak +
              col::joined(QStringLiteral("Estimate Total:"), QStringLiteral("  "),
                          m_totals.estimateTotal().toCurrency(), 7) +
              kBreak;
}

QString DetailReports::roofDetail(qint32 estId, const RoofBoxes& boxes) {
    QString report = title(QStringLiteral("ROOF DETAILS"), estId);
    appendAreas(report);
    appendFacets(report);
    appendLineals(report);
    appendPlan(report);
    const QString indent = blanks(15);
    report += kBreak + indent + QStringLiteral("Total area:") + blanks(5) + boxes.areaText() + kBreak +
              indent + QStringLiteral("Total other:") + blanks(4) + boxes.linealText() + kBreak + indent +
              QStringLiteral("Total roof:") + blanks(5) + boxes.totalText() + kBreak;
    return report;
}

void DetailReports::appendAreas(QString& report) {
    report += QStringLiteral("AREAS") + kBreak +
              QStringLiteral("#   Pitch  Shape  Width 1  Width 2  Height  Total") + kBreak;
    const ResultSet areas = m_ctx.data.Read(
        m_ctx.conns.sTempConn,
        QStringLiteral("select id,pitch,shape,width1,width2,height,total from tempareas where shape<>? "
                       "order by id"),
        {kShapePlan});
    appendRows(report, areas, {20, 21, 22, 23, 24, 25, 26});
}

void DetailReports::appendFacets(QString& report) {
    const ResultSet facets = m_ctx.data.Read(
        m_ctx.conns.sTempConn,
        QStringLiteral("select id,(select count(*) from tempareas f where f.shape=a.shape and f.id<=a.id),"
                       "pitch,width1,total from tempareas a where shape=? order by id"),
        {kShapePlan});
    if (facets.isEmpty())
        return;
    report += kBreak + QStringLiteral("FACETS") + kBreak +
              QStringLiteral("#   Facet  Pitch  Plan area  Total") + kBreak;
    appendRows(report, facets, {20, 22, 28, 8, 28});
}

void DetailReports::appendRows(QString& report, const ResultSet& rows, const QList<int>& columns) {
    for (const QVariantList& row : rows.rows) {
        for (qsizetype i = 0; i < columns.size(); ++i)
            report += col::number(row.at(i).toLongLong(), columns[i]);
        report += kBreak;
    }
}

void DetailReports::appendPlan(QString& report) {
    const QStringList lines = planReportLines(PlanStore(m_ctx.data, m_ctx.conns.sTempConn).load(),
                                              WasteSettings::load(m_ctx.settings));
    if (!lines.isEmpty())
        report += kBreak + lines.join(kBreak) + kBreak;
}

void DetailReports::appendLineals(QString& report) {
    report += kBreak + QStringLiteral("LINEAL") + kBreak +
              QStringLiteral("#   Type    Name   Length  Total") + kBreak;
    const ResultSet lineals =
        m_ctx.data.Read(m_ctx.conns.sTempConn,
                        QStringLiteral("select id,type,name,length,total from templineal order by id"));
    for (const QVariantList& lineal : lineals.rows) {
        report += col::number(lineal.at(0).toLongLong(), 20) + col::number(lineal.at(1).toLongLong(), 21) +
                  col::text(lineal.at(2).toString(), 27) + col::number(lineal.at(3).toLongLong(), 28) +
                  col::number(lineal.at(4).toLongLong(), 29) + kBreak;
    }
}

} // namespace qx
