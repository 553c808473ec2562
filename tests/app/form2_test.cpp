// The main window's start-up, menus, size and Quit, offscreen.
#include "app/form2.h"
#include "app/main_menu.h"
#include "app/order_panel.h"
#include "app/start_up.h"
#include "app/text_viewer.h"
#include "host/go_button.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"

#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>

#include <cmath>

namespace {

QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

class Form2Test : public qv::tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        company.addCategory("A", "Apples");
        company.addCategory("B", "");
        // For the tests that load a window of their own; signOn() writes it again.
        qv::host::writeSignonProfile(qv::host::signonProfilePath(), "TEST",
                                     "sqlite:" + company.path(), company.folder());
    }
};

TEST_F(Form2Test, StartUpPreparesTheWindow) {
    // Pallet statuses come from their optional field only.
    company.addOptionValue("PALLETSTATUS", "HOLD");
    company.addOptionValue("PALLETSTATUS", "AGED");
    company.addOptionValue("CUSTCODE", "C1");
    ASSERT_NO_FATAL_FAILURE(signOn());
    EXPECT_TRUE(messages.entries.empty());

    EXPECT_EQ(form->windowTitle(), "    TEST" + QString(10, ' ') + "BRISVALE" + QString(45, ' ') +
                                       " Location Item Lot Qty" + QString(55, ' ') +
                                       " Quorvan 9.63.29");
    EXPECT_EQ(form->appTitle(), "TEST  app_tests");
    EXPECT_EQ(items(form->cboPalletStatus), QStringList({"AGED", "HOLD"}));
    EXPECT_EQ(items(form->cboCategory), QStringList({"A - Apples", "B - "}));
    for (const QComboBox* combo : {form->feditGrade2, form->cboPalletStatus, form->cboCategory})
        EXPECT_EQ(combo->currentText(), "") << combo->objectName().toStdString();
    for (const QLineEdit* box :
         {form->txtCountLots, form->txtQtyTotal, form->txtQtyLocation, form->txtQtyItem,
          form->txtQtyGrade, form->txtQtyProdCode, form->txtQtyCustCode, form->txtQtyPalletStatus,
          form->txtQtyHold, form->orderPanel->txtOrdLineCount})
        EXPECT_EQ(box->text(), "0") << box->objectName().toStdString();
    EXPECT_EQ(form->lblFontSize->text(), "14");
    EXPECT_EQ(form->SpinButton1->value(), 14);
}

// The message is the same whatever failed; its detail names the reason (the session's and
// the database's tests cover the reasons).
TEST_F(Form2Test, SessionNotOpenEndsStartUpAndSaysWhy) {
    const std::pair<QByteArray, QString> cases[] = {
        {"[signon]\ndatabase=odbc\n", "[signon] names no company"},
        {"[signon]\ncompany=TEST\ndatabase=sqlite:/nonexistent/T.sqlite\n",
         "The company database /nonexistent/T.sqlite does not exist"},
    };
    for (const auto& [text, reason] : cases) {
        SCOPED_TRACE(reason.toStdString());
        QFile profile(qv::host::signonProfilePath());
        ASSERT_TRUE(profile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        profile.write(text);
        profile.close();
        messages.entries.clear();
        qv::app::Form2 failed(messages, clipboard);
        EXPECT_FALSE(failed.Form_Load());
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].title, "");
        EXPECT_EQ(messages.entries[0].text, "session not open");
        EXPECT_TRUE(messages.entries[0].detail.contains(reason))
            << messages.entries[0].detail.toStdString();
        EXPECT_FALSE(failed.isVisible());
    }

    // The program's run ends with a failing exit code.
    qv::tests::RecordingMessagePort again;
    EXPECT_EQ(qv::app::runQuorvan(again, clipboard), 1);
    EXPECT_EQ(again.texts(), QStringList({"session not open"}));
}

TEST_F(Form2Test, FailingHostCallAbandonsStartUp) {
    company.exec("DROP TABLE ICCATG");
    qv::app::Form2 failed(messages, clipboard);
    EXPECT_FALSE(failed.Form_Load());
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, "TEST  app_tests");
    EXPECT_TRUE(messages.entries[0].text.startsWith("Reading the categories: "))
        << messages.entries[0].text.toStdString();
    EXPECT_FALSE(failed.isVisible());
}

// The font sizes set the spin control, and it the label; every menu mark stays where the
// design put it; the printout items act only where the printout's tests follow them.
TEST_F(Form2Test, MenuItems) {
    ASSERT_NO_FATAL_FAILURE(signOn());
    const qv::app::MainMenu* menu = form->mainMenu;
    menu->mnu10point->trigger();
    EXPECT_EQ(form->lblFontSize->text(), "10");
    EXPECT_EQ(form->SpinButton1->value(), 10);
    menu->mnuLandscape->trigger();
    for (QAction* item : {menu->mnu10point, menu->mnu14point, menu->mnuLandscape, menu->mnuPortrait,
                          menu->mnuPickingSlip})
        EXPECT_EQ(item->isChecked(), item == menu->mnu14point || item == menu->mnuLandscape ||
                                         item == menu->mnuPickingSlip)
            << item->objectName().toStdString();
    form->SpinButton1->setValue(3);
    EXPECT_EQ(form->lblFontSize->text(), "8");

    for (QAction* none : {menu->mnuItemReport, menu->mnuLotReport, menu->mnuQuarantine,
                          menu->mnuCustReport, menu->mnuLotListing})
        none->trigger();
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(form->aboutBox(), nullptr);
}

TEST_F(Form2Test, QuitClosesTheAboutBoxViewerSessionAndWindow) {
    ASSERT_NO_FATAL_FAILURE(signOn());
    form->show();
    form->mainMenu->mnuAbout->trigger();
    QPointer<qv::app::AboutBox> about = form->aboutBox();
    ASSERT_TRUE(about && about->isVisible());
    form->mainMenu->mnuAbout->trigger();
    EXPECT_EQ(form->aboutBox(), about.data()) << "one about box";
    QPointer<qv::app::TextViewer> viewer = about->cmdSysInfo_Click();

    form->cmdQuit->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(viewer.isNull());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->HostSession, nullptr);
    EXPECT_EQ(form->SessionManager, nullptr);
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

    ASSERT_NO_FATAL_FAILURE(signOn());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->size(), QSize(877, 680));
    form->setWidthTwips(form->WideWidth);
    EXPECT_EQ(form->size(), QSize(1312, 680));

    qv::app::Form2 small(messages, clipboard);
    small.setScreen(laptop);
    const QRect available = laptop->availableGeometry();
    // Towards the screen's right edge, so widening has to bring the window back onto it.
    small.move(available.right() - 900, available.top() + 20);
    ASSERT_TRUE(small.Form_Load());
    small.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&small));
    const auto withinScreen = [&](const char* when) {
        SCOPED_TRACE(when);
        const QRect frame = small.frameGeometry();
        EXPECT_TRUE(available.contains(frame));
        // Its real pixels too, which the scale rounds: 1000 rows hold 666 logical pixels.
        EXPECT_LE(std::lround((frame.bottom() + 1 - available.top()) * 1.5), 1000);
        EXPECT_LE(std::lround((frame.right() + 1 - available.left()) * 1.5), 1600);
        // The list down to its bottom edge, where the horizontal scroll bar lies.
        const QRect list(small.ListView1->mapToGlobal(QPoint(0, 0)), small.ListView1->size());
        EXPECT_TRUE(available.contains(list));
    };
    withinScreen("narrow");
    EXPECT_EQ(small.width(), 877);
    EXPECT_LT(small.height(), 680);
    EXPECT_FALSE(small.orderPanel->isVisible());

    small.setWidthTwips(small.WideWidth);
    withinScreen("wide");
    EXPECT_TRUE(small.orderPanel->isVisible());
    EXPECT_GT(small.width(), 1000) << "as wide as the screen allows";
    small.setWidthTwips(small.NarrowWidth);
    withinScreen("narrow again");
    EXPECT_EQ(small.width(), 877);
    EXPECT_FALSE(small.orderPanel->isVisible());

    small.GoButton1->click();
    ASSERT_EQ(small.lotList->rowCount(), 60);
    // The list lays its rows out later, in a queued event.
    const QScrollBar* scrollBar = small.ListView1->verticalScrollBar();
    EXPECT_TRUE(QTest::qWaitFor([&] { return scrollBar->isVisible(); }));
    EXPECT_TRUE(available.contains(QRect(scrollBar->mapToGlobal(QPoint(0, 0)), scrollBar->size())));
    EXPECT_EQ(messages.entries.size(), 1u) << "the everything question only";
}

}  // namespace
