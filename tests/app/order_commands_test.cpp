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
        // Orders are listed when dated after 5 November, thirty days before today.
        company.addOrder({.ordUniq = 11,
                          .orderNumber = "B'1001",
                          .customer = "10927",
                          .ordDate = 20261120,
                          .expDate = 20261201,
                          .comment = "Pallets wrapped\r\nNo mixed pallets",
                          .billName = "Bayside Grocers",
                          .shipTo = "SHIP1",
                          .shipName = "Bayside Depot",
                          .shipAddress1 = "4 Esplanade",
                          .shipAddress3 = "Loading Bay B",
                          .city = "Wynnum",
                          .poNumber = "PO123",
                          .shipVia = "TRK"});
        company.addOrder(
            {.ordUniq = 12, .orderNumber = "B1002", .customer = "10927", .ordDate = 20261106});
        company.addOrder({.ordUniq = 13,
                          .orderNumber = "B1003",
                          .customer = "10927",
                          .ordDate = 20261105});  // on the limit: too old
        company.addOrder({.ordUniq = 14,
                          .orderNumber = "B1004",
                          .customer = "10927",
                          .ordDate = 20261130,
                          .numShipments = 1});
        company.addOrder(
            {.ordUniq = 15, .orderNumber = "A2001", .customer = "29720", .ordDate = 20261204});
        addLine(11, 1, "A100", 12000.3, "KG", 1, 12000.3);
        addLine(11, 2, "B200", 0, "EA", 2.5, 345.3);
        qv::host::writeSignonProfile(qv::host::signonProfilePath(), "TEST",
                                     "sqlite:" + company.path(), company.folder());
        form = std::make_unique<qv::app::Form2>(messages, clipboard);
        ASSERT_TRUE(form->Form_Load());
    }
    void TearDown() override { QFile::remove(qv::host::signonProfilePath()); }

    void addLine(std::int64_t ordUniq, int lineNum, const QString& item, double qty,
                 const QString& unit, double unitWeight, double extWeight) {
        company.addOrderLine({.ordUniq = ordUniq,
                              .lineNum = lineNum,
                              .item = item,
                              .qtyOrdered = qty,
                              .orderUnit = unit,
                              .unitWeight = unitWeight,
                              .extWeight = extWeight,
                              .pickSeq = "40"});
    }

    qv::app::OrderPanel& panel() const { return *form->orderPanel; }

    // Presses the order field's finder button and lets drive() act on the finder while it is
    // open (then cancels it if drive() left it open); returns the status the handler left.
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
    static QStringList listedOrders(QTableView* table) {
        QStringList numbers;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            numbers << table->model()->index(row, 0).data().toString().trimmed();
        return numbers;
    }
    // Chooses the order the typed value preselects.
    int chooseOrder(const QString& typed) {
        panel().feditOrder->setValue(typed);
        return pressFinder([](QDialog* dialog, QTableView*) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
    }

    QStringList headerBoxes() const {
        const qv::app::OrderPanel& p = panel();
        QStringList texts;
        for (const QLineEdit* box :
             {p.txtCustomer, p.txtPONumber, p.txtShipTo, p.txtOrderDate, p.txtExpDate, p.txtBilName,
              p.txtName, p.txtAddress1, p.txtAddress2, p.txtCity, p.txtState, p.txtZip,
              p.txtCountry, p.txtFOB, p.txtReference, p.txtHeaderDesc, p.txtShipVia, p.txtViaDesc,
              p.txtOrdUniq})
            texts << box->text();
        return texts << p.txtComments->toPlainText();
    }
    QStringList totals() const {
        return {panel().txtOrdLineTotal->text(), panel().txtOrdLineQtyTotal->text(),
                panel().txtOrdLineCount->text()};
    }
    QStringList linesColumn(int column) const {
        QStringList cells;
        for (int row = 0; row < panel().orderLines->rowCount(); ++row)
            cells << panel().orderLines->text(row, column);
        return cells;
    }
    // A double-click: its first click selects the line (and remembers where it was).
    void doubleClickLine(int row, int column) {
        QTableView* list = panel().ListView2;
        const QPoint centre = list->visualRect(panel().orderLines->index(row, column)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }

    const qv::platform::FixedToday today{QDate(2026, 12, 5)};
    qv::tests::TestCompany company;
    qv::tests::RecordingMessagePort messages;
    qv::tests::RecordingClipboardPort clipboard;
    std::unique_ptr<qv::app::Form2> form;
};

TEST_F(OrderWindowTest, FinderListsRecentOpenOrdersOfTheCategorysCustomer) {
    const std::pair<QString, QStringList> cases[] = {
        {"B - Bakery", {"B'1001", "B1002"}},
        {"K - Kitchen", {"B'1001", "B1002", "A2001"}},
        {"b - bakery", {"B'1001", "B1002", "A2001"}},
        {"", {"B'1001", "B1002", "A2001"}},
    };
    for (const auto& [category, orders] : cases) {
        form->cboCategory->setEditText(category);
        QStringList listed;
        EXPECT_EQ(pressFinder([&](QDialog*, QTableView* table) { listed = listedOrders(table); }),
                  3);
        EXPECT_EQ(joined(listed), joined(orders)) << category.toStdString();
    }
    // What is typed narrows the list, a double quote included.
    form->cboCategory->setEditText("");
    for (const auto& [typed, orders] : {std::pair<QString, QStringList>{"100", {"B'1001", "B1002"}},
                                        {"B'", {"B'1001"}},
                                        {"\"", {}}}) {
        panel().feditOrder->setValue(typed);
        QStringList listed;
        pressFinder([&](QDialog*, QTableView* table) { listed = listedOrders(table); });
        EXPECT_EQ(joined(listed), joined(orders)) << typed.toStdString();
    }
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(form->width(), 877);
}

TEST_F(OrderWindowTest, ChosenOrderShowsHeaderLinesAndTotalsInTheWideWindow) {
    const auto startLink = form->CompanyLink;
    EXPECT_EQ(chooseOrder("b'1"), 3);
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(panel().feditOrder->value(), padded("B'1001", 22));
    EXPECT_EQ(
        joined(headerBoxes()),
        joined(QStringList(
            {padded("10927", 12), padded("PO123", 22), padded("SHIP1", 6), "2026-11-20",
             "2026-12-01", padded("Bayside Grocers", 60), padded("Bayside Depot", 60),
             padded("4 Esplanade", 60), "Loading Bay B", padded("Wynnum", 30), padded("", 30),
             padded("", 20), padded("", 30), padded("", 60), padded("", 60), padded("", 60),
             padded("TRK", 6), padded("", 60), "11",
             // The box shows the wrapped comment's lines.
             qv::orders::FormatByLength(padded("Pallets wrapped\r\nNo mixed pallets", 250), 50)
                 .replace("\r\n", "\n")})));

    EXPECT_EQ(joined(linesColumn(0)),
              joined(QStringList({padded("A100", 24), padded("B200", 24)})));
    EXPECT_EQ(joined(linesColumn(1)), joined(QStringList({"12,000  ", "  "})));
    EXPECT_EQ(joined(linesColumn(2)), joined(QStringList({padded("KG", 10), padded("EA", 10)})));
    EXPECT_EQ(joined(linesColumn(4)), joined(QStringList({"12,000  ", "345  "})));
    EXPECT_EQ(joined(totals()), joined(QStringList({"12,346   ", "12,000   ", "2"})));
    const QHeaderView* header = panel().ListView2->horizontalHeader();
    QStringList columns;
    for (int i = 0; i < panel().orderLines->columnCount(); ++i)
        columns << panel().orderLines->headerData(i, Qt::Horizontal).toString() + ' ' +
                       QString::number(header->sectionSize(i));
    EXPECT_EQ(joined(columns),
              joined(QStringList({"Item Number 107", "Qty 60", "UOM 47", "Weight 73",
                                  "ExtWeight 80", "Case P/Pallet 100"})));

    EXPECT_EQ(form->width(), 1312);
    EXPECT_TRUE(panel().isVisibleTo(form.get()));
    // The window's links are new ones, which later summaries use.
    EXPECT_NE(form->CompanyLink, startLink);
    EXPECT_EQ(form->CompanyLink->linkType(), 1);
    EXPECT_EQ(form->CompanyLink->flags(), 0);
    EXPECT_EQ(form->SecondaryLink->linkType(), 0);
    EXPECT_EQ(form->SecondaryLink->flags(), 0);
}

TEST_F(OrderWindowTest, CancelledFinderKeepsPanelLinesAndWidth) {
    chooseOrder("B'1001");
    const QStringList shown = headerBoxes();
    panel().feditOrder->setValue("B1002");
    EXPECT_EQ(pressFinder([](QDialog* dialog, QTableView*) {
                  QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
              }),
              3);
    EXPECT_EQ(joined(headerBoxes()), joined(shown));
    EXPECT_EQ(panel().orderLines->rowCount(), 2);
    EXPECT_EQ(joined(totals()), joined(QStringList({"12,346   ", "12,000   ", "2"})));
    EXPECT_EQ(panel().feditOrder->value(), "B1002");
    EXPECT_EQ(form->width(), 1312);
}

TEST_F(OrderWindowTest, ClearingEmptiesThePanelButTheDatesAndQuantityAndNarrows) {
    chooseOrder("B'1001");
    EXPECT_EQ(panel().feditOrder->pressButton(FieldEditControl::kClearButton), 1);
    QStringList expected(19, QString());
    expected[3] = "2026-11-20";
    expected[4] = "2026-12-01";
    expected << QString();
    EXPECT_EQ(joined(headerBoxes()), joined(expected));
    EXPECT_EQ(panel().feditOrder->value(), "");
    EXPECT_EQ(joined(totals()), joined(QStringList({"", "12,000   ", ""})));
    EXPECT_EQ(panel().orderLines->rowCount(), 0);
    EXPECT_EQ(panel().orderLines->columnCount(), 6);
    EXPECT_EQ(form->width(), 877);
    EXPECT_FALSE(panel().isVisibleTo(form.get()));
    // The order field stays within reach: its finder is how an order is shown again.
    EXPECT_TRUE(panel().feditOrder->isVisibleTo(form.get()));

    // A status other than 0 on entry: nothing happens, whichever button.
    panel().txtCustomer->setText("x");
    bool finderShown = false;
    QTimer::singleShot(0, [&finderShown] {
        if (QWidget* finder = QApplication::activeModalWidget()) {
            finderShown = true;
            finder->close();
        }
    });
    for (int code : {FieldEditControl::kClearButton, FieldEditControl::kFinderButton}) {
        int status = 2;
        qv::app::feditOrder_ButtonEvent(*form, code, status);
        EXPECT_EQ(status, 2);
    }
    QApplication::processEvents();
    EXPECT_FALSE(finderShown);
    EXPECT_EQ(panel().txtCustomer->text(), "x");
}

TEST_F(OrderWindowTest, OrderWithoutHeaderOrLinesKeepsWhatThePanelShowed) {
    chooseOrder("B'1001");
    const QStringList shown = headerBoxes();
    EXPECT_EQ(qv::app::ShowOrderHeader(*form, "NONE"), "");
    EXPECT_EQ(qv::app::ShowOrderHeader(*form, "x' OR '1'='1"), "");
    EXPECT_EQ(joined(headerBoxes()), joined(shown));

    // No lines: the six columns, no rows, the totals as they were.
    qv::app::ShowOrderLines(*form, 12);
    EXPECT_EQ(panel().orderLines->columnCount(), 6);
    EXPECT_EQ(panel().orderLines->rowCount(), 0);
    EXPECT_EQ(joined(totals()), joined(QStringList({"12,346   ", "12,000   ", "2"})));
    EXPECT_EQ(qv::app::ShowOrderHeader(*form, "B1002"), "12");
    EXPECT_EQ(panel().txtOrdUniq->text(), "12");
}

TEST_F(OrderWindowTest, FailingLinesAreReportedAfterTheHeaderWithTheWindowNarrow) {
    company.exec("DROP TABLE OEORDD");
    EXPECT_EQ(chooseOrder("B'1001"), 1);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, form->appTitle());
    EXPECT_TRUE(messages.entries[0].text.startsWith("Sales order: "))
        << messages.texts()[0].toStdString();
    EXPECT_EQ(panel().txtOrderDate->text(), "2026-11-20");
    EXPECT_EQ(form->width(), 877);
}

TEST_F(OrderWindowTest, DoubleClickCopiesItemOrQuantityAndClearsForOtherCells) {
    chooseOrder("B'1001");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    doubleClickLine(1, 0);  // "Item Number"
    EXPECT_EQ(clipboard.contents, padded("B200", 24));
    EXPECT_EQ(form->feditItemNum2->value(), padded("B200", 24));
    // The handler leaves the focus where it was (the lot list's takes it).
    form->feditLocation2->lineEdit()->setFocus();
    qv::app::ListView2_DblClick(*form);
    EXPECT_TRUE(form->feditLocation2->lineEdit()->hasFocus());

    doubleClickLine(0, 1);  // "Qty"
    EXPECT_EQ(clipboard.contents, "12,000  ");
    doubleClickLine(1, 1);  // a quantity of 0
    EXPECT_EQ(clipboard.contents, "  ");

    doubleClickLine(0, 2);  // "UOM"
    EXPECT_EQ(clipboard.contents, std::nullopt);
    EXPECT_EQ(clipboard.steps.last(), "close");

    // Below the last line: nothing happens.
    clipboard.contents = "kept";
    clipboard.steps.clear();
    QTableView* list = panel().ListView2;
    const QPoint below(list->visualRect(panel().orderLines->index(0, 0)).center().x(),
                       list->visualRect(panel().orderLines->index(1, 0)).bottom() + 30);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(form->ListMouseY, float(below.y() * 15));
    EXPECT_EQ(clipboard.contents, "kept");
    EXPECT_TRUE(clipboard.steps.isEmpty());
    EXPECT_EQ(form->feditItemNum2->value(), padded("B200", 24));
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
}

}  // namespace
