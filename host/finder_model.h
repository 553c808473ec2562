#pragma once
// The finder's records as text, read once from a view, and the table model over them.
// A finder may list a million lots: the texts are packed into large character blocks
// rather than a string each, and narrowing by the search text only rebuilds a list of
// record numbers -- from the rows already shown when the text only grew.

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace qv::host {

class View;

class FinderModel : public QAbstractTableModel {
public:
    // Reads every remaining record of a browsed view: the display fields become the shown
    // columns; return fields that are not shown are kept beside them. Throws HostError.
    FinderModel(View& view, const QList<int>& display, const QList<int>& returned,
                QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Shows only the records with the text in a shown column (case ignored, blanks around
    // the text too); empty shows all.
    void setSearch(const QString& text);

    int recordCount() const { return int(records_.size()); }
    int recordAt(int row) const { return visible_[row]; }
    int rowOf(int record) const;  // -1 when the record is not shown
    // The first record with a shown field equal to value, else the first with one starting
    // with it; blanks around either and case ignored as the company database compares; -1
    // when there is none.
    int findRecord(const QString& value) const;
    // The record's return fields, in the order of the return list.
    QStringList returnedValues(int record) const;

private:
    // A record in a block: the length of each of its cells, then their characters.
    struct Place {
        std::uint32_t block;
        std::uint32_t offset;
    };
    // Appends a record laid out as a block holds it.
    void append(const std::vector<char16_t>& record);
    QStringView cell(int record, int column) const;
    bool matches(int record, QStringView wanted, Qt::CaseSensitivity cs) const;

    QList<int> columns_;  // field numbers: the shown ones first
    int shown_ = 0;
    QStringList headers_;
    QList<int> returnColumns_;
    std::vector<std::vector<char16_t>> blocks_;
    std::vector<Place> records_;
    std::vector<int> visible_;
    QString search_;  // the text the shown rows were narrowed by
};

}  // namespace qv::host
