#pragma once

#include "takeoff/RoofPlan.h"

#include <QImage>
#include <QWidget>

namespace qx {

// The plan canvas (picPlan): one page of the plan with the traced facets over it, zoomed with the
// wheel or zoomIn/zoomOut/fit and panned by dragging with the middle button or with Space held. It
// turns clicks into points of the page image and draws what the plan window hands it; it decides
// nothing about the plan.
class UiPlanCanvas : public QWidget {
    Q_OBJECT
public:
    // A click within this many screen pixels of a corner or an edge lands on it.
    static constexpr double kSnapPixels = 8.0;

    explicit UiPlanCanvas(QWidget* parent = nullptr);

    // A new page: shown whole.
    void setPage(const QImage& page);
    // What to draw: the plan's facets on `page`, the selected facet, a corner to mark as a problem,
    // the clicks of a facet or scale line being traced, and the facets' numbers.
    void setPlan(const RoofPlan* plan, std::int32_t page);
    void setSelected(std::int32_t facet);
    void setProblemCorner(std::int32_t corner);
    void setDraft(const QList<QPointF>& points);

    // Where a point of the page image is on the canvas, and the other way round.
    Q_INVOKABLE QPointF screenFromImage(QPointF image) const;
    QPointF imageFromScreen(QPointF screen) const;
    // kSnapPixels in pixels of the page image at the present zoom.
    double tolerance() const { return kSnapPixels / m_zoom; }

    void zoomIn();
    void zoomOut();
    void fit();

signals:
    // A left click (not the end of a drag) at a point of the page image.
    void pointClicked(QPointF image);
    // A corner dragged to a new point of the page image.
    void cornerDragged(std::int32_t corner, QPointF image);
    void returnPressed();
    void deletePressed();
    void escapePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void zoomAround(QPointF screen, double factor);
    void drawFacets(QPainter& painter) const;
    void drawDraft(QPainter& painter) const;

    QImage m_page;
    const RoofPlan* m_plan = nullptr;
    std::int32_t m_pageIndex = 0;
    std::int32_t m_selected = 0;
    std::int32_t m_problemCorner = 0;
    QList<QPointF> m_draft;

    double m_zoom = 1.0;
    QPointF m_offset; // where the page's top left corner is on the canvas
    bool m_fitted = false;
    bool m_spaceHeld = false;
    std::optional<QPointF> m_panFrom;
    std::int32_t m_dragCorner = 0;
    QPointF m_pressAt;
    bool m_dragged = false;
};

} // namespace qx
