// Faults while the window is open, offscreen: the company file removed, damaged or locked
// by another process under the drill-down, the finders, the order lookup, the item
// description and the printout; a workbook that cannot be written or shown; a missing logo.
// Each is reported by name with the pointer and status put back, writes nothing to the
// company file, and the same command works again once the fault is gone.
#include "app/main_menu.h"
#include "app/order_panel.h"
#include "app/report_commands.h"
#include "host/field_edit_control.h"
#include "host/go_button.h"
#include "report/printout.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"
#include "tests/support/lock_holder.h"
#include "tests/support/recording_spreadsheet_app.h"
#include "tests/support/workbook_reader.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDialog>
#include <QGuiApplication>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

namespace qv::app {
namespace {

class FaultTest : public tests::SignedOnWindowTest {
protected:
    void SetUp() override {
        company.addItem("A100", "Peas", "KG", "B");
        company.addLocation("WH1", "Main store");
        company.addLot("L01", "A100", "WH1", 12);
        ASSERT_NO_FATAL_FAILURE(signOn());
        form->findChild<ReportCommands*>()->setSpreadsheetApp(spreadsheet);
        form->show();
        form->feditLocation2->setValue("WH1");
        form->GoButton1->click();
        ASSERT_EQ(form->lotList->rowCount(), 1);
        messages.entries.clear();
    }

    // Runs a command, closing any finder it opens; returns the messages it gave.
    QStringList run(const std::function<void()>& command) {
        messages.entries.clear();
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        command();
        return messages.texts();
    }

    tests::RecordingSpreadsheetApp spreadsheet;
};

TEST_F(FaultTest, CompanyFileFaultsAreNamedAndPassWithTheFault) {
    const QString file = company.path();
    const QByteArray original = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const auto restore = [&] {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(original) == original.size());
    };
    std::optional<tests::LockHolder> lock;
    const struct {
        const char* fault;
        std::function<void()> make;
        std::function<void()> undo;
        QString named;
    } faults[] = {
        {"removed", [&] { QFile::remove(file); }, restore, "does not exist"},
        {"damaged",
         [&] {
             QFile f(file);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.write(QByteArray(100, 'x')) == 100);
         },
         restore, "not a database"},
        {"locked", [&] { lock.emplace(file); }, [&] { lock.reset(); }, "database is locked"},
    };
    const QPoint locationCell = form->ListView1->visualRect(form->lotList->index(0, 1)).center();
    const struct {
        QString what;
        std::function<void()> command;
    } commands[] = {
        {"Drilling down",
         [&] {
             QTest::mouseClick(form->ListView1->viewport(), Qt::LeftButton, {}, locationCell);
             QTest::mouseDClick(form->ListView1->viewport(), Qt::LeftButton, {}, locationCell);
         }},
        {"Finding",
         [&] { form->feditLocation2->pressButton(host::FieldEditControl::kFinderButton); }},
        {"Sales order",
         [&] { form->orderPanel->feditOrder->pressButton(host::FieldEditControl::kFinderButton); }},
        {"Showing the item description",
         [&] { form->feditItemNum2->setValue(form->feditItemNum2->value() + "0"); }},
        {"Excel Printout", [&] { form->cmdPrint2->click(); }},
    };
    for (const auto& f : faults) {
        if (QString(f.fault) == "locked" && !tests::LockHolder::available())
            continue;
        for (const auto& c : commands) {
            SCOPED_TRACE(std::string(f.fault) + " / " + c.what.toStdString());
            form->lblStatus->setText("before");
            f.make();
            const QByteArray faulty = company.checksum();
            // A second into a lock's wait, the window answers or shows the hourglass.
            std::atomic<bool> answered = false;
            bool answeredOrBusy = true;
            std::thread watcher;
            if (lock)
                watcher = std::thread([&] {
                    std::this_thread::sleep_for(std::chrono::seconds(1));
                    QMetaObject::invokeMethod(
                        form.get(), [&] { answered = true; }, Qt::QueuedConnection);
                    std::this_thread::sleep_for(std::chrono::milliseconds(300));
                    answeredOrBusy = answered || QGuiApplication::overrideCursor();
                });
            const QStringList said = run(c.command);
            if (watcher.joinable())
                watcher.join();
            QCoreApplication::processEvents();
            EXPECT_TRUE(answeredOrBusy) << "frozen without the hourglass";
            ASSERT_EQ(said.size(), 1) << said.join('|').toStdString();
            EXPECT_TRUE(said[0].startsWith(c.what + ": ") && said[0].contains(f.named))
                << said[0].toStdString();
            EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
            EXPECT_EQ(form->lblStatus->text(), "");
            EXPECT_EQ(company.checksum(), faulty) << "written to";
            f.undo();
            EXPECT_EQ(run(c.command), QStringList{});
        }
    }
    EXPECT_EQ(company.checksum(), QCryptographicHash::hash(original, QCryptographicHash::Sha256));
}

TEST_F(FaultTest, OtherFaultsAreNamedAndPassWithTheFault) {
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME") + "/quorvan";
    const QString logo = company.folder() + "/BMP/brisvale.bmp";
    const auto excel = [&] { form->cmdPrint2->click(); };
    const auto drillDown = [&] {
        const QPoint cell = form->ListView1->visualRect(form->lotList->index(0, 1)).center();
        QTest::mouseClick(form->ListView1->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(form->ListView1->viewport(), Qt::LeftButton, {}, cell);
    };
    const QString clipboardRefused = "Could not open the Clipboard. Copy aborted.";
    const struct {
        QString fault;
        std::function<void()> make, undo, command;
        QString said;  // the message begins so; none when empty
    } faults[] = {
        {"cache folder not writable",
         [&] {
             QDir(cache).removeRecursively();
             QDir().mkpath(qEnvironmentVariable("XDG_CACHE_HOME"));
             QFile blocker(cache);
             ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
         },
         [&] { QFile::remove(cache); }, excel, "Excel Printout: Cannot make the folder " + cache},
        {"spreadsheet application missing", [&] { spreadsheet.canShow = false; },
         [&] { spreadsheet.canShow = true; }, excel, QString::fromUtf16(report::kNoSpreadsheetApp)},
        {"spreadsheet application failing", [&] { spreadsheet.showFails = true; },
         [&] { spreadsheet.showFails = false; }, excel, "Excel Printout: no window for "},
        {"print command failing", [&] { spreadsheet.printFails = true; },
         [&] { spreadsheet.printFails = false; },
         [&] { form->mainMenu->mnuPickingSlip->trigger(); }, "Picking Slip: no printer for "},
        {"a record failing half-way through the printout",
         [&] { company.addLot("L02", "A100", "WH1", 1, 1, 0); },
         [&] { company.exec("DELETE FROM ICXLOT WHERE LOTNUM = 'L02'"); }, excel,
         "Excel Printout: Conversion failed when converting date and/or time"},
        {"clipboard refusing the search's statement", [&] { clipboard.openFails = true; },
         [&] { clipboard.openFails = false; }, [&] { form->GoButton1->click(); }, clipboardRefused},
        {"clipboard refusing a drilled-down value", [&] { clipboard.openFails = true; },
         [&] { clipboard.openFails = false; }, drillDown, clipboardRefused},
        {"logo missing", [&] { QFile::rename(logo, logo + ".away"); },
         [&] { QFile::rename(logo + ".away", logo); }, excel, ""},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.fault.toStdString());
        form->lblStatus->setText("before");
        f.make();
        const QStringList said = run(f.command);
        if (f.said.isEmpty()) {
            EXPECT_EQ(said, QStringList{});
        } else {
            ASSERT_EQ(said.size(), 1) << said.join('|').toStdString();
            EXPECT_TRUE(said[0].startsWith(f.said)) << said[0].toStdString();
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        f.undo();
        EXPECT_EQ(run(f.command), QStringList{});
    }
    // The printout without its logo was shown all the same.
    ASSERT_GE(spreadsheet.shown.size(), 2);
    EXPECT_EQ(tests::readWorkbook(spreadsheet.shown[spreadsheet.shown.size() - 2])["images"]
                  .toArray()
                  .size(),
              0);
}

}  // namespace
}  // namespace qv::app
