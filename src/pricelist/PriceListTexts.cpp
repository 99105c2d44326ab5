#include "pricelist/PriceListTexts.h"

namespace qx {

QString fileTooLarge(qint64 limitBytes) {
    return QStringLiteral("The file is larger than %1 MB; it is not a price list.")
        .arg(limitBytes / (1024 * 1024));
}

QString fileUnreadable(const QString& reason) {
    return QStringLiteral("The file cannot be read: %1").arg(reason);
}

QString whyTooLong(const QString& field, int maxLength) {
    return QStringLiteral("the %1 is longer than %2 characters").arg(field).arg(maxLength);
}

QString whySkuTwice(const QString& sku) {
    return QStringLiteral("the SKU %1 is in the file more than once").arg(sku);
}

QString whyItemTwice() {
    return QStringLiteral("an earlier row of the file names the same item");
}

QString refusedRowText(int row, const QString& why) {
    return QStringLiteral("Row %1: %2").arg(row).arg(why);
}

QString importSummary(int added, int changed, int unchanged, int refused) {
    return QStringLiteral("%1 new, %2 changed, %3 unchanged, %4 refused")
        .arg(added)
        .arg(changed)
        .arg(unchanged)
        .arg(refused);
}

QString exportDone(int items, const QString& path) {
    return QStringLiteral("%1 cost items were written to %2.").arg(items).arg(path);
}

} // namespace qx
