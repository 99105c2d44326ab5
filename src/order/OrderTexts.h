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
// A line the order cannot figure: the Per Unit and Order cells of the grid.
inline const QString kCoverageUnusable = QStringLiteral("not usable");
inline const QString kOrderNoMeasure = QStringLiteral("no measure");
inline const QString kOrderNoCoverage = QStringLiteral("no coverage");
inline const QString kMsgNoOrder =
    QStringLiteral("No listed line has a roof measure and a usable coverage, so no quantity was set.");
// "2 lines were left as they were: the roof has no measure for them or their coverage is not usable."
inline QString linesLeftAlone(int lines) {
    if (lines == 1)
        return QStringLiteral("1 line was left as it was: the roof has no measure for it or its coverage is "
                              "not usable.");
    return QStringLiteral("%1 lines were left as they were: the roof has no measure for them or their "
                          "coverage is not usable.")
        .arg(lines);
}
inline const QString kCsvFilter = QStringLiteral("CSV files (*.csv)");
inline const QString kSaveCsvTitle = QStringLiteral("Save as CSV");

} // namespace qx
