#pragma once
// The model behind the order-lines list: a column set (header, width, alignment) that is
// replaced as a whole, and rows of display texts.

#include "platform/list_column.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <vector>

namespace qv::orders {

class OrderLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the columns and removes every row.
    void setColumns(std::vector<platform::ListColumn> columns);
    const std::vector<platform::ListColumn>& columns() const { return columns_; }
    // Appends a row; missing cells show empty, surplus cells are dropped.
    void addRow(const QStringList& cells);
    // Removes every row; the columns stay.
    void clear();
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // After setColumns: views re-apply the column widths.
    void columnsReplaced();

private:
    std::vector<platform::ListColumn> columns_;
    std::vector<QStringList> rows_;
};

}  // namespace qv::orders
