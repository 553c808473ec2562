// The spreadsheet printout on the real window, offscreen, against a small company: the Excel
// command, Picking Slip and Ctrl+P, the print orientation, and their failures. The workbook's
// layout and the printout's texts are the report's own tests.
#include "app/report_commands.h"
#include "app/main_menu.h"
#include "host/go_button.h"
#include "report/printout.h"
#include "tests/app/signed_on_window.h"
#include "tests/support/recording_spreadsheet_app.h"
#include "tests/support/workbook_reader.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QJsonArray>
#include <QPlainTextEdit>
#include <QPushButton>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace qv::report;

QString text(const char16_t* t) {
    return QString::fromUtf16(t);
}

class ReportCommandsTest : public qv::tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        company.addItem("PEAS", "Green peas", "KG", "B");
        company.addItem("SACK", "Sacks", "EA", "C");
        company.addLot("L01", "PEAS", "WH1", 12.5);
        company.addLot("L02", "PEAS", "WH2", 3, 1, 20240101, 20251231, 1);
        company.addLot("L03", "SACK", "WH1", 40);
        ASSERT_NO_FATAL_FAILURE(signOn());
        commands = form->findChild<qv::app::ReportCommands*>();
        ASSERT_NE(commands, nullptr);
        commands->setSpreadsheetApp(app);
        commands->setClock([] { return QDateTime(QDate(2026, 12, 5), QTime(8, 30, 0)); });
        search("WH");
    }
    void TearDown() override {
        form.reset();  // before the spreadsheet application it was given
        SignedOnWindowTest::TearDown();
    }

    void search(const QString& location) {
        form->feditLocation2->setValue(location);
        form->GoButton1->click();
        messages.entries.clear();
    }
    QString status() const { return form->lblStatus->text(); }

    qv::tests::RecordingSpreadsheetApp app;
    qv::app::ReportCommands* commands = nullptr;
};

TEST_F(ReportCommandsTest, ExcelShowsTheReportOfTheLastSearchWithTheWindowsChoicesWhichAgree) {
    form->cmdPrint2->click();
    EXPECT_EQ(messages.texts(), QStringList());
    ASSERT_EQ(app.shown.size(), 1);
    EXPECT_TRUE(app.printed.isEmpty());
    EXPECT_EQ(status(), text(kPrintoutReady));
    // The font size, the date, the rows of the search and the company's logo.
    const QJsonObject book = qv::tests::readWorkbook(app.shown[0]);
    EXPECT_EQ(book["fonts"].toArray(), QJsonArray({"Segoe UI 14.0"}));
    EXPECT_EQ(book["cells"]["D1"]["value"], "2026-12-05");
    EXPECT_EQ(book["print_area"], "$A$1:$V$8");
    EXPECT_EQ(book["images"].toArray().size(), 1);

    // The check box and the menus agree whichever is used; a second choice of the same item
    // keeps it. Which marks each orientation gives is the printout's own test.
    const auto marks = [&] {
        return form->chkPType->text() + ' ' + QString::number(form->chkPType->isChecked()) +
               QString::number(form->mainMenu->mnuPortrait->isChecked()) +
               QString::number(form->mainMenu->mnuLandscape->isChecked());
    };
    form->mainMenu->mnu10point->trigger();
    form->mainMenu->mnuPortrait->trigger();
    form->mainMenu->mnuPortrait->trigger();
    EXPECT_EQ(marks(), "Portrait 110");
    form->cmdPrint2->click();
    ASSERT_EQ(app.shown.size(), 2);
    const QJsonObject portrait = qv::tests::readWorkbook(app.shown[1]);
    EXPECT_EQ(portrait["fonts"].toArray(), QJsonArray({"Segoe UI 10.0"}));
    EXPECT_EQ(portrait["orientation"], "portrait");
    ASSERT_NO_FATAL_FAILURE(showWindow());
    QTest::mouseClick(form->chkPType, Qt::LeftButton);
    EXPECT_EQ(marks(), "Landscape 001");
}

TEST_F(ReportCommandsTest, PrintoutsThatEndEarlySayWhyAndAreNotReady) {
    search("ZZ");  // a search that found nothing leaves its statement for the printout
    const std::tuple<QString, bool, const char16_t*> cases[] = {
        {"SELECT 1 ", true, kNothingToPrint},  // too short to be a search
        {"SELECT 1 FROM ICXLOT", false, kNoSpreadsheetApp},
        {form->txtSQLQuery->toPlainText(), true, kNoRecordsFound},
    };
    for (const auto& [query, canShow, message] : cases) {
        messages.entries.clear();
        form->lblStatus->setText("before");
        form->txtSQLQuery->setPlainText(query);
        app.canShow = canShow;
        form->cmdPrint2->click();
        EXPECT_EQ(messages.texts(), QStringList{text(message)});
        EXPECT_EQ(status(), "before");
    }
    EXPECT_TRUE(app.shown.isEmpty());
}

TEST_F(ReportCommandsTest, PickingSlipPrintsOnceThenExcelShowsAgain) {
    ASSERT_NO_FATAL_FAILURE(showWindow());
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(messages.texts(), QStringList());
    ASSERT_EQ(app.printed.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(app.printed[0])) << "a printed workbook is not kept";
    EXPECT_EQ(status(), text(kPrintoutReady));
    form->cmdPrint2->click();
    EXPECT_EQ(app.printed.size(), 1);
    EXPECT_EQ(app.shown.size(), 1);
    // Without a print path the picking slip does not start; showing does not stand in.
    app.canPrint = false;
    form->mainMenu->mnuPickingSlip->trigger();
    EXPECT_EQ(messages.texts(), QStringList({text(kNoSpreadsheetApp)}));
    EXPECT_EQ(app.printed.size() + app.shown.size(), 2);
}

TEST_F(ReportCommandsTest, FailuresToShowOrPrintAreReportedNotReady) {
    app.showFails = true;
    form->cmdPrint2->click();
    EXPECT_EQ(messages.texts(), QStringList({"Excel Printout: no window for " + app.shown[0]}));
    EXPECT_EQ(status(), "");

    messages.entries.clear();
    app.printFails = true;
    form->mainMenu->mnuPickingSlip->trigger();
    EXPECT_EQ(messages.texts(), QStringList({"Picking Slip: no printer for " + app.printed[0]}));
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(QFileInfo::exists(app.printed[0])) << "the workbook stays for the user";
    EXPECT_FALSE(commands->PickingSlipMode) << "a failed picking slip has ended too";
}

TEST_F(ReportCommandsTest, WindowWorksDuringAPrintoutAndRefusesASecondOne) {
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
    // The first events the window handles come while the printout reads the database.
    QTimer::singleShot(0, form.get(), [&] { form->cmdQuit->click(); });
    form->cmdPrint2->click();
    EXPECT_EQ(form->HostSession, nullptr);
    EXPECT_EQ(messages.texts(), QStringList());
    ASSERT_EQ(app.shown.size(), 1);
    EXPECT_EQ(qv::tests::readWorkbook(app.shown[0])["images"].toArray().size(), 1);
}

}  // namespace
