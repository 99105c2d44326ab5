#include "takeoff/RoofTotals.h"

namespace qx {

RoofTotals::RoofTotals(RoofAreas& areas, LinealItems& lineals)
    : m_areas(areas)
    , m_lineals(lineals) {}

void RoofTotals::TotalArea() {
    if (const auto sum = m_areas.sumTotal())
        showArea(*sum);
}

void RoofTotals::TotalOther() {
    if (const auto sum = m_lineals.sumTotal()) {
        m_boxes.lineal = *sum;
        RoofTotal();
    }
}

void RoofTotals::RoofTotal() {
    m_boxes.total = m_boxes.area + m_boxes.lineal;
}

void RoofTotals::showArea(std::int64_t area) {
    m_boxes.area = area;
    RoofTotal();
}

} // namespace qx
