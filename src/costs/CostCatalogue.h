#pragma once

#include "data/DataAccess.h"
#include "data/Money.h"

#include <QStringList>
#include <optional>

namespace qx {

// The cost database listed on six tabs, one per kind of cost: materials, labor, subcontracts,
// equipment, fees (cost items told apart by their cost type) and unit items with the price figured from
// their components at this moment. The item picker and the Cost Tables window show the same rows under
// the same column captions; they differ in their tab captions and in the unit items' category list.
class CostCatalogue {
public:
    enum class Use {
        Picker,    // "Select Item": the unit items' category list holds "All" alone
        CostTables // "Cost Tables": the unit items' categories are listed and narrow the tab
    };
    static constexpr int kTabCount = 6;
    static constexpr int kMaterialTab = 0;
    static constexpr int kUnitTab = 5;
    static inline const QString kAll = QStringLiteral("All");

    CostCatalogue(DataAccess& data, const Conn& cost, Use use);

    QString tabCaption(int tab) const;
    // The cost type a tab lists ("Material", "Labor", "SubCon", "Equip", "Fee"); "" for the unit items.
    static QString costType(int tab);
    // Column captions: nine on the material tab, seven on the other cost item tabs, six on the unit items'.
    // The first column is the row's key.
    static QStringList columnCaptions(int tab);
    // The "Cost" column (right-aligned currency).
    static int costColumn(int tab);
    // The captions this listing shows: the Cost Tables window adds "Covers" and "Per Unit" after the
    // price date of a cost item.
    QStringList captionsOf(int tab) const;
    // The "Price Date" column of the cost item tabs (the day each amount was last set); -1 on the unit
    // items' tab, whose prices are figured.
    static int priceDateColumn(int tab);
    static inline const QString kPriceDateCaption = QStringLiteral("Price Date");

    // Every row of a tab. A failure is reported (procedure PopGrid of the form) and gives nothing.
    std::optional<ResultSet> PopGrid(int tab);
    // The rows of a tab in one category ("All": every row). Reported as FilterGrid.
    ResultSet FilterGrid(int tab, const QString& category);
    // The rows of `all` (every row of the tab, as PopGrid reads them) that FilterGrid reads for
    // `category`, in the same order, without reading the database again.
    ResultSet narrow(const ResultSet& all, int tab, const QString& category) const;
    // The category list of a tab: "All", then the tab's categories, each once (letter case aside).
    // Reported as PopCat.
    QStringList PopCat(int tab);

    // A unit item's price: the sum of its components, each its quantity times its cost item's amount
    // rounded to four decimals. Empty when the unit item has no priced component. Throws Failure.
    std::optional<Money> unitItemPrice(qint32 unitId);

private:
    QString formName() const;
    template <class Work> void trap(const QString& procedure, Work&& work);
    ResultSet rowsOf(int tab, const QString& category);

    DataAccess& m_data;
    Conn m_cost;
    Use m_use;
};

} // namespace qx
