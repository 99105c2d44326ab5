#pragma once

#include <QString>

namespace qx {

// Captions of the setup screen's groups of defaults, and the line that says what cut waste does.
namespace SetupTexts {

inline const QString kDocumentsFrame = QStringLiteral("Documents");
inline const QString kPricesFrame = QStringLiteral("Prices");
inline const QString kCutWasteFrame = QStringLiteral("Cut waste");
// Two lines as they stand: a wrapped label on a tab page gets the height of one.
inline const QString kCutWasteNote = QStringLiteral(
    "When a traced plan is applied, its \"Cut waste\" item is the base percentage plus the\n"
    "square feet lost along each foot of hip, valley and rake, as a share of the roof's area.");

} // namespace SetupTexts

} // namespace qx
