#pragma once

#include "data/AppContext.h"
#include "lines/EstimateTotals.h"
#include "takeoff/RoofTotals.h"

#include <QString>
#include <optional>

namespace qx {

// The two fixed-width reports (module modDocs): the estimate detail, every line by section with the
// section, category and administrative totals, and the roof detail, the areas and lineal items of the
// takeoff with the roof totals. Both read the working database and leave it as it was. A value wider
// than its column never stops a report: text is cut to its column, numbers and amounts widen it.
// Every amount comes from the screen's own totals, so screen and report agree to the cent.
class DetailReports {
public:
    DetailReports(AppContext& ctx, EstimateTotals& totals);

    // "name * * address * * Est ID:n", a rule of "=" and an empty line. A failure is reported
    // (procedure GetHead of module modDocs) and gives the empty heading.
    QString GetHead(qint32 estId);
    // The estimate detail: title, heading, column captions and the body of GetDetails. A failure in
    // the body is reported (procedure GetDetails of module modDocs); the text built so far is kept.
    QString estimateDetail(qint32 estId);
    // Appends the body of the estimate detail: sections in their order number with their lines and
    // totals, the category totals, the administrative amounts and the estimate total. Throws Failure.
    void GetDetails(QString& report);
    // The roof detail of the working areas, traced facets and lineal items (and the lengths of the estimate's
    // roof plan by class, when it has one) with the three roof totals as the roof panel shows them. Without
    // an estimate (a roof figured alone) the heading names none. Throws Failure (BuildPage reports it).
    QString roofDetail(qint32 estId, const RoofBoxes& boxes);

    // The column captions of the estimate detail.
    static QString detailCaptions();

private:
    QString title(const QString& kind, qint32 estId);
    void appendSection(QString& report, const QString& name, qint32 order);
    void appendTotals(QString& report);
    // The areas of the shapes, then the traced facets (each with its number among them, its pitch, plan
    // area and roof area) when there are any.
    void appendAreas(QString& report);
    void appendFacets(QString& report);
    // Rows of numbers, value i in report column columns[i].
    static void appendRows(QString& report, const ResultSet& rows, const QList<int>& columns);
    void appendLineals(QString& report);
    // The roof plan's lengths by class, when the estimate has a traced plan.
    void appendPlan(QString& report);

    AppContext& m_ctx;
    EstimateTotals& m_totals;
};

} // namespace qx
