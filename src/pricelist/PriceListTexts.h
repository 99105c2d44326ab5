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
QString fileTooManyRows(qsizetype limit);
QString fileUnreadable(const QString& reason);
// "The first row, which names the columns, cannot be read: WHY."
QString fileHeaderUnreadable(const QString& why);
inline const QString kReading = QStringLiteral("Reading the price list...");

// Why a row is refused
inline const QString kWhyNoName = QStringLiteral("the name is blank");
inline const QString kWhyPrice = QStringLiteral("the price is not a number or is negative");
inline const QString kWhyQuoteOpen =
    QStringLiteral("a quote opens a cell and is never closed (the rows after this line are read)");
QString whyCellsTooLarge(qsizetype maxChars, qsizetype maxCells);
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
// Beside the number box when no price tells how the file writes numbers.
QString numbersAmbiguous(const QString& example);
inline const QString kImportCategoryLabel = QStringLiteral("New items without a category go to:");
inline const QString kImportCancelled = QStringLiteral("The import was cancelled; nothing was changed.");
QString exportDone(int items, const QString& path);
// Why an export writes nothing: what the import of the file would refuse.
QString exportItemUnreadable(qint32 id, qsizetype maxChars);
QString exportTooLarge(qint64 limitBytes);
QString exportTooManyRows(qsizetype limit);

} // namespace qx
