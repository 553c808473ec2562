#pragma once
// A lot search run on a thread of its own with a connection of its own, so the thread that
// starts it stays free to paint, to list rows as they come and to take a stop. Rows come
// back in batches through that thread's event loop, in the order the statement returns
// them; the worker never runs more than a few batches ahead of their lister.

#include "platform/database.h"
#include "search/search_run.h"

#include <QObject>
#include <QString>
#include <QStringView>

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace qv::search {

// Rows with their cells' texts end to end in one buffer: a batch crosses to the other
// thread as two blocks, not as a string per cell.
class LotRowBatch {
public:
    void add(const LotRow& row);
    int size() const { return int(ends_.size() / kLotColumnCount); }
    bool empty() const { return ends_.empty(); }
    std::array<QStringView, kLotColumnCount> row(int index) const;

private:
    std::vector<char16_t> chars_;
    std::vector<std::uint32_t> ends_;  // cell i is chars_[ends_[i - 1], ends_[i])
};

class BackgroundLotSearch : public QObject {
    Q_OBJECT
public:
    BackgroundLotSearch(QString connectionString, platform::DatabaseSetting setting,
                        QString statement);
    // Stops the run and waits for its thread.
    ~BackgroundLotSearch() override;
    BackgroundLotSearch(const BackgroundLotSearch&) = delete;
    BackgroundLotSearch& operator=(const BackgroundLotSearch&) = delete;

    void start();
    // The run ends before the next row; a statement that waits for a lock or is still
    // running gives up. The rows read before stay to be taken.
    void stop();
    const QString& statement() const { return statement_; }

    // The oldest batch not yet taken; empty when there is none.
    LotRowBatch takeBatch();
    // Waits for the worker to end; takeBatch then gives every row it read.
    void wait();
    // Once finished (or waited for): the run's result, or what it threw. A failure caused by
    // the stop is no failure: the result then says stopped.
    LotSearchResult result() const;

signals:
    // The connection is open; the statement runs now.
    void opened();
    // The statement waits for a lock another program holds.
    void waitingForLock();
    // A batch is ready to be taken.
    void batchReady();
    // The run is over: every batch has been announced.
    void finished();

private:
    class BatchSink;
    void run(std::stop_token stop);
    // Hands a batch over, waiting while the lister is behind; false once stopped.
    bool push(LotRowBatch batch);

    const QString connectionString_;
    const platform::DatabaseSetting setting_;
    const QString statement_;

    std::stop_source stop_;
    mutable std::mutex mutex_;
    std::condition_variable_any taken_;
    std::deque<LotRowBatch> batches_;
    platform::Connection* connection_ = nullptr;  // while the worker has one open
    LotSearchResult result_;
    std::exception_ptr failure_;
    std::thread worker_;
};

}  // namespace qv::search
