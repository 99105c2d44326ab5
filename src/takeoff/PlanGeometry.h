#pragma once

#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace qx {

// The roof's geometry as traced on a plan: facets (roof planes) drawn as plan polygons over shared
// corners, each rising from its eave edge at its pitch. Everything here is in feet, in the plan's own
// axes (which way is up does not matter).

// The classes of roof edge, in the order the totals list shows them.
enum class EdgeClass : std::int32_t { Eave = 0, Rake = 1, Ridge = 2, Hip = 3, Valley = 4 };
inline constexpr int kEdgeClassCount = 5;
// "Eave", "Rake", "Ridge", "Hip", "Valley".
QString edgeClassName(EdgeClass cls);
// The class named so (as edgeClassName writes it, any letter case); nothing for another text.
std::optional<EdgeClass> edgeClassNamed(const QString& name);

// An edge between two corners, written with the smaller corner id first, whichever way it was drawn.
struct EdgeKey {
    std::int32_t a = 0;
    std::int32_t b = 0;

    static EdgeKey of(std::int32_t one, std::int32_t other) {
        return one < other ? EdgeKey{one, other} : EdgeKey{other, one};
    }
    bool operator==(const EdgeKey&) const = default;
};
inline size_t qHash(const EdgeKey& key, size_t seed = 0) {
    return ::qHash(qint64(key.a) << 32 | quint32(key.b), seed);
}

// One roof plane: its corners in order around it (corner ids), its pitch (0 for a flat facet, else
// rise per twelve of run) and its eave: edge i runs from corner i to corner i + 1 (the last back to
// the first), and the facet rises from that edge's line into the facet.
struct FacetShape {
    QList<std::int32_t> corners;
    std::int32_t pitch = 0;
    std::int32_t eave = 0;
};

// A traced roof: corner positions in feet by id, the facets in their order (facet N is the N-th, from
// 1) and the classes the user chose by hand for some edges.
struct RoofShape {
    QHash<std::int32_t, QPointF> corners;
    QList<FacetShape> facets;
    QHash<EdgeKey, EdgeClass> chosenClasses;
};

// The factor a facet's plan area is multiplied by: the roof panel's pitch factor, 1 for a flat facet.
double facetFactor(std::int32_t pitch);

// The signed plan area of a polygon (positive when its corners run counter-clockwise in axes whose
// second coordinate grows upwards).
double signedArea(const QList<QPointF>& outline);
// The middle of an outline's corners, where a facet's number is written.
QPointF outlineMiddle(const QList<QPointF>& outline);
// True when two edges of the outline that are not neighbours touch or cross, when two corners lie on
// each other, or when the outline encloses no area: such an outline is no facet.
bool outlineCrosses(const QList<QPointF>& outline);

struct FacetFigure {
    int number = 0;      // from 1, in the facets' order
    double planArea = 0; // square feet
    // Plan area x facetFactor, whole square feet (half to even); past 10^15 it stays there, which no
    // area row can take anyway.
    std::int64_t roofArea = 0;
};

struct EdgeFigure {
    EdgeKey key;
    QList<int> facets;                 // the numbers of the facets that have this edge (one or two)
    double planLength = 0;             // feet
    double trueLength = 0;             // feet, between the corners' heights
    EdgeClass found = EdgeClass::Eave; // as the geometry classes it
    EdgeClass cls = EdgeClass::Eave;   // as counted: the user's choice, else `found`
};

// What a traced roof comes to.
struct RoofFigures {
    // Empty when the facets fit together; else the message ("These facets do not meet at corner N.")
    // and nothing else is figured.
    QString problem;
    std::int32_t problemCorner = 0; // the corner the message names
    QList<FacetFigure> facets;
    QList<EdgeFigure> edges;                       // in the order the facets first draw them
    QHash<std::int32_t, double> heights;           // corner id -> feet above the eaves
    std::array<double, kEdgeClassCount> lengths{}; // true lengths by EdgeClass
    std::int64_t roofArea = 0;                     // the facets' whole roof areas added up

    bool ok() const { return problem.isEmpty(); }
    double length(EdgeClass cls) const { return lengths[size_t(cls)]; }
};

// Two heights of a corner count as the same when they differ by no more than this (feet): a traced
// corner is off by a few pixels of the drawing.
inline constexpr double kMeetTolerance = 0.5;

// Figures a traced roof. Every facet's eave lies at height 0; a corner's height comes from the planes
// of the facets that share it, which must agree (kMeetTolerance). An edge drawn by one facet is an eave
// when level, else a rake; an edge two facets share is a ridge when level and the facets fall away
// from it, a valley when they rise from it (level or not), a hip when they fall away from a rising
// edge.
RoofFigures figureRoof(const RoofShape& shape);

} // namespace qx
