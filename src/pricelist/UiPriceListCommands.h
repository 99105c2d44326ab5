#pragma once

#include "data/AppContext.h"

class QWidget;

namespace qx {

// The Cost Tables window's price list commands. Import asks for a file, refuses one that is no price
// list with its message, and shows the import form; true when something was imported. Export asks
// where to write every cost item and says how many it wrote.
bool importPriceList(AppContext& ctx, const QString& costType, QWidget* parent);
void exportPriceList(AppContext& ctx);

} // namespace qx
