#pragma once

#include "costs/CostCatalogue.h"
#include "data/AppContext.h"
#include "lines/PendingLine.h"

#include <optional>

namespace qx {

// An item picked on one of the picker's tabs: where its price came from and what the panel shows.
struct PickedItem {
    QString itemTable; // the cost type as stored, or "Unit_Item"
    qint32 id = 0;
    QString name;
    QString unit;
    Money price;
};

// A line loaded for editing: the picked item with its line number, quantity and section.
struct EditedLine {
    qint32 lineId = 0;
    PickedItem item;
    qint32 qty = 0;
    QString sect;
};

// What the "Enter Info" panel holds when the user confirms.
struct PickerEntry {
    QString itemTable;
    QString itemId;
    QString name;
    QString unit;
    QString qty;
    QString price;
    QString section; // the section list's text
    qint32 sectionOrder = 0;
};

// The item picker's rules: picking a row, loading a line for editing, the total and the confirm that
// fills the pending line. A unit item is priced from its components at the moment it is picked; the
// line keeps that price.
class ItemPicker {
public:
    explicit ItemPicker(AppContext& ctx);

    CostCatalogue& catalogue() { return m_catalogue; }

    // The item behind a row of tab `tab`: nothing for id 0 or a row that is gone. A failure is shown
    // ("... in procedure PickGrid_DblClick of Form frmPickItem") and gives nothing.
    std::optional<PickedItem> PickGrid_DblClick(int tab, qint32 id);
    // The working line `lineId` for editing; a failure is shown as PopEditForm's.
    std::optional<EditedLine> PopEditForm(qint32 lineId);

    // A price as the price box shows it: plain, no symbol or grouping, two to four decimals.
    static QString priceText(Money price);
    // The total label: whole quantity times price as currency text; nothing while either box is no
    // valid entry or the product is more than a line can hold.
    static std::optional<QString> totalText(const QString& qty, const QString& price);

    // The checks of the quantity and price boxes when they are left; a blank box is refused only by
    // Okay.
    static std::optional<QString> quantityProblem(const QString& text);
    static std::optional<QString> priceProblem(const QString& text);

    enum class Field { Section, Quantity, Price };
    struct Refusal {
        QString message;
        Field field;
    };
    // Confirm: a section must be chosen ("Add" is none), the quantity a whole number and the price an
    // amount (input rules), and their product no more than a line can hold. Fills `pending` and sets its
    // line-picked flag; or the first refusal.
    static std::optional<Refusal> confirm(const PickerEntry& entry, PendingLine& pending);

private:
    AppContext& m_ctx;
    CostCatalogue m_catalogue;
};

} // namespace qx
