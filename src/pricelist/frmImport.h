#pragma once

#include "data/AppContext.h"
#include "pricelist/PriceListImport.h"

#include <QDialog>
#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace qx {

class ResultTableModel;

// "Import Price List": the first rows of a supplier's file, the boxes that map its columns to the cost
// item fields, the summary of what the import will do, and after "Import" the list of changed prices.
class frmImport : public QDialog {
    Q_OBJECT
public:
    // `table` is a file already read; `costType` the type new items start with.
    frmImport(AppContext& ctx, CsvTable table, const QString& costType, QWidget* parent = nullptr);

    // True once the import was written.
    bool imported() const { return m_imported; }

private:
    QComboBox* mappingBox(PriceField field, const QString& name);
    QComboBox* categoryBox();
    ColumnMapping mapping() const;
    void mappingChanged();
    // The number box as the file's prices show it, else the locale; a note when no price tells.
    void guessNumbers();
    ImportOptions options() const;
    void preview();
    void importRows();
    void showChanges();

    AppContext& m_ctx;
    CsvTable m_table;
    PriceListImport m_import;
    std::optional<ImportPlan> m_plan;
    std::array<QComboBox*, kPriceFieldCount> m_mapping{};
    QComboBox* m_type;
    QComboBox* m_category;
    QComboBox* m_numbers;
    QLabel* m_numbersNote;
    int m_priceColumn = -1; // the column the number box was guessed from
    QLabel* m_summary;
    QListWidget* m_refused;
    QLabel* m_changesLabel;
    QTableView* m_changes;
    ResultTableModel* m_changesModel;
    QPushButton* m_apply;
    bool m_imported = false;
};

} // namespace qx
