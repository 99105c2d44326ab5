#pragma once

#include "data/DataAccess.h"

#include <QSet>
#include <QStringList>

namespace qx {

// The estimate grid: the working table EstiGrid, rebuilt from the sections (TempSect) and the lines
// (tpLineItems) after every change. Per section that holds lines, in ascending order number: a heading
// row (the section's name), its lines by ascending item id (lines with the same item id in the order
// they were added), a subtotal row ("Total for " + name, the sum of the section's line totals) and a
// separator row. Only line rows carry a tpLineItemID.
class EstimateGrid {
public:
    EstimateGrid(DataAccess& data, const Conn& temp);

    // Rebuilds EstiGrid in one transaction. Throws Failure (the table is then left as it was).
    void RePopGrid();
    // What the grid shows, in display order: tpLineItemID, Name, ItemTable, Qty, Unit, Cost, LineTotal,
    // SubTotal. Throws Failure.
    ResultSet rows();

    // The grid's column captions and the columns that hold money (shown right-aligned as currency).
    static QStringList captions();
    static QSet<int> moneyColumns();
    // Column of rows() that holds the line's ID (empty on heading, subtotal and separator rows).
    static constexpr int kIdColumn = 0;

    static QString subtotalName(const QString& section);
    static const QString kSeparator;

private:
    DataAccess& m_data;
    Conn m_temp;
};

} // namespace qx
