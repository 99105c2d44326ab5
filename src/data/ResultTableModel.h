#pragma once

#include "data/SqlFile.h"

#include <QAbstractTableModel>
#include <QSet>

namespace qx {

// A read-only table of query results for the program's grids: the grid shows what the query
// returned under the given captions, and nothing typed into it changes any data (every change goes
// through the program's commands). Money columns are shown in the user's currency format.
class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultTableModel(QObject* parent = nullptr);

    // Replaces the rows; `captions` name the columns in order (their count decides the columns shown).
    void setResult(const ResultSet& result, const QStringList& captions);
    void clear();
    // Columns holding money (ten-thousandths): shown as currency, right-aligned; empty when null.
    void setMoneyColumns(const QSet<int>& columns);
    // Columns holding stored dates: shown in the user's short date format.
    void setDateColumns(const QSet<int>& columns);
    bool isDateColumn(int column) const { return m_dateColumns.contains(column); }

    const ResultSet& result() const { return m_result; }
    // The stored value of a cell (not its display text); null when out of range.
    QVariant cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    ResultSet m_result;
    QStringList m_captions;
    QSet<int> m_moneyColumns;
    QSet<int> m_dateColumns;
};

} // namespace qx
