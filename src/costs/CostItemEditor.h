#pragma once

#include "costs/CostEditing.h"
#include "data/DataAccess.h"

#include <QStringList>
#include <optional>

namespace qx {

// The boxes of the cost item editor, as typed.
struct CostItemFields {
    QString type, category, manufacturer, sku, name, unit, description, amount;
    // What one unit covers (a coversEntries() entry) and how much of it.
    QString covers = QStringLiteral("Nothing");
    QString coverage = QString();
};

enum class CostItemField {
    Type,
    Category,
    Manufacturer,
    Sku,
    Name,
    Unit,
    Description,
    Amount,
    Covers,
    Coverage
};

// A refused box and the message that says why.
struct FieldProblem {
    CostItemField field;
    QString message;
};

// The cost item editor's model: its lists, loading a cost item, the checks, and the save that adds or
// changes one costitem row.
class CostItemEditor {
public:
    CostItemEditor(DataAccess& data, const Conn& cost);

    // The cost types as stored and offered: "Material", "Labor", "SubCon", "Equip", "Fee".
    static QStringList types();
    // The category and unit lists ("No items listed" when the cost database has none) and the
    // manufacturers (without empty ones), each sorted.
    QStringList categories();
    QStringList units();
    QStringList PopComboManufacturer();

    // The stored fields of cost item `id`; the amount as plain text.
    std::optional<CostItemFields> load(qint32 id);

    // The column size of a box.
    static int maxLength(CostItemField field);
    // The length rule of one box.
    static std::optional<QString> lengthProblem(CostItemField field, const QString& text);
    // The rule of the coverage box once Covers names a measure: readCoverage, a blank box refused with
    // "Per unit field cannot be blank.". Nothing when Covers is "Nothing" (the coverage is then not kept).
    static std::optional<QString> coverageProblem(const QString& covers, const QString& coverage);
    // Every rule in the order Save checks them: type, category, unit, name and amount required, the
    // amount a number, Covers one of its entries and the coverage (coverageProblem), then each box's
    // length. Nothing when the fields can be stored.
    static std::optional<FieldProblem> check(const CostItemFields& fields);

    // Adds (mode Add or None) or changes (mode Edit, the current cost item) one costitem row after
    // check(); returns its key, or nothing when the fields were refused or the statement failed (the
    // failure is reported).
    std::optional<qint32> save(const CostEditing& editing, const CostItemFields& fields);

private:
    QStringList distinctList(const QString& sql, bool orNoItems);

    DataAccess& m_data;
    const Conn& m_cost;
};

} // namespace qx
