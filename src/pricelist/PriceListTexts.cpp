#include "pricelist/PriceListTexts.h"

namespace qx {

QString fileTooLarge(qint64 limitBytes) {
    return QStringLiteral("The file is larger than %1 MB; it is not a price list.")
        .arg(limitBytes / (1024 * 1024));
}

QString fileTooManyRows(qsizetype limit) {
    return QStringLiteral("The file holds more than %1 rows; it is not a price list.").arg(limit);
}

QString fileHeaderUnreadable(const QString& why) {
    return QStringLiteral("The first row, which names the columns, cannot be read: %1.").arg(why);
}

QString whyCellsTooLarge(qsizetype maxChars, qsizetype maxCells) {
    return QStringLiteral("a cell is longer than %1 characters or the row holds more than %2 cells")
        .arg(maxChars)
        .arg(maxCells);
}

QString numbersAmbiguous(const QString& example) {
    return QStringLiteral("No price shows how this file writes numbers (\"%1\" reads either way): check "
                          "the form chosen.")
        .arg(example);
}

QString exportItemUnreadable(qint32 id, qsizetype maxChars) {
    return QStringLiteral("Cost item %1 holds a NUL character or a text longer than %2 characters, which a "
                          "price list cannot carry. Nothing was written.")
        .arg(id)
        .arg(maxChars);
}

QString exportTooLarge(qint64 limitBytes) {
    return QStringLiteral("The price list would be larger than %1 MB, the most a price list may hold. "
                          "Nothing was written.")
        .arg(limitBytes / (1024 * 1024));
}

QString exportTooManyRows(qsizetype limit) {
    return QStringLiteral("The price list would hold more than %1 rows, the most a price list may hold. "
                          "Nothing was written.")
        .arg(limit);
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
