#include "orders/order_lines_model.h"

namespace qv::orders {

void OrderLinesModel::setColumns(std::vector<platform::ListColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    rows_.clear();
    endResetModel();
    emit columnsReplaced();
}

void OrderLinesModel::addRow(const QStringList& cells) {
    const int row = static_cast<int>(rows_.size());
    beginInsertRows({}, row, row);
    QStringList fitted = cells.mid(0, static_cast<int>(columns_.size()));
    while (fitted.size() < static_cast<int>(columns_.size()))
        fitted << QString();
    rows_.push_back(std::move(fitted));
    endInsertRows();
}

void OrderLinesModel::clear() {
    if (rows_.empty())
        return;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

QString OrderLinesModel::text(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return rows_[static_cast<size_t>(row)][column];
}

int OrderLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int OrderLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant OrderLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columns_[static_cast<size_t>(index.column())].alignment |
                                   Qt::AlignVCenter);
    return {};
}

QVariant OrderLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const platform::ListColumn& column = columns_[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole)
        return column.header;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    return {};
}

}  // namespace qv::orders
