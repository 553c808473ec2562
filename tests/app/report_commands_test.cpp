// The spreadsheet printout on the real window, offscreen, against a small company: the
// Excel command, Picking Slip and Ctrl+P, the print orientation, and their failures.
#include "app/report_commands.h"
#include "app/form2.h"
#include "app/main_menu.h"
#include "host/field_edit_control.h"
#include "host/go_button.h"
#include "host/signon_profile.h"
#include "report/printout.h"
#include "tests/support/recording_ports.h"
#include "tests/support/recording_spreadsheet_app.h"
#include "tests/support/test_company.h"
#include "tests/support/workbook_reader.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace qv::report;

QString text(const char16_t* t) {
    return QString::fromUtf16(t);
}

class ReportCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        company.addItem("PEAS", "Green peas", "KG", "B");
        company.addItem("SACK", "Sacks", "EA", "C");
        company.addLot("L01", "PEAS", "WH1", 12.5);
        company.addLot("L02", "PEAS", "WH2", 3, 1, 20240101, 20251231, 1);
        company.addLot("L03", "SACK", "WH1", 40);
        qv::host::writeSignonProfile(qv::host::signonProfilePath(), "TEST",
                                     "sqlite:" + company.path(), company.folder());
        form = std::make_unique<qv::app::Form2>(messages, clipboard);
        ASSERT_TRUE(form->Form_Load());
        commands = form->findChild<qv::app::ReportCommands*>();
        ASSERT_NE(commands, nullptr);
        commands->setSpreadsheetApp(app);
        commands->setClock([] { return QDateTime(QDate(2026, 12, 5), QTime(8, 30, 0)); });
    }
    void TearDown() override { QFile::remove(qv::host::signonProfilePath()); }

    void search(const QString& location) {
        form->feditLocation2->setValue(location);
        form->GoButton1->click();
        messages.entries.clear();
    }
    QString status() const { return form->lblStatus->text(); }

    qv::tests::TestCompany company;
    qv::tests::RecordingMessagePort messages;
    qv::tests::RecordingClipboardPort clipboard;
    qv::tests::RecordingSpreadsheetApp app;
    std::unique_ptr<qv::app::Form2> form;
    qv::app::ReportCommands* commands = nullptr;
};

TEST_F(ReportCommandsTest, ExcelShowsTheReportOfTheLastSearch) {
    search("WH");
    form->cmdPrint2->click();
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
    ASSERT_EQ(app.shown.size(), 1);
    EXPECT_TRUE(app.printed.isEmpty());
    EXPECT_EQ(status(), text(kPrintoutReady));
    const QString path = app.shown[0];
    EXPECT_EQ(QFileInfo(path).absolutePath(), qEnvironmentVariable("XDG_CACHE_HOME") + "/quorvan");

    // The window's choices reach the workbook: the font size, the date, the layout and the
    // company's logo.
    const QJsonObject book = qv::tests::readWorkbook(path);
    EXPECT_EQ(book["fonts"].toArray(), QJsonArray({"Segoe UI 14.0"}));
    EXPECT_EQ(book["cells"]["D1"]["value"], "2026-12-05");
    EXPECT_EQ(book["cells"]["C5"]["value"], "PEAS");
    EXPECT_EQ(book["cells"]["C7"]["value"], "SACK");
    EXPECT_EQ(book["cells"]["L6"]["value"], "HOLD");
    EXPECT_EQ(book["print_area"], "$A$1:$V$8");
    EXPECT_EQ(book["orientation"], "landscape");
    EXPECT_EQ(book["images"].toArray().size(), 1);

    form->mainMenu->mnu10point->trigger();
    form->mainMenu->mnuPortrait->trigger();
    form->cmdPrint2->click();
    ASSERT_EQ(app.shown.size(), 2);
    EXPECT_NE(app.shown[1], path);
    const QJsonObject portrait = qv::tests::readWorkbook(app.shown[1]);
    EXPECT_EQ(portrait["fonts"].toArray(), QJsonArray({"Segoe UI 10.0"}));
    EXPECT_EQ(portrait["print_area"], "$A$1:$I$8");
    EXPECT_EQ(portrait["orientation"], "portrait");
}

TEST_F(ReportCommandsTest, PrintoutsThatEndEarlySayWhy) {
    const struct {
        QString query;
        bool canShow;
        QString message;
    } cases[] = {
        // No search yet, or a text too short to be one.
        {"", true, text(kNothingToPrint)},
        {"SELECT 1 ", true, text(kNothingToPrint)},
        {"SELECT 1 FROM ICXLOT", false, text(kNoSpreadsheetApp)},
    };
    for (const auto& c : cases) {
        messages.entries.clear();
        form->lblStatus->setText("before");
        form->txtSQLQuery->setPlainText(c.query);
        app.canShow = c.canShow;
        form->cmdPrint2->click();
        EXPECT_EQ(messages.texts(), QStringList({c.message})) << c.query.toStdString();
        EXPECT_EQ(messages.entries[0].title, form->appTitle());
        EXPECT_EQ(status(), "before");
    }
    // Ten characters go on to the database, which has its say.
    app.canShow = true;
    messages.entries.clear();
    form->txtSQLQuery->setPlainText("SELECT 1  ");
    form->cmdPrint2->click();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_TRUE(messages.entries[0].text.startsWith("Excel Printout: "));

    // A search that found nothing leaves its statement for a printout that finds nothing.
    search("ZZ");
    form->cmdPrint2->click();
    EXPECT_EQ(messages.texts(), QStringList({text(kNoRecordsFound)}));
    EXPECT_TRUE(app.shown.isEmpty());
    EXPECT_EQ(status(), "");
}

TEST_F(ReportCommandsTest, MoreThanFiveHundredRecordsWarnAndGoOn) {
    for (int i = 0; i < 498; ++i)
        company.addLot(QString("B%1").arg(i, 3, 10, QChar('0')), "SACK", "BIG", 1);
    company.addLot("X1", "PEAS", "BIGGER", 1);
    search("BIG");  // 499 lots
    form->cmdPrint2->click();
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();

    company.addLot("X2", "PEAS", "BIGGER", 1);
    search("BIG");
    form->cmdPrint2->click();
    EXPECT_TRUE(messages.entries.empty()) << "500 records";

    company.addLot("X3", "PEAS", "BIGGER", 1);
    search("BIG");
    form->cmdPrint2->click();
    EXPECT_EQ(
        messages.texts(),
        QStringList({"Many Records in this Query - This Will Print  11.1333333333333 Pages"}));
    EXPECT_EQ(app.shown.size(), 3);
    EXPECT_EQ(status(), text(kPrintoutReady));
}

TEST_F(ReportCommandsTest, PickingSlipPrintsOnceThenExcelShowsAgain) {
    search("WH");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
    ASSERT_EQ(app.printed.size(), 1);
    EXPECT_TRUE(app.shown.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(app.printed[0])) << "a printed workbook is not kept";
    EXPECT_EQ(status(), text(kPrintoutReady));
    EXPECT_FALSE(commands->PickingSlipMode);

    form->cmdPrint2->click();
    EXPECT_EQ(app.printed.size(), 1);
    EXPECT_EQ(app.shown.size(), 1);

    form->mainMenu->mnuPickingSlip->trigger();
    EXPECT_EQ(app.printed.size(), 2);
    // Without a print path the picking slip does not start; showing does not stand in.
    app.canPrint = false;
    form->mainMenu->mnuPickingSlip->trigger();
    EXPECT_EQ(messages.texts(), QStringList({text(kNoSpreadsheetApp)}));
    EXPECT_EQ(app.printed.size(), 2);
}

TEST_F(ReportCommandsTest, FailuresToShowOrPrintAreReportedNotReady) {
    search("WH");
    app.showFails = true;
    form->cmdPrint2->click();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Excel Printout: no window for " + app.shown[0]);
    EXPECT_EQ(status(), "");

    messages.entries.clear();
    app.printFails = true;
    form->mainMenu->mnuPickingSlip->trigger();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Picking Slip: no printer for " + app.printed[0]);
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(QFileInfo::exists(app.printed[0])) << "the workbook stays for the user";
    EXPECT_FALSE(commands->PickingSlipMode) << "a failed picking slip has ended too";
}

TEST_F(ReportCommandsTest, WindowWorksDuringAPrintoutAndRefusesASecondOne) {
    search("WH");
    std::atomic<bool> windowAnswered{false};
    app.whilePrinting = [&](const QString&) {
        // From the worker: ask the window to handle a click while the print goes on.
        QMetaObject::invokeMethod(
            form.get(),
            [&] {
                form->cmdPrint2->click();
                form->mainMenu->mnuPortrait->trigger();
                windowAnswered = true;
            },
            Qt::QueuedConnection);
        for (int i = 0; i < 500 && !windowAnswered; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    };
    form->mainMenu->mnuPickingSlip->trigger();
    EXPECT_TRUE(windowAnswered) << "the window did not handle events during the printout";
    EXPECT_EQ(messages.texts(), QStringList({text(kPrintoutRunning)}));
    EXPECT_EQ(app.printed.size(), 1);
    EXPECT_TRUE(app.shown.isEmpty()) << "the refused click did not take over the picking slip";
    EXPECT_EQ(status(), text(kPrintoutReady));
    EXPECT_TRUE(form->chkPType->isChecked());
}

TEST_F(ReportCommandsTest, QuitDuringAPrintoutLetsItFinish) {
    search("WH");
    // The first events the window handles come while the printout reads the database.
    QTimer::singleShot(0, form.get(), [&] { form->cmdQuit->click(); });
    form->cmdPrint2->click();
    EXPECT_EQ(form->HostSession, nullptr);
    EXPECT_TRUE(messages.entries.empty()) << messages.texts().join('|').toStdString();
    ASSERT_EQ(app.shown.size(), 1);
    EXPECT_EQ(qv::tests::readWorkbook(app.shown[0])["images"].toArray().size(), 1);
}

TEST_F(ReportCommandsTest, OrientationCheckBoxAndMenusAgree) {
    struct State {
        QString caption;
        bool checked, portrait, landscape;
        bool operator==(const State&) const = default;
    };
    const auto state = [&] {
        return State{form->chkPType->text(), form->chkPType->isChecked(),
                     form->mainMenu->mnuPortrait->isChecked(),
                     form->mainMenu->mnuLandscape->isChecked()};
    };
    const State start{"    Landscape", false, false, true};
    const State portrait{"Portrait", true, true, false};
    const State landscape{"Landscape", false, false, true};
    EXPECT_EQ(state(), start);
    form->mainMenu->mnuPortrait->trigger();
    EXPECT_EQ(state(), portrait);
    form->mainMenu->mnuPortrait->trigger();
    EXPECT_EQ(state(), portrait);
    form->mainMenu->mnuLandscape->trigger();
    EXPECT_EQ(state(), landscape);
    form->mainMenu->mnuLandscape->trigger();
    EXPECT_EQ(state(), landscape);

    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(form->chkPType, Qt::LeftButton);
    EXPECT_EQ(state(), portrait);
    QTest::mouseClick(form->chkPType, Qt::LeftButton);
    EXPECT_EQ(state(), landscape);
}

}  // namespace
