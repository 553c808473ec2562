#include "host/finder_model.h"

#include "host/view.h"

#include <algorithm>

namespace qv::host {

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
    while (view.fetch()) {
        for (int number : columns_)
            cells_.push_back(view.fieldValue(number).toString());
        ++recordCount_;
    }
    setSearch(QString());
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
    return cell(visible_[index.row()], index.column());
}

QVariant FinderModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return headers_.value(section);
}

void FinderModel::setSearch(const QString& text) {
    beginResetModel();
    visible_.clear();
    const QString wanted = text.trimmed();
    for (int record = 0; record < recordCount_; ++record) {
        bool match = wanted.isEmpty();
        for (int column = 0; column < shown_ && !match; ++column)
            match = cell(record, column).contains(wanted, Qt::CaseInsensitive);
        if (match)
            visible_.push_back(record);
    }
    endResetModel();
}

int FinderModel::rowOf(int record) const {
    const auto found = std::lower_bound(visible_.begin(), visible_.end(), record);
    return found != visible_.end() && *found == record ? int(found - visible_.begin()) : -1;
}

int FinderModel::findRecord(const QString& value) const {
    const QString wanted = value.trimmed();
    if (wanted.isEmpty())
        return -1;
    // The initial value often is only the start of a shown value (a lot number without its
    // suffix), or stands in another column than the first.
    int prefixMatch = -1;
    for (int record = 0; record < recordCount_; ++record) {
        for (int column = 0; column < shown_; ++column) {
            const QString value = cell(record, column).trimmed();
            if (value.compare(wanted, Qt::CaseInsensitive) == 0)
                return record;
            if (prefixMatch < 0 && value.startsWith(wanted, Qt::CaseInsensitive))
                prefixMatch = record;
        }
    }
    return prefixMatch;
}

QStringList FinderModel::returnedValues(int record) const {
    QStringList values;
    for (int column : returnColumns_)
        values << cell(record, column);
    return values;
}

}  // namespace qv::host
