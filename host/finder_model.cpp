#include "host/finder_model.h"

#include "host/host_error.h"
#include "host/view.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <numeric>

namespace qv::host {

namespace {

// Characters per block: large enough that a million records take a few hundred blocks,
// small enough that no block is ever copied to grow.
constexpr std::size_t kBlockChars = std::size_t(1) << 20;

// Digits, blanks and punctuation look the same in either case: a plain search finds them,
// and much faster than one that folds every character it passes.
bool isCaseless(QStringView text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 128 && !c.isLetter(); });
}

// A field's text as its variant gives it. A decimal comes as a double: std::to_chars writes
// the same shortest text QVariant::toString() does, without its detour through the locale,
// which a million quantities would notice.
void appendText(std::vector<char16_t>& out, const QVariant& value) {
    if (value.typeId() == QMetaType::Double && !value.isNull()) {
        char digits[32];
        char* end = std::to_chars(digits, digits + sizeof digits, value.toDouble()).ptr;
        out.insert(out.end(), static_cast<char*>(digits), end);
        return;
    }
    if (value.typeId() == QMetaType::QString) {  // read in place, not copied first
        const QStringView text = *static_cast<const QString*>(value.constData());
        out.insert(out.end(), text.utf16(), text.utf16() + text.size());
        return;
    }
    const QString text = value.toString();
    out.insert(out.end(), text.utf16(), text.utf16() + text.size());
}

}  // namespace

FinderModel::FinderModel(View& view, const QList<int>& display, const QList<int>& returned,
                         QObject* parent)
    : QAbstractTableModel(parent), columns_(display), shown_(int(display.size())) {
    for (int number : display)
        headers_ << view.fieldName(number);
    for (int number : returned) {
        if (!columns_.contains(number)) {
            view.fieldName(number);  // an unknown number fails here, not after the choice
            columns_ << number;
        }
        returnColumns_ << int(columns_.indexOf(number));
    }
    std::vector<char16_t> record;
    while (view.fetch()) {
        record.assign(std::size_t(columns_.size()), 0);  // the cells' lengths, filled below
        for (qsizetype i = 0; i < columns_.size(); ++i) {
            const std::size_t start = record.size();
            appendText(record, view.fieldValue(columns_[i]));
            const std::size_t length = record.size() - start;
            if (length > std::numeric_limits<char16_t>::max())
                throw HostError(QStringLiteral("field %1 holds a value of %2 characters, too "
                                               "long for the finder")
                                    .arg(columns_[i])
                                    .arg(length));
            record[std::size_t(i)] = char16_t(length);
        }
        append(record);
    }
    visible_.resize(records_.size());
    std::iota(visible_.begin(), visible_.end(), 0);
}

void FinderModel::append(const std::vector<char16_t>& record) {
    if (records_.size() >= std::size_t(std::numeric_limits<int>::max()))
        throw HostError(QStringLiteral("the finder cannot list more than %1 records")
                            .arg(std::numeric_limits<int>::max()));
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < record.size())
        blocks_.emplace_back().reserve(std::max(kBlockChars, record.size()));
    std::vector<char16_t>& block = blocks_.back();
    records_.push_back({std::uint32_t(blocks_.size() - 1), std::uint32_t(block.size())});
    block.insert(block.end(), record.begin(), record.end());  // within the reserve: nothing moves
}

QStringView FinderModel::cell(int record, int column) const {
    const Place place = records_[std::size_t(record)];
    const char16_t* lengths = blocks_[place.block].data() + place.offset;
    const char16_t* text = lengths + columns_.size();
    for (int i = 0; i < column; ++i)
        text += lengths[i];
    return QStringView(text, lengths[column]);
}

int FinderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(visible_.size());
}

int FinderModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

QVariant FinderModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cell(visible_[std::size_t(index.row())], index.column()).toString();
}

QVariant FinderModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return headers_.value(section);
}

bool FinderModel::matches(int record, QStringView wanted, Qt::CaseSensitivity cs) const {
    // The shown cells lie side by side: one search runs over all of them, and a hit counts
    // when it lies within one cell.
    const Place place = records_[std::size_t(record)];
    const char16_t* lengths = blocks_[place.block].data() + place.offset;
    const QStringView shown(lengths + columns_.size(),
                            std::accumulate(lengths, lengths + shown_, qsizetype(0)));
    for (qsizetype hit = shown.indexOf(wanted, 0, cs); hit >= 0;
         hit = shown.indexOf(wanted, hit + 1, cs)) {
        qsizetype cellEnd = 0;
        for (int column = 0; cellEnd <= hit; ++column)
            cellEnd += lengths[column];
        if (hit + wanted.size() <= cellEnd)
            return true;
    }
    return false;
}

void FinderModel::setSearch(const QString& text) {
    const QString wanted = text.trimmed();
    const Qt::CaseSensitivity cs = isCaseless(wanted) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    beginResetModel();
    if (wanted.isEmpty()) {
        visible_.resize(records_.size());
        std::iota(visible_.begin(), visible_.end(), 0);
    } else if (wanted.contains(search_, Qt::CaseInsensitive)) {
        // Every record holding the longer text holds the shorter one: it is among the shown.
        std::erase_if(visible_, [&](int record) { return !matches(record, wanted, cs); });
    } else {
        visible_.clear();
        for (int record = 0; record < recordCount(); ++record) {
            if (matches(record, wanted, cs))
                visible_.push_back(record);
        }
    }
    search_ = wanted;
    endResetModel();
}

int FinderModel::rowOf(int record) const {
    const auto found = std::lower_bound(visible_.begin(), visible_.end(), record);
    return found != visible_.end() && *found == record ? int(found - visible_.begin()) : -1;
}

int FinderModel::findRecord(const QString& value) const {
    const QStringView wanted = QStringView(value).trimmed();
    if (wanted.isEmpty())
        return -1;
    // The initial value often is only the start of a shown value (a lot number without its
    // suffix), or stands in another column than the first.
    int prefixMatch = -1;
    for (int record = 0; record < recordCount(); ++record) {
        for (int column = 0; column < shown_; ++column) {
            const QStringView shown = cell(record, column).trimmed();
            if (shown.compare(wanted, Qt::CaseInsensitive) == 0)
                return record;
            if (prefixMatch < 0 && shown.startsWith(wanted, Qt::CaseInsensitive))
                prefixMatch = record;
        }
    }
    return prefixMatch;
}

QStringList FinderModel::returnedValues(int record) const {
    QStringList values;
    for (int column : returnColumns_)
        values << cell(record, column).toString();
    return values;
}

}  // namespace qv::host
