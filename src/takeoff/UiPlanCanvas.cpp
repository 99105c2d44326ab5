#include "takeoff/UiPlanCanvas.h"

#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace qx {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.02;
constexpr double kMaxZoom = 40.0;
// A press and release further apart than this is a drag, not a click.
constexpr double kDragPixels = 3.0;

} // namespace

UiPlanCanvas::UiPlanCanvas(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("picPlan"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(320, 240);
    setAutoFillBackground(true);
    QPalette shade = palette();
    shade.setColor(QPalette::Window, QColor(96, 96, 96));
    setPalette(shade);
}

void UiPlanCanvas::setPage(const QImage& page) {
    m_page = page;
    m_draft.clear();
    fit();
}

void UiPlanCanvas::setPlan(const RoofPlan* plan, std::int32_t page) {
    m_plan = plan;
    m_pageIndex = page;
    update();
}

void UiPlanCanvas::setSelected(std::int32_t facet) {
    m_selected = facet;
    update();
}

void UiPlanCanvas::setProblemCorner(std::int32_t corner) {
    m_problemCorner = corner;
    update();
}

void UiPlanCanvas::setDraft(const QList<QPointF>& points) {
    m_draft = points;
    update();
}

QPointF UiPlanCanvas::screenFromImage(QPointF image) const {
    return m_offset + image * m_zoom;
}

QPointF UiPlanCanvas::imageFromScreen(QPointF screen) const {
    return (screen - m_offset) / m_zoom;
}

void UiPlanCanvas::fit() {
    m_fitted = true;
    if (m_page.isNull() || width() < 2 || height() < 2) {
        m_zoom = 1.0;
        m_offset = {};
        update();
        return;
    }
    m_zoom = std::clamp(std::min(double(width()) / m_page.width(), double(height()) / m_page.height()),
                        kMinZoom, kMaxZoom);
    m_offset = QPointF((width() - m_page.width() * m_zoom) / 2, (height() - m_page.height() * m_zoom) / 2);
    update();
}

void UiPlanCanvas::zoomAround(QPointF screen, double factor) {
    const QPointF fixed = imageFromScreen(screen);
    m_zoom = std::clamp(m_zoom * factor, kMinZoom, kMaxZoom);
    m_offset = screen - fixed * m_zoom;
    m_fitted = false;
    update();
}

void UiPlanCanvas::zoomIn() {
    zoomAround(rect().center(), kZoomStep);
}

void UiPlanCanvas::zoomOut() {
    zoomAround(rect().center(), 1 / kZoomStep);
}

void UiPlanCanvas::resizeEvent(QResizeEvent*) {
    if (m_fitted)
        fit();
}

void UiPlanCanvas::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        zoomAround(event->position(), std::pow(kZoomStep, steps));
    event->accept();
}

void UiPlanCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus();
    m_pressAt = event->position();
    m_dragged = false;
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && m_spaceHeld)) {
        m_panFrom = event->position();
        return;
    }
    if (event->button() != Qt::LeftButton || !m_plan)
        return;
    // A press on a corner of the selected facet may move it.
    m_dragCorner = 0;
    if (const PlanFacet* facet = m_plan->facet(m_selected)) {
        const PlanSnap on = m_plan->snap(m_pageIndex, imageFromScreen(event->position()), tolerance());
        if (on.kind == PlanSnap::Corner && facet->corners.contains(on.corner))
            m_dragCorner = on.corner;
    }
}

void UiPlanCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (QLineF(m_pressAt, event->position()).length() > kDragPixels)
        m_dragged = true;
    if (m_panFrom) {
        m_offset += event->position() - *m_panFrom;
        m_panFrom = event->position();
        m_fitted = false;
        update();
    }
}

void UiPlanCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (m_panFrom) {
        m_panFrom.reset();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const std::int32_t corner = m_dragCorner;
    m_dragCorner = 0;
    if (m_dragged && corner != 0)
        emit cornerDragged(corner, imageFromScreen(event->position()));
    else if (!m_dragged)
        emit pointClicked(imageFromScreen(event->position()));
}

void UiPlanCanvas::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            m_spaceHeld = true;
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit returnPressed();
        return;
    case Qt::Key_Delete:
        emit deletePressed();
        return;
    case Qt::Key_Escape:
        emit escapePressed();
        return;
    case Qt::Key_Plus:
        zoomIn();
        return;
    case Qt::Key_Minus:
        zoomOut();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void UiPlanCanvas::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        m_spaceHeld = false;
    QWidget::keyReleaseEvent(event);
}

void UiPlanCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_page.isNull())
        painter.drawImage(QRectF(m_offset, QSizeF(m_page.size()) * m_zoom), m_page);
    drawFacets(painter);
    drawDraft(painter);
}

void UiPlanCanvas::drawFacets(QPainter& painter) const {
    if (!m_plan)
        return;
    const QColor outlineColour(0, 90, 200);
    for (const PlanFacet* facet : m_plan->facetsOn(m_pageIndex)) {
        QPolygonF outline;
        for (QPointF p : m_plan->outline(*facet))
            outline << screenFromImage(p);
        const bool selected = facet->id == m_selected;
        painter.setPen(QPen(outlineColour, selected ? 2.5 : 1.5));
        painter.setBrush(selected ? QColor(255, 200, 0, 90) : QColor(0, 120, 255, 50));
        painter.drawPolygon(outline);
        // The eave: a thick line along the edge the facet rises from.
        if (outline.size() >= 2) {
            painter.setPen(QPen(QColor(200, 0, 0), 4));
            painter.drawLine(outline[facet->eave % outline.size()],
                             outline[(facet->eave + 1) % outline.size()]);
        }
        painter.setPen(Qt::black);
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        const QString number = QString::number(m_plan->facetNumber(facet->id));
        const QPointF centre = outlineMiddle(QList<QPointF>(outline.begin(), outline.end()));
        painter.drawText(QRectF(centre - QPointF(20, 10), QSizeF(40, 20)), Qt::AlignCenter, number);
    }
    QFont small = painter.font();
    small.setBold(false);
    small.setPointSizeF(small.pointSizeF() * 0.8);
    painter.setFont(small);
    for (const PlanCorner& corner : m_plan->corners) {
        if (corner.page != m_pageIndex)
            continue;
        const QPointF at = screenFromImage(corner.at);
        const bool problem = corner.id == m_problemCorner;
        painter.setPen(Qt::NoPen);
        painter.setBrush(problem ? QColor(230, 0, 0) : QColor(0, 90, 200));
        painter.drawEllipse(at, problem ? 6 : 3.5, problem ? 6 : 3.5);
        painter.setPen(problem ? QColor(230, 0, 0) : QColor(0, 40, 120));
        painter.drawText(at + QPointF(5, -5), QString::number(corner.id));
    }
    if (const PlanScale* scale = m_plan->scaleOf(m_pageIndex)) {
        painter.setPen(QPen(QColor(0, 150, 0), 2, Qt::DashLine));
        painter.drawLine(screenFromImage(scale->from), screenFromImage(scale->to));
    }
}

void UiPlanCanvas::drawDraft(QPainter& painter) const {
    if (m_draft.isEmpty())
        return;
    painter.setPen(QPen(QColor(230, 120, 0), 2));
    painter.setBrush(QColor(230, 120, 0));
    QPolygonF line;
    for (QPointF p : m_draft)
        line << screenFromImage(p);
    painter.drawPolyline(line);
    for (QPointF p : line)
        painter.drawEllipse(p, 4, 4);
}

} // namespace qx
