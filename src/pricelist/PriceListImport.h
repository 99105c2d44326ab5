#pragma once

#include "data/DataAccess.h"
#include "data/Money.h"
#include "pricelist/ColumnMapping.h"
#include "pricelist/CsvReader.h"
#include "pricelist/NumberForm.h"

#include <QDate>
#include <functional>
#include <optional>

namespace qx {

// One row of a price list that can be imported, with what it does to the cost database.
struct ImportRow {
    enum class Kind { New, Changed, Unchanged };
    int row = 0;
    Kind kind = Kind::New;
    qint32 id = 0; // the matched cost item; 0 for a new one
    QString item;  // the item's name as the changes list shows it
    // The values written; a blank one (a blank cell, an unmapped field, a value the item already has)
    // leaves the stored value as it is.
    QString name, sku, unit, manufacturer, category;
    std::optional<Money> price; // nothing keeps the stored amount
    Money oldPrice;
};

// What the import window sets beside the column mapping.
struct ImportOptions {
    // How the file writes numbers; nothing: as its prices show (guessNumberForm), else as the locale.
    std::optional<NumberForm> numbers;
    // The category of a new item whose row names none.
    QString category = QStringLiteral("Imported");
};

// What an import will do, worked out before anything is written.
struct ImportPlan {
    QList<ImportRow> rows;
    QStringList refused; // "Row N: why", in the order of the file
    int added = 0, changed = 0, unchanged = 0;

    // "N new, M changed, K unchanged, E refused"
    QString summary() const;
};

// A line of the changes list: the item, its old and new price as currency and the change in percent.
struct PriceChange {
    QString item, oldPrice, newPrice, change;
};

// Importing a supplier's price list into the cost database. Each row is matched to a cost item by the
// item ID the program's own export writes (when the row is that item), else by its SKU, else by name and
// manufacturer (StoredItems::match); an unmatched row is a new item. Rows the file cannot give whole,
// with a price that is no amount, a new item without a name or price, a text longer than its field or a
// SKU the file holds more than once are refused and change nothing.
class PriceListImport {
public:
    PriceListImport(DataAccess& data, const Conn& cost);

    // The plan for a file with this mapping; a cost database that cannot be read is reported (procedure
    // ImportPreview of frmImport) and gives nothing.
    std::optional<ImportPlan> preview(const CsvTable& table, const ColumnMapping& mapping,
                                      const ImportOptions& options = {});
    // The rule of the category box: a category as the cost item editor takes it; else its message.
    static std::optional<QString> categoryProblem(const QString& category);

    // Called every few hundred rows while writing; false cancels the import.
    using Progress = std::function<bool(int done, int total)>;
    enum class Outcome { Done, Cancelled, Failed };
    // Writes the plan in one transaction: new items get the cost type `costType`; an item whose amount
    // is set gets `today` as its price date. Cancelled or failed (reported), the database is as it was.
    Outcome apply(const ImportPlan& plan, const QString& costType, const QDate& today,
                  const Progress& progress = {});

    // The first `count` records of a file as the preview grid shows them, under their captions; a long
    // cell is shortened.
    static ResultSet previewRows(const CsvTable& table, int count, QStringList& captions);

    // The new and changed items of a plan for the changes list.
    static QList<PriceChange> changes(const ImportPlan& plan);
    // "+6.25%", "-3.10%", "0.00%"; empty when the old price is 0.
    static QString percentChange(Money oldPrice, Money newPrice);

private:
    DataAccess& m_data;
    const Conn& m_cost;
};

} // namespace qx
