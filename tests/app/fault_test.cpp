// Faults while the window is open, offscreen: the company file removed, damaged or locked
// under each command that reads it; the cache, clipboard and logo. Each is reported by name
// with the pointer put back, writes nothing, and the command works again once it is gone.
// The spreadsheet application's own failures are the printout commands' tests.
#include "app/order_panel.h"
#include "app/report_commands.h"
#include "host/go_button.h"
#include "search/lot_list_model.h"
#include "tests/app/signed_on_window.h"
#include "tests/support/lock_holder.h"
#include "tests/support/recording_spreadsheet_app.h"
#include "tests/support/workbook_reader.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QPushButton>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

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

// Each fault under each command it concerns: one message, "<command>: " and what the fault
// says (none for a missing logo), the pointer put back, nothing written, and the command works
// again once the fault is gone.
TEST_F(FaultTest, FaultsAreNamedAndPassWithTheFault) {
    const QString file = company.path();
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME") + "/quorvan";
    const QString logo = company.folder() + "/BMP/brisvale.bmp";
    const QByteArray original = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const auto write = [&](QIODevice::OpenMode mode, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(mode) && f.write(bytes) == bytes.size());
    };
    const auto restore = [&] { write(QIODevice::WriteOnly, original); };
    std::optional<tests::LockHolder> lock;
    struct Command {
        QString what;  // the message's start; the clipboard's refusal has none
        std::function<void()> run;
    };
    const auto drillDown = [&] {
        tests::doubleClick(form->ListView1,
                           form->ListView1->visualRect(form->lotList->index(0, 1)).center());
    };
    const Command excel{"Excel Printout", [&] { form->cmdPrint2->click(); }};
    const std::vector<Command> companyReaders = {
        {"Drilling down", drillDown},
        {"Finding",
         [&] { form->feditLocation2->pressButton(host::FieldEditControl::kFinderButton); }},
        {"Sales order",
         [&] { form->orderPanel->feditOrder->pressButton(host::FieldEditControl::kFinderButton); }},
        {"Showing the item description",
         [&] { form->feditItemNum2->setValue(form->feditItemNum2->value() + "0"); }},
        excel,
    };
    const struct {
        QString fault;
        std::function<void()> make, undo;
        QString said;
        std::vector<Command> commands;
    } faults[] = {
        {"cache folder not writable",
         [&] {
             QDir(cache).removeRecursively();
             QDir().mkpath(qEnvironmentVariable("XDG_CACHE_HOME"));
             QFile blocker(cache);
             ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
         },
         [&] { QFile::remove(cache); },
         "Cannot make the folder " + cache,
         {excel}},
        {"a record failing half-way through the printout",
         [&] { company.addLot("L02", "A100", "WH1", 1, 1, 0); },
         [&] { company.exec("DELETE FROM ICXLOT WHERE LOTNUM = 'L02'"); },
         "Conversion failed when converting date and/or time",
         {excel}},
        {"clipboard refusing",
         [&] { clipboard.openFails = true; },
         [&] { clipboard.openFails = false; },
         "Could not open the Clipboard. Copy aborted.",
         {{"", [&] { form->GoButton1->click(); }}, {"", drillDown}}},
        // Last but the logo: these leave the test company's own handle on a file gone.
        {"removed", [&] { QFile::remove(file); }, restore, "does not exist", companyReaders},
        {"damaged", [&] { write(QIODevice::ReadWrite, QByteArray(100, 'x')); }, restore,
         "not a database", companyReaders},
        {"locked", [&] { lock.emplace(file); }, [&] { lock.reset(); }, "database is locked",
         tests::LockHolder::available() ? companyReaders : std::vector<Command>{}},
        {"logo missing",
         [&] { QFile::rename(logo, logo + ".away"); },
         [&] { QFile::rename(logo + ".away", logo); },
         "",
         {excel}},
    };
    for (const auto& f : faults) {
        for (const Command& c : f.commands) {
            SCOPED_TRACE((f.fault + " / " + c.what).toStdString());
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
            const QStringList said = run(c.run);
            if (watcher.joinable())
                watcher.join();
            QCoreApplication::processEvents();
            EXPECT_TRUE(answeredOrBusy) << "frozen without the hourglass";
            const QString prefix = c.what.isEmpty() ? QString() : c.what + ": ";
            EXPECT_EQ(said.size(), f.said.isEmpty() ? 0 : 1) << said.join('|').toStdString();
            for (const QString& text : said) {
                EXPECT_TRUE(text.startsWith(prefix) && text.contains(f.said)) << text.toStdString();
                if (!prefix.isEmpty()) {
                    EXPECT_EQ(form->lblStatus->text(), "");  // not Ready, nor what it was
                }
            }
            EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
            EXPECT_EQ(company.checksum(), faulty) << "written to";
            f.undo();
            EXPECT_EQ(run(c.run), QStringList{});
        }
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
