#pragma once

#include <QString>

namespace qx {

// Captions and messages of the price list import and export.

inline const QString kTitleImport = QStringLiteral("Import Price List");
inline const QString kTitleExport = QStringLiteral("Export Price List");
inline const QString kCsvFilter = QStringLiteral("CSV Files (*.csv)");
inline const QString kNoColumn = QStringLiteral("(none)");

// Files that are no price list
inline const QString kFileEmpty = QStringLiteral("The file is empty.");
inline const QString kFileBinary = QStringLiteral("The file holds binary data; it is not a price list.");
inline const QString kFileNoRows = QStringLiteral("The file holds a header and no price rows.");
QString fileTooLarge(qint64 limitBytes);
QString fileUnreadable(const QString& reason);

// Why a row is refused
inline const QString kWhyNoName = QStringLiteral("the name is blank");
inline const QString kWhyPrice = QStringLiteral("the price is not a number or is negative");
inline const QString kWhyNoNameColumn =
    QStringLiteral("Choose the columns that hold the name and the price.");
QString whyTooLong(const QString& field, int maxLength);
QString whySkuTwice(const QString& sku);
QString whyItemTwice();
// "Row 4: the price is not a number or is negative"
QString refusedRowText(int row, const QString& why);

// "1 new, 1 changed, 0 unchanged, 1 refused"
QString importSummary(int added, int changed, int unchanged, int refused);
inline const QString kImporting = QStringLiteral("Importing the price list...");
inline const QString kImportCancelled = QStringLiteral("The import was cancelled; nothing was changed.");
QString exportDone(int items, const QString& path);

} // namespace qx
