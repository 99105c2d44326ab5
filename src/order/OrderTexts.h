#pragma once

#include <QString>

namespace qx {

// The captions and messages of the material order.
inline const QString kOrderTitle = QStringLiteral("Material Order");
inline const QString kCsvHeader = QStringLiteral("Item,Manufacturer,SKU,Quantity,Unit");
// "The order for NAME is more than a line's quantity can hold (2147483647)."
inline const QString kMsgOrderTooLarge =
    QStringLiteral("The order for %1 is more than a line's quantity can hold (%2).");
// "The order could not be saved as PATH: REASON"
inline const QString kMsgCsvNotSaved = QStringLiteral("The order could not be saved as %1: %2");
inline const QString kCsvFilter = QStringLiteral("CSV files (*.csv)");
inline const QString kSaveCsvTitle = QStringLiteral("Save as CSV");

} // namespace qx
