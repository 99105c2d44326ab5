#include "takeoff/PlanPicture.h"

#include "takeoff/PlanPages.h"
#include "takeoff/PlanRows.h"

#include <QPainter>
#include <QPolygonF>
#include <QSet>

namespace qx {

namespace {

void drawFacets(QImage& page, const RoofPlan& plan, std::int32_t pageIndex) {
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    // Lines and numbers keep their size on screen whatever the page's size.
    const double unit = std::max(1.0, std::max(page.width(), page.height()) / 600.0);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(int(14 * unit));
    painter.setFont(font);
    for (const PlanFacet* facet : plan.facetsOn(pageIndex)) {
        const QPolygonF outline(plan.outline(*facet));
        painter.setPen(QPen(QColor(0, 90, 200), 2 * unit));
        painter.setBrush(QColor(0, 120, 255, 40));
        painter.drawPolygon(outline);
        if (outline.size() >= 2) {
            painter.setPen(QPen(QColor(200, 0, 0), 3 * unit));
            painter.drawLine(outline[facet->eave % outline.size()],
                             outline[(facet->eave + 1) % outline.size()]);
        }
        painter.setPen(Qt::black);
        const QPointF centre = outlineMiddle(outline);
        painter.drawText(QRectF(centre - QPointF(30, 15) * unit, QSizeF(60, 30) * unit), Qt::AlignCenter,
                         QString::number(plan.facetNumber(facet->id)));
    }
}

} // namespace

QList<QImage> planPictures(const RoofPlan& plan) {
    QList<QImage> pictures;
    if (plan.facets.isEmpty())
        return pictures;
    const auto pages = PlanPages::read(plan.image.bytes);
    if (!std::holds_alternative<PlanPages>(pages))
        return pictures;
    QList<std::int32_t> traced;
    for (const PlanFacet& facet : plan.facets) {
        if (!traced.contains(facet.page))
            traced << facet.page;
    }
    std::sort(traced.begin(), traced.end());
    for (std::int32_t page : traced) {
        QImage picture = std::get<PlanPages>(pages).page(page).convertToFormat(QImage::Format_RGB32);
        if (picture.isNull())
            continue;
        drawFacets(picture, plan, page);
        pictures << picture;
    }
    return pictures;
}

QStringList planReportLines(const RoofPlan& plan, const WasteSettings& rates) {
    if (plan.facets.isEmpty())
        return {};
    QStringList lines{
        QStringLiteral("PLAN"),
        QStringLiteral("Facets: %1 traced on %2").arg(plan.facets.size()).arg(plan.image.fileName)};
    const RoofFigures figures = plan.figures();
    if (!figures.ok()) {
        lines << figures.problem;
        return lines;
    }
    QList<QStringList> rows = planTotalsRows(figures, rates);
    rows.removeLast(); // the cut waste, whose working follows
    for (const QStringList& row : rows)
        lines << QStringLiteral("%1%2").arg(row[0], -12).arg(row[1], 10);
    if (const auto waste = cutWasteItem(figures, rates))
        lines << cutWasteLine(*waste);
    return lines;
}

} // namespace qx
