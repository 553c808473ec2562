// soak_bench: the window, offscreen, on the demo company, through a long run of random
// searches, drill-downs, finder openings and order lookups, as a user would make them; run
// by bench/soak.sh. It prints its memory after the warm-up and at the end with what it did,
// and every message the window gave that a healthy run does not give, on standard error
// after "soak failure: ":
//   mode=soak-start operations=200 rss_mb=80.1 peak_mb=85.3
//   mode=soak-end operations=2000 rss_mb=81.0 peak_mb=86.0 searches=700 rows=91234
//       drilldowns=600 finders=400 orders=300 failures=0
#include "app/start_up.h"
#include "bench/bench_support.h"
#include "host/field_edit_control.h"
#include "search/lot_list_model.h"
#include "search/lot_row.h"
#include "tests/support/recording_ports.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using qv::host::FieldEditControl;

constexpr const char* kUsage =
    "usage: soak_bench soak N   N random operations on the window over the demo company in\n"
    "                           $XDG_DATA_HOME (the first run there creates it)\n";

constexpr int kWarmUp = 200;

// The resident memory now, in MB as peakMegabytes() counts them.
double residentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() < 2 ? -1 : pages[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

class Soak {
public:
    Soak() {
        window_ = qv::app::startMainWindow(messages_, clipboard_);
        if (!window_)
            throw std::runtime_error("start-up failed: " +
                                     messages_.texts().join(" / ").toStdString());
        // Each criterion with the list column its values come from.
        const std::pair<const char*, int> fields[] = {{"feditLocation2", 1},
                                                      {"feditItemNum2", 2},
                                                      {"feditLotNum2", 3},
                                                      {"feditProdCode2", 8},
                                                      {"feditBCustomer2", 9}};
        for (const auto& [name, column] : fields)
            fields_.push_back({child<FieldEditControl>(name), column});
        const std::pair<const char*, int> combos[] = {
            {"feditGrade2", 7}, {"cboPalletStatus", 16}, {"cboCategory", 13}};
        for (const auto& [name, column] : combos)
            combos_.push_back({child<QComboBox>(name), column});
        order_ = child<FieldEditControl>("feditOrder");
        clearAll_ = child<FieldEditControl>("feditClearCount");
        go_ = child<QPushButton>("GoButton1");
        list_ = child<QTableView>("ListView1");
        lots_ = qobject_cast<qv::search::LotListModel*>(list_->model());
        window_->show();
        QCoreApplication::processEvents();
        // Every lot, once: the values later searches pick from.
        go_->click();
        for (int row = 0; row < lots_->rowCount(); ++row) {
            for (int column = 0; column < qv::search::kLotColumnCount; ++column)
                listed_[std::size_t(column)].push_back(lots_->cellText(row, column).trimmed());
        }
        messages_.entries.clear();
    }

    void step() {
        const int dice = pick(0, 99);
        if (dice < 35)
            search();
        else if (dice < 65)
            drillDown();
        else if (dice < 85)
            find(fields_[std::size_t(pick(0, int(fields_.size()) - 1))].first);
        else
            lookUpOrder();
        QCoreApplication::processEvents();
        // What a healthy run may say: a search that found nothing.
        for (const auto& message : messages_.entries) {
            if (!message.question && !message.text.contains("Nothing Available")) {
                ++failures_;
                std::fprintf(stderr, "soak failure: %s\n", message.text.toLocal8Bit().constData());
            }
        }
        messages_.entries.clear();
    }
    // What the run did so far, as key=value pairs.
    std::string done() const {
        return "searches=" + std::to_string(searches_) + " rows=" + std::to_string(rows_) +
               " drilldowns=" + std::to_string(drillDowns_) +
               " finders=" + std::to_string(finders_) + " orders=" + std::to_string(orders_) +
               " failures=" + std::to_string(failures_);
    }

private:
    template <typename Widget>
    Widget* child(const char* name) {
        auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            throw std::runtime_error(std::string("the window has no ") + name);
        return widget;
    }
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    // Part of a value listed in column: what a user types, sometimes all of it.
    QString typed(int column) {
        const std::vector<QString>& values = listed_[std::size_t(column)];
        const QString value =
            values.empty() ? QString() : values[std::size_t(pick(0, int(values.size()) - 1))];
        return pick(0, 1) == 0 ? value : value.left(pick(1, 3));
    }

    // One or two criteria, after Clear All now and then.
    void search() {
        if (pick(0, 3) == 0)
            clearAll_->pressButton(FieldEditControl::kClearButton);
        for (int i = pick(1, 2); i > 0; --i) {
            const auto which = std::size_t(pick(0, int(fields_.size() + combos_.size()) - 1));
            if (which < fields_.size()) {
                const auto [field, column] = fields_[which];
                field->setValue(typed(column));
            } else {
                const auto [combo, column] = combos_[which - fields_.size()];
                combo->setEditText(typed(column));
            }
        }
        go_->click();
        ++searches_;
        rows_ += lots_->rowCount();
    }

    // A double-click on a cell of a listed lot.
    void drillDown() {
        if (lots_->rowCount() == 0)
            return search();
        const QModelIndex cell =
            lots_->index(pick(0, lots_->rowCount() - 1), pick(1, lots_->columnCount() - 1));
        list_->scrollTo(cell);
        const QPoint point = list_->visualRect(cell).center();
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, point);
        ++drillDowns_;
    }

    // Opens a field's finder, types into its search box, then chooses or cancels.
    void find(FieldEditControl* field) {
        // The finders search every column they show: any listed value will do.
        const QString search = pick(0, 2) == 0 ? typed(pick(1, 3)) : QString();
        const bool choose = pick(0, 1) == 0;
        QTimer::singleShot(0, [this, search, choose] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ++finders_;
            dialog->findChild<QLineEdit*>(QStringLiteral("finderSearch"))->setText(search);
            QTest::keyClick(dialog->focusWidget(), choose ? Qt::Key_Return : Qt::Key_Escape);
            if (dialog->isVisible())
                dialog->reject();
        });
        field->pressButton(FieldEditControl::kFinderButton);
    }

    // The order finder (a chosen order widens the window with its header and lines), or
    // the order cleared.
    void lookUpOrder() {
        if (pick(0, 3) == 0)
            return void(order_->pressButton(FieldEditControl::kClearButton));
        order_->setValue(pick(0, 1) == 0 ? QString() : QString::number(pick(0, 9)));
        find(order_);
        ++orders_;
    }

    qv::tests::RecordingMessagePort messages_;  // answers Yes to searching everything
    qv::tests::RecordingClipboardPort clipboard_;
    std::unique_ptr<QMainWindow> window_;  // after the ports it holds: it goes first
    std::vector<std::pair<FieldEditControl*, int>> fields_;
    std::vector<std::pair<QComboBox*, int>> combos_;
    FieldEditControl* order_ = nullptr;
    FieldEditControl* clearAll_ = nullptr;
    QPushButton* go_ = nullptr;
    QTableView* list_ = nullptr;
    qv::search::LotListModel* lots_ = nullptr;
    std::mt19937 random_{20261207};
    std::array<std::vector<QString>, qv::search::kLotColumnCount> listed_;
    long long rows_ = 0;
    int searches_ = 0, drillDowns_ = 0, finders_ = 0, orders_ = 0, failures_ = 0;
};

void reportMemory(const char* mode, int operations) {
    std::printf("mode=%s operations=%d rss_mb=%.1f peak_mb=%.1f", mode, operations,
                residentMegabytes(), qv::bench::peakMegabytes());
}

int runSoak(const QString& count) {
    bool ok = false;
    const int operations = count.toInt(&ok);
    if (!ok || operations <= kWarmUp)
        throw std::runtime_error("the number of operations must exceed the warm-up of " +
                                 std::to_string(kWarmUp));
    QTemporaryDir config;  // empty: no sign-on profile, so the demo company is used
    if (!config.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    Soak soak;
    for (int i = 1; i <= operations; ++i) {
        soak.step();
        if (i == kWarmUp) {
            reportMemory("soak-start", i);
            std::printf("\n");
            std::fflush(stdout);
        }
    }
    reportMemory("soak-end", operations);
    std::printf(" %s\n", soak.done().c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return qv::bench::runMode(argc, argv, kUsage, {{"soak", runSoak}});
}
