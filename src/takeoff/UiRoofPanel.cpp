#include "takeoff/UiRoofPanel.h"

namespace qx {

UiRoofPanel::UiRoofPanel(AppContext& ctx, WorkState& state, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_state(state) {}

void UiRoofPanel::resetForEstimate() {}

} // namespace qx
