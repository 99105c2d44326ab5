#pragma once

#include "data/AppContext.h"
#include "estimate/WorkState.h"

#include <QWidget>

namespace qx {

// The "Area" tab: the roof areas, the pitch, the lineal items and the roof totals.
class UiRoofPanel : public QWidget {
    Q_OBJECT
public:
    UiRoofPanel(AppContext& ctx, WorkState& state, QWidget* parent = nullptr);

    // Every estimate starts clean: view "Individual Areas", boxes "0", no pitch, grids refilled.
    void resetForEstimate();

signals:
    // A roof edit: the estimate is now changed.
    void changed();

private:
    AppContext& m_ctx;
    WorkState& m_state;
};

} // namespace qx
