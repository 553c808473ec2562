// The sales order lookup on the real window, offscreen, against a small company. The finder's
// filter and the header's and lines' texts are the orders' own tests.
#include "app/order_commands.h"
#include "app/order_panel.h"
#include "orders/format_by_length.h"
#include "orders/order_lines_model.h"
#include "platform/clock.h"
#include "tests/app/signed_on_window.h"

#include <QHeaderView>
#include <QPlainTextEdit>

namespace {

using qv::host::FieldEditControl;

class OrderWindowTest : public qv::tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        // Listed: dated after 5 November (thirty days before today) and not shipped.
        company.addOrder({.ordUniq = 11,
                          .orderNumber = "B'1001",
                          .customer = "10927",
                          .ordDate = 20261120,
                          .expDate = 20261201,
                          .comment = "Pallets wrapped\r\nNo mixed pallets",
                          .billName = "Bayside Grocers",
                          .shipTo = "DOCK",
                          .shipName = "Bayside Depot",
                          .shipAddress1 = "4 Esplanade",
                          .shipAddress3 = "Loading Bay B",
                          .city = "Wynnum",
                          .state = "QLD",
                          .zip = "4178",
                          .country = "Australia",
                          .poNumber = "PO123",
                          .reference = "Phone order",
                          .desc = "Weekly",
                          .shipVia = "TRK",
                          .viaDesc = "Road Freight",
                          .fob = "Origin"});
        const std::tuple<int, const char*, const char*, int, int> others[] = {
            {12, "B1002", "10927", 20261106, 0},
            {13, "B1003", "10927", 20261105, 0},  // on the limit: too old
            {14, "B1004", "10927", 20261130, 1},  // shipped
            {15, "A2001", "29720", 20261204, 0}};
        for (const auto& [uniq, number, customer, date, shipments] : others)
            company.addOrder({.ordUniq = uniq,
                              .orderNumber = number,
                              .customer = customer,
                              .ordDate = date,
                              .numShipments = shipments});
        for (const auto& [lineNum, item, qty, unit, extWeight] :
             {std::tuple{1, "A100", 12000.3, "KG", 12000.3}, {2, "B200", 0.0, "EA", 345.3}})
            company.addOrderLine({.ordUniq = 11,
                                  .lineNum = lineNum,
                                  .item = item,
                                  .qtyOrdered = qty,
                                  .orderUnit = unit,
                                  .unitWeight = 2.5,
                                  .extWeight = extWeight});
        ASSERT_NO_FATAL_FAILURE(signOn());
    }
    qv::app::OrderPanel& panel() const { return *form->orderPanel; }

    // Types `typed` in the order field, presses its finder button, then `key` in the finder;
    // returns the status the handler left and the orders the finder listed.
    std::pair<int, QStringList> finder(const QString& typed, Qt::Key key = Qt::Key_Return) {
        panel().feditOrder->setValue(typed);
        int status = -1;
        const QStringList rows = qv::tests::withFinder(
            [&] { status = panel().feditOrder->pressButton(FieldEditControl::kFinderButton); },
            [key](QDialog* dialog, QTableView*) { QTest::keyClick(dialog->focusWidget(), key); });
        return {status, rows};
    }

    // The twenty boxes, trimmed but for the two whose rules leave no blanks around them.
    QStringList headerBoxes() const {
        const qv::app::OrderPanel& p = panel();
        QStringList texts;
        for (const QLineEdit* box :
             {p.txtCustomer, p.txtPONumber, p.txtShipTo, p.txtOrderDate, p.txtExpDate, p.txtBilName,
              p.txtName, p.txtAddress1, p.txtCity, p.txtState, p.txtZip, p.txtCountry, p.txtFOB,
              p.txtReference, p.txtHeaderDesc, p.txtShipVia, p.txtViaDesc, p.txtOrdUniq})
            texts << box->text().trimmed();
        return texts << p.txtAddress2->text() << p.txtComments->toPlainText();
    }
    // The lines' first two columns, then the weight, quantity and count totals.
    QStringList linesAndTotals() const {
        QStringList texts;
        for (int row = 0; row < panel().orderLines->rowCount(); ++row)
            texts << panel().orderLines->text(row, 0).trimmed() + ' ' +
                         panel().orderLines->text(row, 1);
        return texts << panel().txtOrdLineTotal->text() << panel().txtOrdLineQtyTotal->text()
                     << panel().txtOrdLineCount->text();
    }
    QPoint cell(int row, int column) const {
        return panel().ListView2->visualRect(panel().orderLines->index(row, column)).center();
    }

    const qv::platform::FixedToday today{QDate(2026, 12, 5)};
};

// Weights are summed as they are, 12,345.6, and only the total is rounded.
const QStringList kShownLines = {"A100 12,000  ", "B200   ", "12,346   ", "12,000   ", "2"};

TEST_F(OrderWindowTest, FinderListsRecentOpenOrdersAndTheChosenOneShowsInTheWideWindow) {
    // The category's customer and the typed number narrow the list.
    const std::tuple<QString, QString, QString> listed[] = {
        {"B - Bakery", "", "B'1001|B1002"},
        {"", "", "B'1001|B1002|A2001"},
        {"", "100", "B'1001|B1002"},
    };
    for (const auto& [category, typed, orders] : listed) {
        form->cboCategory->setEditText(category);
        EXPECT_EQ(finder(typed, Qt::Key_Escape).second.join('|'), orders);
    }
    const auto startLink = form->CompanyLink;
    EXPECT_EQ(finder("b'1").first, 3);
    EXPECT_EQ(messages.texts(), QStringList());
    // Texts as stored (padded to their column's width) but for the ones with a rule.
    EXPECT_EQ(panel().feditOrder->value(), QString("B'1001").leftJustified(22));
    const QString comments = qv::orders::FormatByLength(
        QString("Pallets wrapped\r\nNo mixed pallets").leftJustified(250), 50);
    EXPECT_EQ(headerBoxes().join('|'),
              "10927|PO123|DOCK|2026-11-20|2026-12-01|Bayside Grocers|Bayside Depot|4 Esplanade|"
              "Wynnum|QLD|4178|Australia|Origin|Phone order|Weekly|TRK|Road Freight|11|"
              "Loading Bay B|" +
                  QString(comments).replace("\r\n", "\n"));
    EXPECT_EQ(linesAndTotals(), kShownLines);
    // The lines' own column widths, the last of which the window's load does not set.
    EXPECT_EQ(panel().ListView2->horizontalHeader()->sectionSize(5), 100);
    EXPECT_TRUE(panel().isVisibleTo(form.get()));
    EXPECT_NE(form->CompanyLink, startLink);  // new links, which later summaries use
}

TEST_F(OrderWindowTest, CancelOrNothingFoundKeepsTheOrderClearingEmptiesAllButTheDates) {
    finder("B'1001");
    const QStringList shown = headerBoxes();
    EXPECT_EQ(finder("B1002", Qt::Key_Escape).first, 3);
    // No header row, or no lines: what the panel showed stays.
    EXPECT_EQ(qv::app::ShowOrderHeader(*form, "NONE"), "");
    EXPECT_EQ(headerBoxes(), shown);
    qv::app::ShowOrderLines(*form, 12);
    EXPECT_EQ(linesAndTotals(), kShownLines.mid(2));

    // A status other than 0 on entry: nothing happens, whichever button (no finder opens).
    for (int code : {FieldEditControl::kClearButton, FieldEditControl::kFinderButton}) {
        int status = 2;
        qv::app::feditOrder_ButtonEvent(*form, code, status);
        EXPECT_EQ(status, 2);
    }
    EXPECT_EQ(headerBoxes(), shown);

    EXPECT_EQ(panel().feditOrder->pressButton(FieldEditControl::kClearButton), 1);
    EXPECT_EQ(headerBoxes().join('|'), "|||2026-11-20|2026-12-01|||||||||||||||");
    EXPECT_EQ(panel().feditOrder->value(), "");
    EXPECT_EQ(linesAndTotals(), QStringList({"", "12,000   ", ""}));
    EXPECT_FALSE(panel().isVisibleTo(form.get()));
    // The order field stays within reach: its finder is how an order is shown again.
    EXPECT_TRUE(panel().feditOrder->isVisibleTo(form.get()));
}

TEST_F(OrderWindowTest, LineThatCannotBeReadIsReportedAfterTheLinesBeforeIt) {
    company.exec(
        "INSERT INTO OEORDD (ORDUNIQ, LINENUM, ITEM, QTYORDERED, ORDUNIT) "
        "VALUES (11, 3, 'C300', 'lots', 'KG')");
    EXPECT_EQ(finder("B'1001").first, 1);
    EXPECT_EQ(messages.texts(),
              QStringList({"Sales order: The QTYORDERED of an order line is not a number: "
                           "\"lots\""}));
    EXPECT_EQ(panel().txtOrderDate->text(), "2026-11-20");
    EXPECT_EQ(linesAndTotals(), kShownLines);
}

TEST_F(OrderWindowTest, DoubleClickCopiesItemOrQuantityAndClearsForOtherCells) {
    finder("B'1001");
    ASSERT_NO_FATAL_FAILURE(showWindow());
    const struct {
        QPoint point;
        std::optional<QString> copied;  // none: the clipboard is emptied
    } cases[] = {
        {cell(1, 0), QString("B200").leftJustified(24)},  // "Item Number", also the criterion
        {cell(0, 1), "12,000  "},                         // "Qty"
        {cell(0, 2), std::nullopt},                       // "UOM"
    };
    for (const auto& c : cases) {
        clipboard.contents = "kept";
        qv::tests::doubleClick(panel().ListView2, c.point);
        EXPECT_EQ(clipboard.contents, c.copied) << c.point.x() << ',' << c.point.y();
    }
    EXPECT_EQ(form->feditItemNum2->value(), QString("B200").leftJustified(24));
    EXPECT_EQ(messages.texts(), QStringList());
}

}  // namespace
