#include "search/lot_list_model.h"

#include <algorithm>
#include <numeric>
#include <string_view>

namespace qv::search {

namespace {

struct ColumnSpec {
    const char* header;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

constexpr ColumnSpec kColumns[kLotColumnCount] = {
    {"Pick", kLeft},       {"Location", kCentre},   {"Item Number", kLeft}, {"Lot Number", kLeft},
    {"Qty Avail", kRight}, {"Stock Date", kCentre}, {"Expiry", kCentre},    {"Grade", kCentre},
    {"ProdCode", kCentre}, {"CustCode", kCentre},   {"Hold", kCentre},      {"HoldDate", kLeft},
    {"Whs", kCentre},      {"Cat", kCentre},        {"Item Desc", kLeft},   {"UOM", kCentre},
    {"Available", kLeft},  {"ProdDate", kLeft},
};

constexpr int kLocationColumn = 1;
constexpr int kLotNumberColumn = 3;

bool isColumn(int column) {
    return column >= 0 && column < kLotColumnCount;
}

}  // namespace

LotListModel::LotListModel(QObject* parent) : QAbstractTableModel(parent) {}

QString LotListModel::headerText(int column) {
    return isColumn(column) ? QString::fromLatin1(kColumns[column].header) : QString();
}

Qt::Alignment LotListModel::columnAlignment(int column) {
    return isColumn(column) ? kColumns[column].alignment : kLeft;
}

int LotListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(order_.size());
}

int LotListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLotColumnCount;
}

QVariant LotListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return cellText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return int(columnAlignment(index.column()));
        case Qt::CheckStateRole:
            if (index.column() == 0) {
                return checked_[storedRow(index.row())] ? Qt::Checked : Qt::Unchecked;
            }
            return {};
        default:
            return {};
    }
}

bool LotListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole) {
        return false;
    }
    checked_[storedRow(index.row())] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags LotListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == 0 ? flags | Qt::ItemIsUserCheckable : flags;
}

QVariant LotListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || !isColumn(section)) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return headerText(section);
    }
    if (role == Qt::TextAlignmentRole) {
        return int(columnAlignment(section));
    }
    return {};
}

void LotListModel::clear() {
    beginResetModel();
    pool_.clear();
    chunks_.clear();
    storedCount_ = 0;
    std::vector<std::uint32_t>().swap(order_);
    std::vector<bool>().swap(checked_);
    endResetModel();
}

void LotListModel::appendRow(const LotRow& row) {
    std::array<QStringView, kLotColumnCount> cells;
    std::copy(row.cells.begin(), row.cells.end(), cells.begin());
    appendRow(cells);
}

void LotListModel::appendRow(const std::array<QStringView, kLotColumnCount>& row) {
    const std::uint32_t inChunk = storedCount_ % kChunkRows;
    if (inChunk == 0) {
        chunks_.push_back(std::make_unique_for_overwrite<StringPool::Id[]>(std::size_t(kChunkRows) *
                                                                           kStoredColumns));
    }
    StringPool::Id* cells = chunks_.back().get() + std::size_t(inChunk) * kStoredColumns;
    for (int column = 1; column < kLotColumnCount; ++column) {
        cells[column - 1] = pool_.intern(row[std::size_t(column)]);
    }
    checked_.push_back(false);
    ++storedCount_;
}

void LotListModel::showAppended() {
    if (order_.size() == storedCount_) {
        return;
    }
    beginInsertRows({}, int(order_.size()), int(storedCount_ - 1));
    for (auto stored = std::uint32_t(order_.size()); stored < storedCount_; ++stored) {
        order_.push_back(stored);
    }
    endInsertRows();
}

void LotListModel::endFill() {
    showAppended();
    if (sorting_ && !order_.empty()) {
        // As a new list: the view goes back to its top, where the columns are fitted.
        beginResetModel();
        sortRows();
        endResetModel();
    }
}

QString LotListModel::cellText(int row, int column) const {
    if (row < 0 || std::size_t(row) >= order_.size() || !isColumn(column)) {
        return {};
    }
    const std::uint32_t stored = storedRow(row);
    return column == 0 ? lotRowNumberText(qint64(stored) + 1) : pool_.text(cellId(stored, column));
}

void LotListModel::sortByHeaderClick(int column) {
    if (!isColumn(column)) {
        return;
    }
    sortKey_ = column == kLocationColumn ? kLotNumberColumn : column;
    sortOrder_ = sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    sorting_ = true;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> storedBefore;
    storedBefore.reserve(std::size_t(before.size()));
    for (const QModelIndex& index : before) {
        storedBefore.push_back(storedRow(index.row()));
    }
    sortRows();
    std::vector<std::uint32_t> displayedAt(storedCount_);
    for (std::size_t row = 0; row < order_.size(); ++row) {
        displayedAt[order_[row]] = std::uint32_t(row);
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        after.push_back(index(int(displayedAt[storedBefore[std::size_t(i)]]), before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// For every stored row, the rank of its key text among the texts of the key column, so
// the sort compares numbers: each distinct text is compared only while ranking.
// Texts compare without regard to case, as the list control sorted them.
std::vector<std::uint32_t> LotListModel::sortRanks() const {
    std::vector<std::uint32_t> ranks(storedCount_);
    if (sortKey_ == 0) {
        // Six-digit row numbers sort as their text does.
        for (std::uint32_t stored = 0; stored < storedCount_; ++stored) {
            ranks[stored] = (stored + 1) % 1000000;
        }
        return ranks;
    }
    // Each distinct text of the key column is case-folded once and then compared as plain
    // code units: far cheaper than folding both sides of every comparison.
    struct Entry {
        StringPool::Id id;
        std::uint32_t begin;
        std::uint32_t length;
    };
    std::vector<Entry> entries;
    std::vector<char16_t> folded;
    std::vector<bool> seen(pool_.size());
    for (std::uint32_t stored = 0; stored < storedCount_; ++stored) {
        const StringPool::Id id = cellId(stored, sortKey_);
        if (seen[id]) {
            continue;
        }
        seen[id] = true;
        const auto begin = std::uint32_t(folded.size());
        for (const QChar c : pool_.view(id)) {
            folded.push_back(c.unicode() < 128 ? char16_t(QChar::toLower(c.unicode()))
                                               : char16_t(c.toCaseFolded().unicode()));
        }
        entries.push_back({id, begin, std::uint32_t(folded.size()) - begin});
    }
    const auto key = [&folded](const Entry& e) {
        return std::u16string_view(folded.data() + e.begin, e.length);
    };
    const auto less = [&](const Entry& a, const Entry& b) { return key(a) < key(b); };
    std::sort(entries.begin(), entries.end(), less);
    std::vector<std::uint32_t> rankOf(pool_.size());
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        rank += (i > 0 && less(entries[i - 1], entries[i])) ? 1 : 0;
        rankOf[entries[i].id] = rank;
    }
    for (std::uint32_t stored = 0; stored < storedCount_; ++stored) {
        ranks[stored] = rankOf[cellId(stored, sortKey_)];
    }
    return ranks;
}

// A counting sort over the ranks: stable, and linear in the number of rows.
void LotListModel::sortRows() {
    if (order_.empty()) {
        return;
    }
    const std::vector<std::uint32_t> ranks = sortRanks();
    const std::uint32_t top = *std::max_element(ranks.begin(), ranks.end());
    const bool ascending = sortOrder_ == Qt::AscendingOrder;
    const auto key = [&](std::uint32_t stored) {
        return ascending ? ranks[stored] : top - ranks[stored];
    };
    std::vector<std::uint32_t> next(std::size_t(top) + 2, 0);
    for (const std::uint32_t stored : order_) {
        ++next[key(stored) + 1];
    }
    std::partial_sum(next.begin(), next.end(), next.begin());
    std::vector<std::uint32_t> sorted(order_.size());
    for (const std::uint32_t stored : order_) {
        sorted[next[key(stored)]++] = stored;
    }
    order_.swap(sorted);
}

}  // namespace qv::search
