#include "data/ResultTableModel.h"

#include "data/DateText.h"
#include "data/Money.h"

namespace qx {

ResultTableModel::ResultTableModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void ResultTableModel::setResult(const ResultSet& result, const QStringList& captions) {
    beginResetModel();
    m_result = result;
    m_captions = captions;
    endResetModel();
}

void ResultTableModel::clear() {
    beginResetModel();
    m_result.rows.clear();
    endResetModel();
}

void ResultTableModel::setMoneyColumns(const QSet<int>& columns) {
    m_moneyColumns = columns;
}

void ResultTableModel::setDateColumns(const QSet<int>& columns) {
    m_dateColumns = columns;
}

QVariant ResultTableModel::cell(int row, int column) const {
    if (row < 0 || row >= m_result.size() || column < 0 || column >= m_result.rows.at(row).size())
        return {};
    return m_result.at(row, column);
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_result.size();
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_captions.size());
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const bool money = m_moneyColumns.contains(index.column());
    if (role == Qt::TextAlignmentRole)
        return money ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    const QVariant value = cell(index.row(), index.column());
    if (value.isNull())
        return QString();
    if (money)
        return Money::fromRaw(value.toLongLong()).toCurrency();
    if (m_dateColumns.contains(index.column()))
        return shownDate(value);
    return value.toString();
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_captions.size() ? m_captions.at(section) : QVariant();
    return section + 1;
}

Qt::ItemFlags ResultTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace qx
