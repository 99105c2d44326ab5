#include "takeoff/PlanGeometry.h"

#include "data/WholeNumber.h"
#include "takeoff/PitchFactors.h"
#include "takeoff/PlanTexts.h"

#include <QLineF>
#include <QMap>
#include <algorithm>
#include <cmath>

namespace qx {

namespace {

const std::array<QString, kEdgeClassCount>& classNames() {
    static const std::array<QString, kEdgeClassCount> names = {QStringLiteral("Eave"), QStringLiteral("Rake"),
                                                               QStringLiteral("Ridge"), QStringLiteral("Hip"),
                                                               QStringLiteral("Valley")};
    return names;
}

double cross(QPointF u, QPointF v) {
    return u.x() * v.y() - u.y() * v.x();
}

double dot(QPointF u, QPointF v) {
    return u.x() * v.x() + u.y() * v.y();
}

double lengthOf(QPointF v) {
    return std::hypot(v.x(), v.y());
}

// Which side of the line through a and b the point p lies on: -1, 0 (on it, within a hair) or 1.
int side(QPointF a, QPointF b, QPointF p) {
    const double c = cross(b - a, p - a);
    const double scale = std::max(1.0, lengthOf(b - a) * lengthOf(p - a));
    if (std::abs(c) <= 1e-9 * scale)
        return 0;
    return c < 0 ? -1 : 1;
}

bool onSegment(QPointF a, QPointF b, QPointF p) {
    return std::min(a.x(), b.x()) - 1e-9 <= p.x() && p.x() <= std::max(a.x(), b.x()) + 1e-9 &&
           std::min(a.y(), b.y()) - 1e-9 <= p.y() && p.y() <= std::max(a.y(), b.y()) + 1e-9;
}

bool segmentsTouch(QPointF a, QPointF b, QPointF c, QPointF d) {
    const int s1 = side(a, b, c), s2 = side(a, b, d), s3 = side(c, d, a), s4 = side(c, d, b);
    if (s1 * s2 < 0 && s3 * s4 < 0)
        return true;
    return (s1 == 0 && onSegment(a, b, c)) || (s2 == 0 && onSegment(a, b, d)) ||
           (s3 == 0 && onSegment(c, d, a)) || (s4 == 0 && onSegment(c, d, b));
}

// The unit normal of edge a -> b that points into a polygon of the given orientation.
QPointF inwardNormal(QPointF a, QPointF b, double orientation) {
    const QPointF d = b - a;
    const double len = lengthOf(d);
    if (len == 0)
        return {};
    const QPointF left(-d.y() / len, d.x() / len);
    return orientation > 0 ? left : -left;
}

// One facet as a plane: the height at a point, and how fast it rises in a direction.
struct Plane {
    QPointF origin; // a point of the eave line, height 0
    QPointF rise;   // the horizontal direction of steepest rise times the slope (pitch / 12)

    double heightAt(QPointF p) const { return dot(p - origin, rise); }
};

struct FacetGeometry {
    QList<QPointF> outline;
    double orientation = 0; // signed area
    Plane plane;
};

// Level: no more rise than a tenth of a foot, or than half an inch per foot of run.
bool isLevel(double rise, double run) {
    constexpr double kLevelRise = 0.1;
    constexpr double kLevelSlope = 1.0 / 24.0;
    return std::abs(rise) <= kLevelRise || std::abs(rise) <= run * kLevelSlope;
}

struct EdgeUse {
    EdgeKey key;
    QList<int> facets;       // indexes into the facets
    QList<double> riseRates; // per facet: how fast it rises going from the edge into it
};

} // namespace

QString edgeClassName(EdgeClass cls) {
    return classNames()[size_t(cls)];
}

std::optional<EdgeClass> edgeClassNamed(const QString& name) {
    for (int i = 0; i < kEdgeClassCount; ++i) {
        if (classNames()[size_t(i)].compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return EdgeClass(i);
    }
    return std::nullopt;
}

double facetFactor(std::int32_t pitch) {
    return pitch == 0 ? 1.0 : double(PitchValue(pitch));
}

double signedArea(const QList<QPointF>& outline) {
    double twice = 0;
    for (qsizetype i = 0; i < outline.size(); ++i)
        twice += cross(outline[i], outline[(i + 1) % outline.size()]);
    return twice / 2;
}

QPointF outlineMiddle(const QList<QPointF>& outline) {
    QPointF sum;
    for (QPointF p : outline)
        sum += p;
    return outline.isEmpty() ? sum : sum / double(outline.size());
}

bool outlineCrosses(const QList<QPointF>& outline) {
    const qsizetype n = outline.size();
    if (n < 3 || signedArea(outline) == 0)
        return true;
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = i + 1; j < n; ++j) {
            if (outline[i] == outline[j])
                return true;
        }
    }
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF a = outline[i], b = outline[(i + 1) % n];
        for (qsizetype j = i + 1; j < n; ++j) {
            // Neighbouring edges share a corner; only their folding back onto each other counts.
            const bool next = j == i + 1, wraps = i == 0 && j == n - 1;
            const QPointF c = outline[j], d = outline[(j + 1) % n];
            if (next) {
                if (side(a, b, d) == 0 && dot(b - a, d - c) < 0)
                    return true;
            } else if (wraps) {
                if (side(a, b, c) == 0 && dot(b - a, d - c) < 0)
                    return true;
            } else if (segmentsTouch(a, b, c, d)) {
                return true;
            }
        }
    }
    return false;
}

RoofFigures figureRoof(const RoofShape& shape) {
    RoofFigures figures;
    QList<FacetGeometry> facets;
    for (const FacetShape& facet : shape.facets) {
        FacetGeometry g;
        for (std::int32_t id : facet.corners)
            g.outline << shape.corners.value(id);
        g.orientation = signedArea(g.outline);
        const qsizetype n = g.outline.size();
        const qsizetype eave = n == 0 ? 0 : std::clamp<qsizetype>(facet.eave, 0, n - 1);
        if (n >= 2) {
            const QPointF a = g.outline[eave], b = g.outline[(eave + 1) % n];
            g.plane = {a, inwardNormal(a, b, g.orientation) * (double(facet.pitch) / 12.0)};
        }
        facets << g;
    }

    // Heights: every facet that has a corner says how high it stands; they must agree.
    QMap<std::int32_t, QList<double>> said; // ordered by corner id, so the first misfit named is stable
    for (qsizetype f = 0; f < facets.size(); ++f) {
        for (std::int32_t id : shape.facets[f].corners)
            said[id] << facets[f].plane.heightAt(shape.corners.value(id));
    }
    for (auto it = said.cbegin(); it != said.cend(); ++it) {
        const auto [low, high] = std::minmax_element(it.value().cbegin(), it.value().cend());
        if (*high - *low > kMeetTolerance) {
            figures.problem = kMsgFacetsDoNotMeet.arg(it.key());
            figures.problemCorner = it.key();
            return figures;
        }
        double sum = 0;
        for (double h : it.value())
            sum += h;
        figures.heights.insert(it.key(), sum / double(it.value().size()));
    }

    // Areas.
    for (qsizetype f = 0; f < facets.size(); ++f) {
        FacetFigure figure;
        figure.number = int(f + 1);
        figure.planArea = std::abs(facets[f].orientation);
        constexpr double kBeyondAnyRow = 1e15;
        figure.roofArea = std::int64_t(
            std::min(roundHalfEven(figure.planArea * facetFactor(shape.facets[f].pitch)), kBeyondAnyRow));
        figures.roofArea += figure.roofArea;
        figures.facets << figure;
    }

    // Edges, each once, with the facets that draw it and how they rise from it.
    QList<EdgeUse> uses;
    QHash<EdgeKey, qsizetype> found;
    for (qsizetype f = 0; f < facets.size(); ++f) {
        const QList<std::int32_t>& ids = shape.facets[f].corners;
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const std::int32_t from = ids[i], to = ids[(i + 1) % ids.size()];
            const EdgeKey key = EdgeKey::of(from, to);
            qsizetype at = found.value(key, -1);
            if (at < 0) {
                at = uses.size();
                found.insert(key, at);
                uses << EdgeUse{key, {}, {}};
            }
            const QPointF normal =
                inwardNormal(shape.corners.value(from), shape.corners.value(to), facets[f].orientation);
            uses[at].facets << int(f);
            uses[at].riseRates << dot(normal, facets[f].plane.rise);
        }
    }
    for (const EdgeUse& use : uses) {
        EdgeFigure edge;
        edge.key = use.key;
        for (int f : use.facets)
            edge.facets << f + 1;
        const QPointF a = shape.corners.value(use.key.a), b = shape.corners.value(use.key.b);
        const double rise = figures.heights.value(use.key.b) - figures.heights.value(use.key.a);
        edge.planLength = lengthOf(b - a);
        edge.trueLength = std::hypot(edge.planLength, rise);
        const bool level = isLevel(rise, edge.planLength);
        if (use.facets.size() < 2) {
            edge.found = level ? EdgeClass::Eave : EdgeClass::Rake;
        } else {
            double rising = 0;
            for (double rate : use.riseRates)
                rising += rate;
            constexpr double kFlat = 1e-9;
            if (rising > kFlat)
                edge.found = EdgeClass::Valley;
            else
                edge.found = level ? EdgeClass::Ridge : EdgeClass::Hip;
        }
        edge.cls = shape.chosenClasses.value(use.key, edge.found);
        figures.lengths[size_t(edge.cls)] += edge.trueLength;
        figures.edges << edge;
    }
    return figures;
}

} // namespace qx
