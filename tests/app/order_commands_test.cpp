// The sales order lookup on the real window, offscreen, against a small company.
#include "app/order_commands.h"
#include "app/form2.h"
#include "app/order_panel.h"
#include "host/field_edit_control.h"
#include "host/session.h"
#include "host/signon_profile.h"
#include "orders/format_by_length.h"
#include "orders/order_lines_model.h"
#include "platform/clock.h"
#include "tests/support/recording_ports.h"
#include "tests/support/test_company.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using qv::host::FieldEditControl;

// Lists compared as one text, so a failure reads.
std::string joined(const QStringList& texts) {
    return texts.join(u'|').toStdString();
}

// Stored texts come padded to their column's width.
QString padded(const QString& text, int width) {
    return text.leftJustified(width);
}

class OrderWindowTest : public ::testing::Test {
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
        addLine(1, "A100", 12000.3, "KG", 12000.3);
        addLine(2, "B200", 0, "EA", 345.3);
        qv::host::writeSignonProfile(qv::host::signonProfilePath(), "TEST",
                                     "sqlite:" + company.path(), company.folder());
        form = std::make_unique<qv::app::Form2>(messages, clipboard);
        ASSERT_TRUE(form->Form_Load());
    }
    void TearDown() override { QFile::remove(qv::host::signonProfilePath()); }

    void addLine(int lineNum, const QString& item, double qty, const QString& unit,
                 double extWeight) {
        company.addOrderLine({.ordUniq = 11,
                              .lineNum = lineNum,
                              .item = item,
                              .qtyOrdered = qty,
                              .orderUnit = unit,
                              .unitWeight = 2.5,
                              .extWeight = extWeight});
    }
    qv::app::OrderPanel& panel() const { return *form->orderPanel; }

    // Presses the order field's finder button and lets drive() act on the open finder (which
    // is cancelled if drive() leaves it open); returns the status the handler left.
    int pressFinder(const std::function<void(QDialog*, QTableView*)>& drive) {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            driven = true;
            drive(dialog, dialog->findChild<QTableView*>("finderTable"));
            if (dialog->isVisible())
                dialog->reject();
        });
        const int status = panel().feditOrder->pressButton(FieldEditControl::kFinderButton);
        EXPECT_TRUE(driven);
        return status;
    }
    QStringList listedOrders() {
        QStringList numbers;
        pressFinder([&numbers](QDialog*, QTableView* table) {
            for (int row = 0; row < table->model()->rowCount(); ++row)
                numbers << table->model()->index(row, 0).data().toString().trimmed();
        });
        return numbers;
    }
    // Chooses the order the typed value preselects.
    int chooseOrder(const QString& typed) {
        panel().feditOrder->setValue(typed);
        return pressFinder([](QDialog* dialog, QTableView*) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
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
    // A double-click: its first click selects the line and remembers where it was.
    void doubleClick(QPoint point) {
        QWidget* rows = panel().ListView2->viewport();
        QTest::mouseClick(rows, Qt::LeftButton, {}, point);
        QTest::mouseDClick(rows, Qt::LeftButton, {}, point);
    }
    QPoint cell(int row, int column) const {
        return panel().ListView2->visualRect(panel().orderLines->index(row, column)).center();
    }

    const qv::platform::FixedToday today{QDate(2026, 12, 5)};
    qv::tests::TestCompany company;
    qv::tests::RecordingMessagePort messages;
    qv::tests::RecordingClipboardPort clipboard;
    std::unique_ptr<qv::app::Form2> form;
};

const QStringList kShownLines = {"A100 12,000  ", "B200   ", "12,346   ", "12,000   ", "2"};

TEST_F(OrderWindowTest, FinderListsRecentOpenOrdersOfTheCategorysCustomerAndTheTypedNumber) {
    const std::pair<QString, QString> cases[] = {{"B - Bakery", "B'1001|B1002"},
                                                 {"K - Kitchen", "B'1001|B1002|A2001"},
                                                 {"b - bakery", "B'1001|B1002|A2001"},
                                                 {"", "B'1001|B1002|A2001"}};
    for (const auto& [category, orders] : cases) {
        form->cboCategory->setEditText(category);
        EXPECT_EQ(joined(listedOrders()), orders.toStdString()) << category.toStdString();
    }
    form->cboCategory->setEditText("");
    for (const auto& [typed, orders] :
         {std::pair<QString, QString>{"100", "B'1001|B1002"}, {"B'", "B'1001"}, {"\"", ""}}) {
        panel().feditOrder->setValue(typed);
        EXPECT_EQ(joined(listedOrders()), orders.toStdString()) << typed.toStdString();
    }
    EXPECT_TRUE(messages.entries.empty()) << joined(messages.texts());
    EXPECT_EQ(form->width(), 877);
}

TEST_F(OrderWindowTest, ChosenOrderShowsHeaderLinesAndTotalsInTheWideWindow) {
    const auto startLink = form->CompanyLink;
    EXPECT_EQ(chooseOrder("b'1"), 3);
    EXPECT_TRUE(messages.entries.empty()) << joined(messages.texts());
    EXPECT_EQ(panel().feditOrder->value(), padded("B'1001", 22));
    // Texts as stored (padded to their column's width) but for the ones with a rule.
    EXPECT_EQ(panel().txtCustomer->text(), padded("10927", 12));
    EXPECT_EQ(
        joined(headerBoxes()),
        joined({"10927",
                "PO123",
                "DOCK",
                "2026-11-20",
                "2026-12-01",
                "Bayside Grocers",
                "Bayside Depot",
                "4 Esplanade",
                "Wynnum",
                "QLD",
                "4178",
                "Australia",
                "Origin",
                "Phone order",
                "Weekly",
                "TRK",
                "Road Freight",
                "11",
                "Loading Bay B",
                qv::orders::FormatByLength(padded("Pallets wrapped\r\nNo mixed pallets", 250), 50)
                    .replace("\r\n", "\n")}));
    // Weights are summed as they are, 12,345.6, and only the total is rounded.
    EXPECT_EQ(joined(linesAndTotals()), joined(kShownLines));
    const QHeaderView* header = panel().ListView2->horizontalHeader();
    QStringList columns;
    for (int i = 0; i < panel().orderLines->columnCount(); ++i)
        columns << panel().orderLines->headerData(i, Qt::Horizontal).toString() + ' ' +
                       QString::number(header->sectionSize(i));
    EXPECT_EQ(joined(columns),
              "Item Number 107|Qty 60|UOM 47|Weight 73|ExtWeight 80|"
              "Case P/Pallet 100");
    EXPECT_EQ(panel().orderLines->data(panel().orderLines->index(0, 2), Qt::TextAlignmentRole),
              QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter));

    EXPECT_EQ(form->width(), 1312);
    EXPECT_TRUE(panel().isVisibleTo(form.get()));
    // New links, which later summaries use.
    EXPECT_NE(form->CompanyLink, startLink);
    EXPECT_EQ(std::pair(form->CompanyLink->linkType(), form->CompanyLink->flags()),
              std::pair(1, 0));
    EXPECT_EQ(std::pair(form->SecondaryLink->linkType(), form->SecondaryLink->flags()),
              std::pair(0, 0));
}

TEST_F(OrderWindowTest, CancelKeepsTheOrderAndClearingEmptiesItButTheDatesAndQuantity) {
    chooseOrder("B'1001");
    const QStringList shown = headerBoxes();
    panel().feditOrder->setValue("B1002");
    EXPECT_EQ(pressFinder([](QDialog* dialog, QTableView*) {
                  QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
              }),
              3);
    EXPECT_EQ(joined(headerBoxes()), joined(shown));
    EXPECT_EQ(joined(linesAndTotals()), joined(kShownLines));
    EXPECT_EQ(form->width(), 1312);

    EXPECT_EQ(panel().feditOrder->pressButton(FieldEditControl::kClearButton), 1);
    EXPECT_EQ(joined(headerBoxes()), "|||2026-11-20|2026-12-01|||||||||||||||");
    EXPECT_EQ(panel().feditOrder->value(), "");
    EXPECT_EQ(joined(linesAndTotals()), "|12,000   |");
    EXPECT_EQ(panel().orderLines->columnCount(), 6);
    EXPECT_EQ(form->width(), 877);
    EXPECT_FALSE(panel().isVisibleTo(form.get()));
    // The order field stays within reach: its finder is how an order is shown again.
    EXPECT_TRUE(panel().feditOrder->isVisibleTo(form.get()));

    // A status other than 0 on entry: nothing happens, whichever button (no finder opens).
    panel().txtCustomer->setText("x");
    for (int code : {FieldEditControl::kClearButton, FieldEditControl::kFinderButton}) {
        int status = 2;
        qv::app::feditOrder_ButtonEvent(*form, code, status);
        EXPECT_EQ(status, 2);
    }
    EXPECT_EQ(panel().txtCustomer->text(), "x");
}

TEST_F(OrderWindowTest, NoHeaderRowOrNoLinesKeepWhatThePanelShowed) {
    chooseOrder("B'1001");
    const QStringList shown = headerBoxes();
    EXPECT_EQ(qv::app::ShowOrderHeader(*form, "NONE"), "");
    EXPECT_EQ(qv::app::ShowOrderHeader(*form, "x' OR '1'='1"), "");
    EXPECT_EQ(joined(headerBoxes()), joined(shown));
    qv::app::ShowOrderLines(*form, 12);
    EXPECT_EQ(panel().orderLines->columnCount(), 6);
    EXPECT_EQ(joined(linesAndTotals()), joined(kShownLines.mid(2)));
}

TEST_F(OrderWindowTest, LineThatCannotBeReadIsReportedAfterTheLinesBeforeIt) {
    company.exec(
        "INSERT INTO OEORDD (ORDUNIQ, LINENUM, ITEM, QTYORDERED, ORDUNIT) "
        "VALUES (11, 3, 'C300', 'lots', 'KG')");
    EXPECT_EQ(chooseOrder("B'1001"), 1);
    EXPECT_EQ(joined(messages.texts()),
              "Sales order: The QTYORDERED of an order line is not a number: \"lots\"");
    EXPECT_EQ(messages.entries[0].title, form->appTitle());
    EXPECT_EQ(panel().txtOrderDate->text(), "2026-11-20");
    EXPECT_EQ(joined(linesAndTotals()), joined(kShownLines));
    EXPECT_EQ(form->width(), 877);
}

TEST_F(OrderWindowTest, DoubleClickCopiesItemOrQuantityAndClearsForOtherCells) {
    chooseOrder("B'1001");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    doubleClick(cell(1, 0));  // "Item Number"
    EXPECT_EQ(clipboard.contents, padded("B200", 24));
    EXPECT_EQ(form->feditItemNum2->value(), padded("B200", 24));
    // The handler leaves the focus where it was (the lot list's takes it).
    form->feditLocation2->lineEdit()->setFocus();
    qv::app::ListView2_DblClick(*form);
    EXPECT_TRUE(form->feditLocation2->lineEdit()->hasFocus());

    doubleClick(cell(0, 1));  // "Qty"
    EXPECT_EQ(clipboard.contents, "12,000  ");
    doubleClick(cell(1, 1));  // a quantity of 0
    EXPECT_EQ(clipboard.contents, "  ");
    doubleClick(cell(0, 2));  // "UOM"
    EXPECT_EQ(clipboard.contents, std::nullopt);

    // Below the last line: nothing happens.
    clipboard.contents = "kept";
    clipboard.steps.clear();
    const QPoint below(cell(1, 0).x(), cell(1, 0).y() + 40);
    doubleClick(below);
    EXPECT_EQ(form->ListMouseY, float(below.y() * 15));
    EXPECT_EQ(clipboard.contents, "kept");
    EXPECT_TRUE(clipboard.steps.isEmpty());
    EXPECT_TRUE(messages.entries.empty()) << joined(messages.texts());
}

}  // namespace
