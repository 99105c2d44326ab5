#include "takeoff/RoofFigure.h"

#include "data/InputRules.h"
#include "takeoff/PitchFactors.h"
#include "takeoff/TakeoffTexts.h"

namespace qx {

RoofFigure::RoofFigure(DataAccess& data, RoofAreas& areas, RoofTotals& totals)
    : m_data(data)
    , m_areas(areas)
    , m_totals(totals) {}

MeasureBox RoofFigure::checkMeasures(const QString& width, const QString& height) {
    for (const auto& [box, text] :
         {std::pair{MeasureBox::Width, width}, std::pair{MeasureBox::Height, height}}) {
        if (const auto message = checkMeasure(text)) {
            m_data.prompter().inform(kAppTitle, *message);
            return box;
        }
    }
    return MeasureBox::None;
}

PitchChoice RoofFigure::choosePitch(const QString& pitch, const QString& width, const QString& height,
                                    bool ignoreRoofEvents) {
    if (pitch.isEmpty())
        return {};
    if (!ignoreRoofEvents) {
        if (const MeasureBox bad = checkMeasures(width, height); bad != MeasureBox::None)
            return {bad, true, bad};
    }
    // A box that does not hold a number counts as 0, as an unfinished measure.
    if (readMeasure(width).value == 0.0) {
        if (ignoreRoofEvents)
            return {};
        m_data.prompter().inform(kAppTitle, kMsgEnterWidthValue);
        return {MeasureBox::Width, true};
    }
    if (readMeasure(height).value == 0.0) {
        m_data.prompter().inform(kAppTitle, kMsgEnterHeightValue);
        return {MeasureBox::Height, !ignoreRoofEvents};
    }
    return {};
}

FigureOutcome RoofFigure::Figure(const QString& pitch, const QString& width, const QString& height) {
    Prompter& prompter = m_data.prompter();
    if (const MeasureBox bad = checkMeasures(width, height); bad != MeasureBox::None)
        return {false, bad, bad};
    if (pitch.isEmpty()) {
        prompter.inform(kAppTitle, kMsgSelectPitch);
        return {};
    }
    std::int32_t pitchNo = 0;
    const bool known =
        m_data.Trap({QStringLiteral("PitchValue"), TrapSite::Form, QStringLiteral("frmQuovi")}, [&] {
            const auto number = pitchNumber(pitch);
            if (!number)
                throw Failure(13, QStringLiteral("Type mismatch"));
            pitchNo = *number;
        });
    if (!known)
        return {};
    const Measure w = readMeasure(width, kMsgNotANumber);
    if (!w.ok()) {
        prompter.inform(kAppTitle, w.problem);
        return {false, MeasureBox::Width};
    }
    const Measure h = readMeasure(height, kMsgNotANumber);
    if (!h.ok()) {
        prompter.inform(kAppTitle, h.problem);
        return {false, MeasureBox::Height};
    }
    // The single-precision factor widened as it is, so that the area matches the pitch table's figure.
    const auto area = toWhole(double(h.whole) * double(w.whole) * double(PitchValue(pitchNo)));
    // The figured area replaces the Area box; with the lineal items it must still make a Total.
    if (!area || *area > kMaxMeasure - m_totals.boxes().lineal) {
        prompter.inform(kAppTitle, kMsgAreaTooLarge);
        return {false, MeasureBox::Width};
    }
    m_totals.showArea(*area);
    return {m_areas.storeFigure({pitchNo, w.whole, h.whole, *area}), MeasureBox::None, MeasureBox::None, w.whole, h.whole};
}

} // namespace qx
