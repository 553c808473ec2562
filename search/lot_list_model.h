#pragma once
// The model behind the lot list: 18 columns, one compact row per lot (cell texts interned
// in a pool, the "Pick" column derived from the row number), a check box in the first
// column, and the list's own sort over a permutation of the rows.

#include "search/lot_row.h"
#include "search/string_pool.h"

#include <QAbstractTableModel>
#include <QStringView>

#include <array>

#include <memory>
#include <vector>

namespace qv::search {

class LotListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit LotListModel(QObject* parent = nullptr);

    static QString headerText(int column);
    static Qt::Alignment columnAlignment(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Removes every row.
    void clear();
    // Rows are appended unseen, then shown in batches by showAppended(), after the rows
    // already shown, in the order they came: telling the view row by row would cost more
    // than the search itself. endFill() shows the rest and, when sorting is on, sorts them
    // all. The first cell of a row is its number in this fill, and is derived, not stored.
    void appendRow(const LotRow& row);
    void appendRow(const std::array<QStringView, kLotColumnCount>& cells);
    void showAppended();
    void endFill();

    // The text of a cell, row counted as displayed.
    QString cellText(int row, int column) const;

    // A click on a column header: the key becomes that column ("Location" sorts by
    // "Lot Number"), the order flips, sorting is switched on and stays on.
    void sortByHeaderClick(int column);
    bool isSorting() const { return sorting_; }
    int sortKey() const { return sortKey_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

private:
    static constexpr int kChunkRows = 8192;
    static constexpr int kStoredColumns = kLotColumnCount - 1;

    StringPool::Id cellId(std::uint32_t storedRow, int column) const {
        return chunks_[storedRow / kChunkRows]
                      [(storedRow % kChunkRows) * kStoredColumns + column - 1];
    }
    std::uint32_t storedRow(int row) const { return order_[std::size_t(row)]; }
    std::vector<std::uint32_t> sortRanks() const;
    void sortRows();

    StringPool pool_;
    // Cells of columns 1..17, in chunks so growing never copies (or doubles) the table.
    std::vector<std::unique_ptr<StringPool::Id[]>> chunks_;
    std::uint32_t storedCount_ = 0;
    std::vector<std::uint32_t> order_;  // displayed row -> stored row
    std::vector<bool> checked_;         // by stored row
    bool sorting_ = false;
    int sortKey_ = 0;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace qv::search
