#pragma once

#include "takeoff/PlanGeometry.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>
#include <optional>
#include <variant>

namespace qx {

// The file a plan was traced on, kept whole so that what was measured can be shown again.
struct PlanImage {
    QString fileName; // the name it had, without its folder
    QByteArray bytes;
    QString sha256; // of the bytes, in hexadecimal

    bool isEmpty() const { return bytes.isEmpty(); }
    bool operator==(const PlanImage&) const = default;
    bool isPdf() const { return bytes.startsWith("%PDF"); }
    static PlanImage of(const QString& fileName, const QByteArray& bytes);
};

// Positions are in the pixels of the page as the plan window draws it (a PDF page at kPdfDpi).
inline constexpr double kPdfDpi = 144.0;

struct PlanCorner {
    std::int32_t id = 0;
    std::int32_t page = 0;
    QPointF at;

    bool operator==(const PlanCorner&) const = default;
};

struct PlanFacet {
    std::int32_t id = 0;
    std::int32_t page = 0;
    QList<std::int32_t> corners;
    std::int32_t pitch = 0;
    std::int32_t eave = 0; // the edge from corners[eave] to the next corner

    bool operator==(const PlanFacet&) const = default;
};

// A page's scale: the two points clicked on a known length and that length in feet.
struct PlanScale {
    std::int32_t page = 0;
    QPointF from;
    QPointF to;
    double feet = 0;

    double pixelsPerFoot() const;
    bool operator==(const PlanScale&) const = default;
    // "1 ft = 9.8 px"
    QString text() const;
};

// Where a click lands: on an existing corner, on an existing edge (at the nearest point of it), or
// free.
struct PlanSnap {
    enum Kind { Free, Corner, Edge };
    Kind kind = Free;
    QPointF at;
    std::int32_t corner = 0; // Corner
    EdgeKey edge;            // Edge
};

// A plan being traced: the image, the page shown, each page's scale, and the facets over their shared
// corners, with the classes the user chose for some edges. Everything the plan window does to a plan
// goes through here; the window only turns mouse clicks into image points.
class RoofPlan {
public:
    PlanImage image;
    std::int32_t page = 0;
    QList<PlanScale> scales;
    QList<PlanCorner> corners;
    QList<PlanFacet> facets;
    QHash<EdgeKey, EdgeClass> chosenClasses;

    bool isEmpty() const { return image.isEmpty(); }
    bool operator==(const RoofPlan&) const = default;
    // A new image: the tracing of the old one has no meaning on it and goes.
    void replaceImage(const PlanImage& newImage);

    const PlanScale* scaleOf(std::int32_t page) const;
    // Sets the scale of `page`; refused (with the message) when the points lie on each other.
    std::optional<QString> setScale(std::int32_t page, QPointF from, QPointF to, double feet);

    const PlanCorner* corner(std::int32_t id) const;
    const PlanFacet* facet(std::int32_t id) const;
    // 1 for the first facet; 0 for none.
    int facetNumber(std::int32_t id) const;
    QList<const PlanFacet*> facetsOn(std::int32_t page) const;
    QList<QPointF> outline(const PlanFacet& facet) const;

    // A click at `at` on `page`: the corner within `tolerance` pixels, else the edge within it (the
    // nearest point of the nearest edge), else free.
    PlanSnap snap(std::int32_t page, QPointF at, double tolerance) const;
    // The topmost facet whose outline holds the point; 0 for none.
    std::int32_t facetAt(std::int32_t page, QPointF at) const;
    // The index of the facet's edge within `tolerance` pixels of the point.
    std::optional<std::int32_t> edgeNear(std::int32_t facetId, QPointF at, double tolerance) const;

    // A facet from the clicks that traced it, in order (at least three). A click on an edge puts a
    // corner there that the facets along that edge get too, so that neighbours share it. Refused,
    // changing nothing, when the outline crosses itself. The new facet's eave is its first edge.
    std::variant<std::int32_t, QString> addFacet(std::int32_t page, const QList<PlanSnap>& clicks,
                                                 std::int32_t pitch);
    // Moves a corner and every facet with it; refused, changing nothing, when a facet's outline would
    // cross itself.
    std::optional<QString> moveCorner(std::int32_t id, QPointF to);
    // Deletes a facet; its corners that no other facet has go with it.
    void deleteFacet(std::int32_t id);
    void setPitch(std::int32_t facetId, std::int32_t pitch);
    void setEave(std::int32_t facetId, std::int32_t edge);
    // The class the user chose for an edge; nothing gives the edge back its own class.
    void chooseClass(EdgeKey edge, std::optional<EdgeClass> cls);

    // The traced roof in feet, each page by its scale; the message when a page that has facets has
    // no scale yet.
    std::variant<RoofShape, QString> shape() const;
    // shape(), then figureRoof; a missing scale comes back as the figures' problem.
    RoofFigures figures() const;

private:
    std::int32_t nextCornerId() const;
    std::int32_t nextFacetId() const;
    // Puts a new corner on an edge into every facet that has the edge.
    void splitEdge(EdgeKey edge, std::int32_t corner);
    void dropUnusedCorners();
};

} // namespace qx
