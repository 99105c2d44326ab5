#pragma once

#include <QStringList>
#include <array>
#include <optional>

namespace qx {

// The cost item fields a price list can feed, in the order the import form lists its mapping boxes; Id
// is the cost item's own key, which the program's export writes so that its rows find their items.
enum class PriceField { Name, Sku, Price, Unit, Manufacturer, Category, Id };
inline constexpr int kPriceFieldCount = 7;

// Which column of the file feeds each field; -1 for none.
struct ColumnMapping {
    std::array<int, kPriceFieldCount> column{-1, -1, -1, -1, -1, -1, -1};

    int of(PriceField field) const { return column[size_t(field)]; }
    void set(PriceField field, int index) { column[size_t(field)] = index; }

    // Each field takes the first column whose header reads the field's own name ("Name", "SKU", "Price",
    // "Unit", "Manufacturer", "Category", "ID") in any letter case, blanks at its ends aside.
    static ColumnMapping byHeader(const QStringList& header);
};

// The header a field answers to: "Name", "SKU", ...
QString fieldHeader(PriceField field);

// What a mapping box offers: "(none)", then each column of the file by its header text ("Column N"
// for a column without one). Entry i + 1 is column i.
QStringList columnChoices(const QStringList& header);
// The caption a column shows in the preview and the mapping boxes; a long header is cut to 40
// characters, ending in an ellipsis.
QString columnCaption(const QStringList& header, int column);
// A text cut to `longest` characters, the last of them an ellipsis, so that a long one keeps a grid
// or a box narrower than the screen.
QString shortened(const QString& text, int longest);
// The mapping boxes need a name and a price; the message when either is missing, else nothing.
std::optional<QString> mappingProblem(const ColumnMapping& mapping);

} // namespace qx
