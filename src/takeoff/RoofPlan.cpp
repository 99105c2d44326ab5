#include "takeoff/RoofPlan.h"

#include "takeoff/PlanTexts.h"

#include <QCryptographicHash>
#include <QLineF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace qx {

namespace {

// The point of segment a-b nearest to p.
QPointF nearestOnSegment(QPointF a, QPointF b, QPointF p) {
    const QPointF d = b - a;
    const double len2 = QPointF::dotProduct(d, d);
    if (len2 == 0)
        return a;
    const double t = std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0);
    return a + d * t;
}

double distance(QPointF a, QPointF b) {
    return QLineF(a, b).length();
}

} // namespace

PlanImage PlanImage::of(const QString& fileName, const QByteArray& bytes) {
    return {fileName, bytes,
            QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())};
}

double PlanScale::pixelsPerFoot() const {
    return feet > 0 ? distance(from, to) / feet : 0.0;
}

QString PlanScale::text() const {
    return QStringLiteral("1 ft = %1 px").arg(pixelsPerFoot(), 0, 'f', 1);
}

void RoofPlan::replaceImage(const PlanImage& newImage) {
    *this = RoofPlan();
    image = newImage;
}

const PlanScale* RoofPlan::scaleOf(std::int32_t onPage) const {
    for (const PlanScale& scale : scales) {
        if (scale.page == onPage)
            return &scale;
    }
    return nullptr;
}

std::optional<QString> RoofPlan::setScale(std::int32_t onPage, QPointF from, QPointF to, double feet) {
    if (distance(from, to) < 1.0)
        return kMsgScalePointsApart;
    const PlanScale scale{onPage, from, to, feet};
    for (PlanScale& kept : scales) {
        if (kept.page == onPage) {
            kept = scale;
            return std::nullopt;
        }
    }
    scales << scale;
    return std::nullopt;
}

const PlanCorner* RoofPlan::corner(std::int32_t id) const {
    for (const PlanCorner& c : corners) {
        if (c.id == id)
            return &c;
    }
    return nullptr;
}

const PlanFacet* RoofPlan::facet(std::int32_t id) const {
    for (const PlanFacet& f : facets) {
        if (f.id == id)
            return &f;
    }
    return nullptr;
}

int RoofPlan::facetNumber(std::int32_t id) const {
    for (qsizetype i = 0; i < facets.size(); ++i) {
        if (facets[i].id == id)
            return int(i + 1);
    }
    return 0;
}

QList<const PlanFacet*> RoofPlan::facetsOn(std::int32_t onPage) const {
    QList<const PlanFacet*> list;
    for (const PlanFacet& f : facets) {
        if (f.page == onPage)
            list << &f;
    }
    return list;
}

QList<QPointF> RoofPlan::outline(const PlanFacet& f) const {
    QList<QPointF> points;
    for (std::int32_t id : f.corners) {
        if (const PlanCorner* c = corner(id))
            points << c->at;
    }
    return points;
}

PlanSnap RoofPlan::snap(std::int32_t onPage, QPointF at, double tolerance) const {
    PlanSnap best{PlanSnap::Free, at, 0, {}};
    double bestDistance = tolerance;
    for (const PlanCorner& c : corners) {
        const double d = distance(c.at, at);
        if (c.page == onPage && d <= bestDistance) {
            best = {PlanSnap::Corner, c.at, c.id, {}};
            bestDistance = d;
        }
    }
    if (best.kind == PlanSnap::Corner)
        return best;
    for (const PlanFacet* f : facetsOn(onPage)) {
        for (qsizetype i = 0; i < f->corners.size(); ++i) {
            const std::int32_t a = f->corners[i], b = f->corners[(i + 1) % f->corners.size()];
            const QPointF on = nearestOnSegment(corner(a)->at, corner(b)->at, at);
            const double d = distance(on, at);
            if (d <= bestDistance) {
                best = {PlanSnap::Edge, on, 0, EdgeKey::of(a, b)};
                bestDistance = d;
            }
        }
    }
    return best;
}

std::int32_t RoofPlan::facetAt(std::int32_t onPage, QPointF at) const {
    const QList<const PlanFacet*> list = facetsOn(onPage);
    for (auto it = list.crbegin(); it != list.crend(); ++it) {
        if (QPolygonF(outline(**it)).containsPoint(at, Qt::OddEvenFill))
            return (*it)->id;
    }
    return 0;
}

std::optional<std::int32_t> RoofPlan::edgeNear(std::int32_t facetId, QPointF at, double tolerance) const {
    const PlanFacet* f = facet(facetId);
    if (!f)
        return std::nullopt;
    const QList<QPointF> points = outline(*f);
    std::optional<std::int32_t> best;
    double bestDistance = tolerance;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const double d = distance(nearestOnSegment(points[i], points[(i + 1) % points.size()], at), at);
        if (d <= bestDistance) {
            best = std::int32_t(i);
            bestDistance = d;
        }
    }
    return best;
}

std::int32_t RoofPlan::nextCornerId() const {
    std::int32_t id = 0;
    for (const PlanCorner& c : corners)
        id = std::max(id, c.id);
    return id + 1;
}

std::int32_t RoofPlan::nextFacetId() const {
    std::int32_t id = 0;
    for (const PlanFacet& f : facets)
        id = std::max(id, f.id);
    return id + 1;
}

void RoofPlan::splitEdge(EdgeKey edge, std::int32_t newCorner) {
    for (PlanFacet& f : facets) {
        const qsizetype n = f.corners.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (EdgeKey::of(f.corners[i], f.corners[(i + 1) % n]) != edge)
                continue;
            f.corners.insert(i + 1, newCorner);
            // The eave keeps its line: an edge after the split one moves up by one.
            if (f.eave > i)
                ++f.eave;
            break;
        }
    }
    chosenClasses.remove(edge);
}

std::variant<std::int32_t, QString> RoofPlan::addFacet(std::int32_t onPage, const QList<PlanSnap>& clicks,
                                                       std::int32_t pitch) {
    QList<QPointF> points;
    for (const PlanSnap& click : clicks)
        points << click.at;
    if (outlineCrosses(points))
        return kMsgOutlineCrosses;
    PlanFacet added{nextFacetId(), onPage, {}, pitch, 0};
    for (const PlanSnap& click : clicks) {
        if (click.kind == PlanSnap::Corner) {
            added.corners << click.corner;
            continue;
        }
        const std::int32_t id = nextCornerId();
        corners << PlanCorner{id, onPage, click.at};
        if (click.kind == PlanSnap::Edge)
            splitEdge(click.edge, id);
        added.corners << id;
    }
    facets << added;
    return added.id;
}

std::optional<QString> RoofPlan::moveCorner(std::int32_t id, QPointF to) {
    const RoofPlan before = *this;
    for (PlanCorner& c : corners) {
        if (c.id == id)
            c.at = to;
    }
    for (const PlanFacet& f : facets) {
        if (f.corners.contains(id) && outlineCrosses(outline(f))) {
            *this = before;
            return kMsgOutlineCrosses;
        }
    }
    return std::nullopt;
}

void RoofPlan::dropUnusedCorners() {
    corners.removeIf([this](const PlanCorner& c) {
        return std::none_of(facets.cbegin(), facets.cend(),
                            [&](const PlanFacet& f) { return f.corners.contains(c.id); });
    });
    for (auto it = chosenClasses.begin(); it != chosenClasses.end();) {
        if (!corner(it.key().a) || !corner(it.key().b))
            it = chosenClasses.erase(it);
        else
            ++it;
    }
}

void RoofPlan::deleteFacet(std::int32_t id) {
    facets.removeIf([id](const PlanFacet& f) { return f.id == id; });
    dropUnusedCorners();
}

void RoofPlan::setPitch(std::int32_t facetId, std::int32_t pitch) {
    for (PlanFacet& f : facets) {
        if (f.id == facetId)
            f.pitch = pitch;
    }
}

void RoofPlan::setEave(std::int32_t facetId, std::int32_t edge) {
    for (PlanFacet& f : facets) {
        if (f.id == facetId && edge >= 0 && edge < f.corners.size())
            f.eave = edge;
    }
}

void RoofPlan::chooseClass(EdgeKey edge, std::optional<EdgeClass> cls) {
    if (cls)
        chosenClasses.insert(edge, *cls);
    else
        chosenClasses.remove(edge);
}

std::variant<RoofShape, QString> RoofPlan::shape() const {
    RoofShape roof;
    for (const PlanFacet& f : facets) {
        const PlanScale* scale = scaleOf(f.page);
        if (!scale || scale->pixelsPerFoot() <= 0)
            return kMsgSetScaleFirst;
        roof.facets << FacetShape{f.corners, f.pitch, f.eave};
    }
    for (const PlanCorner& c : corners) {
        if (const PlanScale* scale = scaleOf(c.page))
            roof.corners.insert(c.id, c.at / scale->pixelsPerFoot());
    }
    roof.chosenClasses = chosenClasses;
    return roof;
}

RoofFigures RoofPlan::figures() const {
    const auto roof = shape();
    if (const QString* problem = std::get_if<QString>(&roof)) {
        RoofFigures none;
        none.problem = *problem;
        return none;
    }
    return figureRoof(std::get<RoofShape>(roof));
}

} // namespace qx
