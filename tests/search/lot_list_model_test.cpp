#include "search/lot_list_model.h"

#include "tests/support/model_checker.h"

#include <QPersistentModelIndex>

#include <gtest/gtest.h>

using qv::search::LotListModel;
using qv::search::LotRow;

namespace {

LotRow row(qint64 number, const QString& location, const QString& lot, const QString& qty) {
    LotRow r;
    r.cells[0] = qv::search::lotRowNumberText(number);
    r.cells[1] = location;
    r.cells[2] = "ITEM";
    r.cells[3] = lot;
    r.cells[4] = qty;
    r.cells[16] = "Available";
    return r;
}

void fill(LotListModel& model, const QList<QStringList>& rows) {
    model.clear();
    qint64 number = 0;
    for (const QStringList& r : rows)
        model.appendRow(row(++number, r[0], r[1], r[2]));
    model.endFill();
}

// The texts of one column, top to bottom as displayed.
QStringList column(const LotListModel& model, int c) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.cellText(r, c);
    return out;
}

}  // namespace

// Views rely on the model's signals matching its rows: the item-model tester watches every
// change a search makes, shown in batches while it runs.
TEST(LotListModel, StaysConsistentThroughFillsSortsAndResets) {
    LotListModel model;
    qv::tests::ModelChecker checker(&model);
    model.appendRow(row(1, "WH1", "L2", "1 "));
    EXPECT_EQ(model.rowCount(), 0) << "rows stay unseen until shown";
    model.showAppended();
    model.appendRow(row(2, "WH2", "L1", "2 "));
    model.showAppended();
    model.showAppended();  // nothing new
    EXPECT_EQ(column(model, 3), QStringList({"L2", "L1"}));
    model.endFill();
    model.setData(model.index(0, 0), Qt::Checked, Qt::CheckStateRole);
    model.sortByHeaderClick(1);
    model.sortByHeaderClick(4);
    // More rows while sorting is on: shown as they come, sorted when the fill ends.
    model.appendRow(row(3, "WH3", "L0", "0 "));
    model.showAppended();
    EXPECT_EQ(model.cellText(2, 3), "L0");
    model.endFill();
    EXPECT_EQ(model.cellText(0, 3), "L0");
    fill(model, {{"A", "L9", ""}, {"B", "L5", ""}});
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(checker.findings().join(u'\n').toStdString(), "");
}

// "Location" sorting by lot number, descending first, and the sort staying for the next
// search are the window's test.
TEST(LotListModel, HeaderClicksSortByTextAndFlipTheOrder) {
    LotListModel model;
    fill(model, {{"B", "L2", "10 "}, {"A", "L3", "9 "}, {"C", "L1", "100 "}, {"D", "L2", "1 "}});
    model.sortByHeaderClick(1);
    // Quantities sort as text; the order flips whichever column is clicked.
    model.sortByHeaderClick(4);
    EXPECT_EQ(column(model, 4), QStringList({"1 ", "10 ", "100 ", "9 "}));
    model.sortByHeaderClick(0);
    EXPECT_EQ(column(model, 0), QStringList({"000004", "000003", "000002", "000001"}));

    // Without regard to case, and stable: ties keep the order shown before (the new fill
    // comes sorted by row number, descending).
    fill(model, {{"x", "b", ""}, {"y", "A", ""}, {"z", "B", ""}, {"w", "a", ""}});
    EXPECT_EQ(column(model, 1), QStringList({"w", "z", "y", "x"}));
    model.sortByHeaderClick(3);  // ascending
    EXPECT_EQ(column(model, 1), QStringList({"w", "y", "z", "x"}));
}

TEST(LotListModel, CheckBoxesAndSelectionFollowTheirRowThroughASort) {
    LotListModel model;
    fill(model, {{"A", "L1", "1 "}, {"B", "L2", ""}, {"C", "L3", ""}});
    const QModelIndex check = model.index(0, 0);
    EXPECT_TRUE(model.flags(check) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(model.data(check, Qt::CheckStateRole), Qt::Unchecked);
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::CheckStateRole).isValid());
    EXPECT_TRUE(model.setData(check, Qt::Checked, Qt::CheckStateRole));
    const QPersistentModelIndex selected = model.index(0, 1);
    model.sortByHeaderClick(3);  // descending
    EXPECT_EQ(selected.row(), 2);
    EXPECT_EQ(selected.data().toString(), "A");
    EXPECT_EQ(model.data(model.index(2, 0), Qt::CheckStateRole), Qt::Checked);
}
