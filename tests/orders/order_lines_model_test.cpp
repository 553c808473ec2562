#include "orders/order_lines_model.h"

#include "tests/support/model_checker.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// The item-model tester watches every change, so views are told of each as it
// happens.
TEST(OrderLinesModel, ColumnsAreReplacedAsASet) {
    qv::orders::OrderLinesModel model;
    qv::tests::ModelChecker checker(&model);
    QSignalSpy replaced(&model, &qv::orders::OrderLinesModel::columnsReplaced);
    model.setColumns({{"Item Number", 1600, Qt::AlignLeft}, {"Qty", 900, Qt::AlignRight}});
    model.addRow({"A100", "12  ", "surplus"});
    model.addRow({"B200"});
    EXPECT_EQ(model.text(0, 1), "12  ");
    EXPECT_EQ(model.text(1, 1), "");
    EXPECT_EQ(model.text(0, 2), "") << "cells beyond the columns are dropped";
    EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    model.addRow({"A100", "1"});
    model.setColumns({{"Item Number", 1600}, {"Qty", 900}, {"UOM", 700, Qt::AlignHCenter}});
    EXPECT_EQ(model.rowCount(), 0) << "new columns start without rows";
    EXPECT_EQ(replaced.count(), 2);
    EXPECT_EQ(checker.findings().join(u'\n').toStdString(), "");
}

}  // namespace
