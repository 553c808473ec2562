#include "app/form2.h"
#include "app/main_menu.h"
#include "app/order_panel.h"
#include "app/start_up.h"
#include "app/text_viewer.h"
#include "host/data_source.h"
#include "host/field_edit_control.h"
#include "host/go_button.h"
#include "host/session.h"
#include "host/signon_profile.h"
#include "search/lot_list_model.h"
#include "tests/support/recording_ports.h"
#include "tests/support/test_company.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

QStringList headers(const QTableView* view) {
    QStringList out;
    for (int i = 0; i < view->model()->columnCount(); ++i)
        out << view->model()->headerData(i, Qt::Horizontal).toString();
    return out;
}

std::vector<int> widths(const QTableView* view) {
    std::vector<int> out;
    for (int i = 0; i < view->model()->columnCount(); ++i)
        out.push_back(view->horizontalHeader()->sectionSize(i));
    return out;
}

class Form2Test : public ::testing::Test {
protected:
    void SetUp() override {
        company.addCategory("A", "Apples");
        company.addCategory("B", "");
        company.addOptionValue("GRADE", "A");
        qv::host::writeSignonProfile(qv::host::signonProfilePath(), "TEST",
                                     "sqlite:" + company.path(), company.folder());
    }
    void TearDown() override { QFile::remove(qv::host::signonProfilePath()); }

    qv::tests::TestCompany company;
    qv::tests::RecordingMessagePort messages;
    qv::tests::RecordingClipboardPort clipboard;
};

TEST_F(Form2Test, StartUpPreparesTheWindow) {
    // Pallet statuses come from their optional field only.
    company.addOptionValue("PALLETSTATUS", "HOLD");
    company.addOptionValue("PALLETSTATUS", "AGED");
    company.addOptionValue("CUSTCODE", "C1");
    qv::app::Form2 form(messages, clipboard);
    ASSERT_TRUE(form.Form_Load());
    EXPECT_TRUE(messages.entries.empty());

    EXPECT_EQ(form.windowTitle(), "    TEST" + QString(10, ' ') + "BRISVALE" + QString(45, ' ') +
                                      " Location Item Lot Qty" + QString(55, ' ') +
                                      " Quorvan 9.63.29");
    EXPECT_EQ(form.appTitle(), "TEST  app_tests");
    EXPECT_EQ(form.width(), 877);
    EXPECT_FALSE(form.findChild<QWidget*>("orderPanel")->isVisibleTo(&form));

    EXPECT_EQ(items(form.feditGrade2), QStringList({"A", "A+", "B", "C", "NA", "NC", "SS"}));
    EXPECT_EQ(items(form.cboPalletStatus), QStringList({"AGED", "HOLD"}));
    EXPECT_EQ(items(form.cboCategory), QStringList({"A - Apples", "B - "}));
    for (const QComboBox* combo : {form.feditGrade2, form.cboPalletStatus, form.cboCategory})
        EXPECT_EQ(combo->currentText(), "") << combo->objectName().toStdString();

    EXPECT_EQ(headers(form.ListView1),
              QStringList({"Pick", "Location", "Item Number", "Lot Number", "Qty Avail",
                           "Stock Date", "Expiry", "Grade", "ProdCode", "CustCode", "Hold",
                           "HoldDate", "Whs", "Cat", "Item Desc", "UOM", "Available", "ProdDate"}));
    EXPECT_EQ(widths(form.ListView1), (std::vector<int>{17, 53, 107, 107, 60, 80, 80, 47, 73, 80,
                                                        60, 80, 47, 40, 133, 33, 67, 80}));
    EXPECT_EQ(headers(form.orderPanel->ListView2),
              QStringList({"Item Number", "Qty", "UOM", "Weight", "ExtWeight"}));
    EXPECT_EQ(widths(form.orderPanel->ListView2), (std::vector<int>{107, 60, 40, 73, 73}));
    EXPECT_EQ(form.ListView1->model()->rowCount() + form.orderPanel->ListView2->model()->rowCount(),
              0);

    for (const QLineEdit* box :
         {form.txtCountLots, form.txtQtyTotal, form.txtQtyLocation, form.txtQtyItem,
          form.txtQtyGrade, form.txtQtyProdCode, form.txtQtyCustCode, form.txtQtyPalletStatus,
          form.txtQtyHold, form.orderPanel->txtOrdLineCount})
        EXPECT_EQ(box->text(), "0") << box->objectName().toStdString();
    EXPECT_EQ(form.orderPanel->txtOrdLineQtyTotal->text(), "0 ");
    EXPECT_EQ(form.orderPanel->txtOrdLineTotal->text(), "0 ");
    EXPECT_EQ(form.lblFontSize->text(), "14");
    EXPECT_EQ(form.SpinButton1->value(), 14);

    EXPECT_EQ(form.feditClearCount->value(), "Clear All");
    EXPECT_EQ(form.feditClearDropDown->value(), "Clear Lists");
    for (const auto* field :
         {form.feditLocation2, form.feditItemNum2, form.feditLotNum2, form.feditProdCode2,
          form.feditBCustomer2, form.orderPanel->feditOrder})
        EXPECT_EQ(field->value(), "") << field->objectName().toStdString();
    EXPECT_EQ(form.orderPanel->feditOrder->dataSource()->session(), form.HostSession.get());
    EXPECT_EQ(form.SecondaryLink->linkType(), 0);
    EXPECT_EQ(form.CompanyLink->linkType(), 1);
}

TEST_F(Form2Test, SessionNotOpenEndsStartUpAndSaysWhy) {
    // The message is the same whatever failed; its detail names the reason.
    const struct {
        const char* what;
        QByteArray profile;
        QString reason;
    } cases[] = {
        {"profile without a company", "[signon]\ndatabase=odbc\n", "[signon] names no company"},
        {"database file missing", "[signon]\ncompany=TEST\ndatabase=sqlite:/nonexistent/T.sqlite\n",
         "The company database /nonexistent/T.sqlite does not exist"},
        {"data source unknown", "[signon]\ncompany=QV_NO_SUCH_SOURCE\ndatabase=odbc\n",
         "Data source name not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile profile(qv::host::signonProfilePath());
        ASSERT_TRUE(profile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        profile.write(c.profile);
        profile.close();
        messages.entries.clear();
        qv::app::Form2 form(messages, clipboard);
        EXPECT_FALSE(form.Form_Load());
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].title, "");
        EXPECT_EQ(messages.entries[0].text, "session not open");
        const QString detail = messages.entries[0].detail;
        EXPECT_TRUE(detail.contains(c.reason)) << detail.toStdString();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.cboCategory->count(), 0);
    }

    // The program's run ends with a failing exit code.
    qv::tests::RecordingMessagePort again;
    EXPECT_EQ(qv::app::runQuorvan(again, clipboard), 1);
    EXPECT_EQ(again.texts(), QStringList({"session not open"}));
}

TEST_F(Form2Test, FailingHostCallAbandonsStartUp) {
    company.exec("DROP TABLE ICCATG");
    qv::app::Form2 form(messages, clipboard);
    EXPECT_FALSE(form.Form_Load());
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, "TEST  app_tests");
    EXPECT_TRUE(messages.entries[0].text.startsWith("Reading the categories: "))
        << messages.entries[0].text.toStdString();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Form2Test, MenuBar) {
    qv::app::Form2 form(messages, clipboard);
    ASSERT_TRUE(form.Form_Load());
    QList<QAction*> top = form.menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->menu(), form.mainMenu->mnuFile);
    EXPECT_EQ(top[1], form.mainMenu->s3);
    EXPECT_EQ(form.mainMenu->s3->text(), QString(77, ' '));
    EXPECT_EQ(form.mainMenu->s2->text(), QString(132, ' '));
    EXPECT_FALSE(form.mainMenu->s3->isEnabled() || form.mainMenu->s2->isEnabled());
    EXPECT_EQ(top[3], form.mainMenu->mnuAbout);
    EXPECT_EQ(form.mainMenu->mnuAbout->text(), "Help");
    EXPECT_TRUE(form.menuBar()->styleSheet().contains("rgb(255, 255, 0)"));
    EXPECT_TRUE(form.mainMenu->mnuFile->styleSheet().contains("rgb(0, 255, 255)"));
    EXPECT_TRUE(form.mainMenu->mnuLandscape->isChecked() &&
                form.mainMenu->mnuPickingSlip->isChecked());
    EXPECT_FALSE(form.mainMenu->mnuPortrait->isChecked());
    EXPECT_EQ(form.mainMenu->mnuPickingSlip->shortcut(), QKeySequence("Ctrl+P"));

    // Choosing an item leaves every mark where the design put it; the font sizes set the
    // spin control and its label.
    form.mainMenu->mnu14point->trigger();
    form.mainMenu->mnu10point->trigger();
    EXPECT_EQ(form.lblFontSize->text(), "10");
    EXPECT_EQ(form.SpinButton1->value(), 10);
    // (Portrait and Picking Slip act: the printout's tests follow them.)
    form.mainMenu->mnuLandscape->trigger();
    for (QAction* item :
         {form.mainMenu->mnu10point, form.mainMenu->mnu14point, form.mainMenu->mnuLandscape,
          form.mainMenu->mnuPortrait, form.mainMenu->mnuPickingSlip})
        EXPECT_EQ(item->isChecked(), item == form.mainMenu->mnu14point ||
                                         item == form.mainMenu->mnuLandscape ||
                                         item == form.mainMenu->mnuPickingSlip)
            << item->objectName().toStdString();
    form.mainMenu->mnu14point->trigger();
    EXPECT_EQ(form.lblFontSize->text(), "14");
    form.SpinButton1->setValue(20);
    EXPECT_EQ(form.lblFontSize->text(), "14");
    form.SpinButton1->setValue(3);
    EXPECT_EQ(form.lblFontSize->text(), "8");

    for (QAction* none :
         {form.mainMenu->mnuItemReport, form.mainMenu->mnuLotReport, form.mainMenu->mnuQuarantine,
          form.mainMenu->mnuCustReport, form.mainMenu->mnuLotListing})
        none->trigger();
    EXPECT_EQ(form.lblFontSize->text(), "8");
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(form.aboutBox(), nullptr);
}

TEST_F(Form2Test, WidthShowsTheOrderPanelAndQuitClosesTheAboutBoxViewerSessionAndWindow) {
    qv::app::Form2 form(messages, clipboard);
    ASSERT_TRUE(form.Form_Load());
    form.show();
    auto* panel = form.findChild<QWidget*>("orderPanel");
    form.setWidthTwips(form.WideWidth);
    EXPECT_EQ(form.width(), 1312);
    EXPECT_TRUE(panel->isVisible());
    form.setWidthTwips(form.NarrowWidth);
    EXPECT_EQ(form.width(), 877);
    EXPECT_FALSE(panel->isVisible());

    form.mainMenu->mnuAbout->trigger();
    QPointer<qv::app::AboutBox> about = form.aboutBox();
    ASSERT_TRUE(about && about->isVisible());
    form.mainMenu->mnuAbout->trigger();
    EXPECT_EQ(form.aboutBox(), about.data()) << "one about box";
    QPointer<qv::app::TextViewer> viewer = about->cmdSysInfo_Click();

    form.cmdQuit->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(viewer.isNull());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.HostSession, nullptr);
    EXPECT_EQ(form.SessionManager, nullptr);
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
}

TEST_F(Form2Test, WindowKeepsTheDesignSizeWhereItFitsAndStaysWithinSmallerScreens) {
    // The shared test main's offscreen screens: "desk" has room for the design sizes; "laptop",
    // 1600 x 1000 pixels at 150 %, has 1067 x 667 logical pixels, less than the design height.
    const auto screenNamed = [](const QString& name) -> QScreen* {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == name)
                return screen;
        return nullptr;
    };
    QScreen* desk = screenNamed("desk");
    QScreen* laptop = screenNamed("laptop");
    if (!desk || !laptop)
        GTEST_SKIP() << "needs the offscreen screens the test main sets up (QT_QPA_PLATFORM unset)";
    company.addItem("A100", "Peas", "KG", "A");
    for (int i = 0; i < 60; ++i)
        company.addLot(QStringLiteral("L%1").arg(i, 2, 10, QChar('0')), "A100", "WH1", 1);

    qv::app::Form2 onDesk(messages, clipboard);
    ASSERT_TRUE(onDesk.Form_Load());
    onDesk.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&onDesk));
    EXPECT_EQ(onDesk.size(), QSize(877, 680));
    onDesk.setWidthTwips(onDesk.WideWidth);
    EXPECT_EQ(onDesk.size(), QSize(1312, 680));

    qv::app::Form2 form(messages, clipboard);
    form.setScreen(laptop);
    const QRect available = laptop->availableGeometry();
    // Towards the screen's right edge, so widening has to bring the window back onto it.
    form.move(available.right() - 900, available.top() + 20);
    ASSERT_TRUE(form.Form_Load());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto withinScreen = [&](const char* when) {
        SCOPED_TRACE(when);
        const QRect frame = form.frameGeometry();
        EXPECT_TRUE(available.contains(frame));
        // Its real pixels too, which the scale rounds: 1000 rows hold 666 logical pixels.
        EXPECT_LE(std::lround((frame.bottom() + 1 - available.top()) * 1.5), 1000);
        EXPECT_LE(std::lround((frame.right() + 1 - available.left()) * 1.5), 1600);
        // The list down to its bottom edge, where the horizontal scroll bar lies.
        const QRect list(form.ListView1->mapToGlobal(QPoint(0, 0)), form.ListView1->size());
        EXPECT_TRUE(available.contains(list));
    };
    withinScreen("narrow");
    EXPECT_EQ(form.width(), 877);
    EXPECT_LT(form.height(), 680);

    form.setWidthTwips(form.WideWidth);
    withinScreen("wide");
    EXPECT_TRUE(form.orderPanel->isVisible());
    EXPECT_GT(form.width(), 1000) << "as wide as the screen allows";
    form.setWidthTwips(form.NarrowWidth);
    withinScreen("narrow again");
    EXPECT_EQ(form.width(), 877);
    EXPECT_FALSE(form.orderPanel->isVisible());

    form.GoButton1->click();
    ASSERT_EQ(form.lotList->rowCount(), 60);
    // The list lays its rows out later, in a queued event.
    const QScrollBar* scrollBar = form.ListView1->verticalScrollBar();
    EXPECT_TRUE(QTest::qWaitFor([&] { return scrollBar->isVisible(); }));
    EXPECT_TRUE(available.contains(QRect(scrollBar->mapToGlobal(QPoint(0, 0)), scrollBar->size())));
    EXPECT_EQ(messages.entries.size(), 1u) << "the everything question only";
}

}  // namespace
