#include "takeoff/CutWaste.h"

#include "data/WholeNumber.h"

namespace qx {

std::optional<CutWaste> cutWaste(const RoofFigures& figures, const WasteSettings& rates) {
    if (!figures.ok() || figures.roofArea <= 0)
        return std::nullopt;
    CutWaste waste;
    waste.rates = rates;
    waste.hipValleyFeet = figures.length(EdgeClass::Hip) + figures.length(EdgeClass::Valley);
    waste.rakeFeet = figures.length(EdgeClass::Rake);
    waste.roofArea = figures.roofArea;
    const double lost = rates.value(WasteSettings::HipValley) * waste.hipValleyFeet +
                        rates.value(WasteSettings::Rake) * waste.rakeFeet;
    const auto percent = toWhole(rates.value(WasteSettings::Base) + 100.0 * lost / double(waste.roofArea));
    if (!percent)
        return std::nullopt;
    waste.percent = *percent;
    return waste;
}

std::optional<CutWaste> cutWasteItem(const RoofFigures& figures, const WasteSettings& rates) {
    auto waste = cutWaste(figures, rates);
    if (waste && waste->percent <= 0)
        waste.reset();
    return waste;
}

QString cutWastePercentText(const CutWaste& waste) {
    return QStringLiteral("%1%").arg(waste.percent);
}

QString cutWasteLine(const CutWaste& waste) {
    const auto feet = [](double length) { return QString::number(length, 'f', 1); };
    return QStringLiteral("%1 %2 = %3% + %4 sq ft x %5 ft of hips and valleys + %6 sq ft x %7 ft of rakes "
                          "over %8 sq ft")
        .arg(kCutWasteName, cutWastePercentText(waste), waste.rates.plain(WasteSettings::Base),
             waste.rates.plain(WasteSettings::HipValley), feet(waste.hipValleyFeet),
             waste.rates.plain(WasteSettings::Rake), feet(waste.rakeFeet), wholeText(waste.roofArea));
}

} // namespace qx
