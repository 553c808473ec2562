// search_bench: times the lot search on a company file. One mode per process, so the peak
// memory a line reports belongs to that mode alone. bench/search.sh runs the modes and
// compares them; every measurement is one line of key=value pairs on standard output:
//   mode=go seconds=1.234 rows=200000 peak_mb=123.4
// The live mode runs go while a timer asks the list for a paint every 10 ms, and reports
// when the first 50 rows were listed (first-rows) and the longest time the list went without
// a paint (paint-gap); the repaints cost time of their own, so go is timed without them.
#include "app/event_hook.h"
#include "app/start_up.h"
#include "bench/bench_support.h"
#include "host/signon_profile.h"
#include "platform/database.h"
#include "search/lot_list_model.h"
#include "search/lot_query.h"
#include "tests/support/recording_ports.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

using qv::bench::report;
using qv::bench::secondsOf;

constexpr const char* kUsage =
    "usage: search_bench raw FILE      read every field of the unrestricted lot search\n"
    "       search_bench go FILE       Go on the window: the search into its lot list\n"
    "       search_bench live FILE     go, timing the first rows and the gaps between paints\n"
    "       search_bench sort FILE     go, then sort by two column header clicks\n"
    "       search_bench startup DIR   the window's start-up on the demo company in DIR\n"
    "                                  (XDG_DATA_HOME; the first run there creates it)\n";

const QString kCompany = QStringLiteral("BENCH");

// The baseline: the same statement through the same kind of connection, every field of
// every row read and nothing made of it.
int runRaw(const QString& file) {
    qint64 rows = 0;
    quint64 sink = 0;
    const double seconds = secondsOf([&] {
        const auto connection = qv::platform::Connection::open(
            qv::platform::connectionString(kCompany), qv::platform::DatabaseSetting::sqlite(file));
        qv::platform::Recordset records(*connection, qv::search::buildLotStatement({}));
        const int fields = records.fieldCount();
        for (; !records.eof(); records.moveNext(), ++rows) {
            for (int i = 0; i < fields; ++i) {
                const QVariant value = records.value(i);
                sink += value.isNull() ? 1u : quint64(value.typeId());
            }
        }
    });
    // Printed, so the reads cannot be optimised away.
    std::fprintf(stderr, "raw: checksum %llu\n", static_cast<unsigned long long>(sink));
    report("raw", seconds, rows);
    return 0;
}

// What the window told the user, questions apart.
QStringList messagesOf(const qv::tests::RecordingMessagePort& messages) {
    QStringList texts;
    for (const auto& message : messages.entries)
        if (!message.question)
            texts << message.text;
    return texts;
}

// The main window signed on to the company in file through a profile of its own, loaded
// and shown, as a user would see it before pressing Go.
class SignedOnWindow {
public:
    explicit SignedOnWindow(const QString& file) {
        if (!config_.isValid())
            throw std::runtime_error("cannot make a temporary folder");
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        qv::host::writeSignonProfile(qv::host::signonProfilePath(), kCompany, "sqlite:" + file,
                                     config_.path());
        window_ = qv::app::startMainWindow(messages_, clipboard_);
        if (!window_)
            throw std::runtime_error("start-up failed: " +
                                     messages_.texts().join(" / ").toStdString());
        goButton_ = window_->findChild<QPushButton*>(QStringLiteral("GoButton1"));
        list_ = window_->findChild<QTableView*>(QStringLiteral("ListView1"));
        lotList_ = list_ ? qobject_cast<qv::search::LotListModel*>(list_->model()) : nullptr;
        if (!goButton_ || !lotList_)
            throw std::runtime_error("the window has no Go button or lot list");
        window_->show();
        QCoreApplication::processEvents();
    }

    // Go without criteria (the question answered Yes): the search run and the one round of
    // events that lays the filled list out.
    double search() {
        const double seconds = secondsOf([this] {
            goButton_->click();
            QCoreApplication::processEvents();
        });
        if (!messagesOf(messages_).isEmpty())
            throw std::runtime_error("the search said: " +
                                     messagesOf(messages_).join(" / ").toStdString());
        return seconds;
    }

    // The same, watched from the window's thread: when the first 50 rows are listed, and the
    // longest time the list went without a paint while a timer asks it for one every 10 ms,
    // as a window dragged across it would.
    struct Live {
        double seconds = 0;
        double firstRows = -1;
        double longestPaintGap = 0;
    };
    Live watchedSearch() {
        Live live;
        QElapsedTimer clock;
        QWidget* rows = list_->viewport();
        qint64 lastPaint = 0;
        qv::app::EventHook::install(rows, QEvent::Paint, [&](QEvent*) {
            if (!clock.isValid())
                return;
            const qint64 now = clock.nsecsElapsed();
            live.longestPaintGap = std::max(live.longestPaintGap, double(now - lastPaint) / 1e9);
            lastPaint = now;
        });
        const QMetaObject::Connection listed =
            QObject::connect(lotList_, &QAbstractItemModel::rowsInserted, [&] {
                if (live.firstRows < 0 && lotList_->rowCount() >= 50)
                    live.firstRows = double(clock.nsecsElapsed()) / 1e9;
            });
        QTimer repaint;
        QObject::connect(&repaint, &QTimer::timeout, rows, qOverload<>(&QWidget::update));
        repaint.start(10);
        clock.start();
        live.seconds = search();
        QObject::disconnect(listed);
        clock.invalidate();
        return live;
    }
    qint64 rows() const { return lotList_->rowCount(); }
    qv::search::LotListModel& lotList() { return *lotList_; }

private:
    QTemporaryDir config_;
    qv::tests::RecordingMessagePort messages_;
    qv::tests::RecordingClipboardPort clipboard_;
    std::unique_ptr<QMainWindow> window_;  // after the ports it holds: it goes first
    QPushButton* goButton_ = nullptr;
    QTableView* list_ = nullptr;
    qv::search::LotListModel* lotList_ = nullptr;
};

int runGo(const QString& file) {
    SignedOnWindow window(file);
    const double seconds = window.search();
    report("go", seconds, window.rows());
    return 0;
}

int runLive(const QString& file) {
    SignedOnWindow window(file);
    const SignedOnWindow::Live live = window.watchedSearch();
    report("live", live.seconds, window.rows());
    report("first-rows", live.firstRows, 50);
    report("paint-gap", live.longestPaintGap, window.rows());
    return 0;
}

int runSort(const QString& file) {
    SignedOnWindow window(file);
    window.search();
    // "Location" sorts by lot number: nearly every text distinct, the costly case.
    const struct {
        const char* mode;
        int column;
    } clicks[] = {{"sort-location", 1}, {"sort-item", 2}};
    for (const auto& click : clicks) {
        const double seconds = secondsOf([&] {
            window.lotList().sortByHeaderClick(click.column);
            QCoreApplication::processEvents();
        });
        report(click.mode, seconds, window.rows());
    }
    return 0;
}

int runStartup(const QString& dataHome) {
    QTemporaryDir config;  // empty: no sign-on profile, so the demo company is used
    if (!config.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    qv::tests::RecordingMessagePort messages;
    qv::tests::RecordingClipboardPort clipboard;
    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<QMainWindow> window = qv::app::startMainWindow(messages, clipboard);
    const double loadSeconds = double(timer.nsecsElapsed()) / 1e9;
    if (!window)
        throw std::runtime_error("start-up failed: " + messages.texts().join(" / ").toStdString());
    // What the user waits for: the first frame of the window as well.
    window->show();
    QCoreApplication::processEvents();
    const double shownSeconds = double(timer.nsecsElapsed()) / 1e9;
    report("startup", loadSeconds, 0);
    report("startup-shown", shownSeconds, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return qv::bench::runMode(argc, argv, kUsage,
                              {{"raw", runRaw, false},
                               {"go", runGo},
                               {"live", runLive},
                               {"sort", runSort},
                               {"startup", runStartup}});
}
