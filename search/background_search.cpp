#include "search/background_search.h"

#include <QElapsedTimer>

namespace qv::search {

namespace {

// A first small batch, a screenful, so the list shows rows at once; then up to kBatchRows
// rows or kBatchMs of reading, whichever comes first, and at most kQueuedBatches read but not
// yet taken.
constexpr int kFirstRows = 100;
constexpr int kBatchRows = 2048;
constexpr int kBatchMs = 50;
constexpr std::size_t kQueuedBatches = 4;

}  // namespace

// Collects the rows on the worker and hands them over in batches.
class BackgroundLotSearch::BatchSink final : public LotRowSink {
public:
    explicit BatchSink(BackgroundLotSearch& search) : search_(search) {}

    void startRows() override { sinceFlush_.start(); }
    void addRow(LotRow row) override {
        batch_.add(row);
        if (batch_.size() >= (flushed_ ? kBatchRows : kFirstRows) ||
            sinceFlush_.elapsed() >= kBatchMs)
            flush();
    }
    void endRows() override { flush(); }

private:
    void flush() {
        if (batch_.empty())
            return;
        flushed_ = true;
        search_.push(std::exchange(batch_, {}));
        sinceFlush_.restart();
    }

    BackgroundLotSearch& search_;
    LotRowBatch batch_;
    QElapsedTimer sinceFlush_;
    bool flushed_ = false;
};

BackgroundLotSearch::BackgroundLotSearch(QString connectionString,
                                         platform::DatabaseSetting setting, QString statement)
    : connectionString_(std::move(connectionString)),
      setting_(std::move(setting)),
      statement_(std::move(statement)) {}

BackgroundLotSearch::~BackgroundLotSearch() {
    stop();
    wait();
}

void BackgroundLotSearch::start() {
    worker_ = std::thread([this, token = stop_.get_token()] { run(token); });
}

void BackgroundLotSearch::stop() {
    stop_.request_stop();
    const std::lock_guard lock(mutex_);
    if (connection_ != nullptr)
        connection_->interrupt();
}

void BackgroundLotSearch::wait() {
    if (worker_.joinable())
        worker_.join();
}

void LotRowBatch::add(const LotRow& row) {
    for (const QString& cell : row.cells) {
        chars_.insert(chars_.end(), cell.utf16(), cell.utf16() + cell.size());
        ends_.push_back(std::uint32_t(chars_.size()));
    }
}

std::array<QStringView, kLotColumnCount> LotRowBatch::row(int index) const {
    std::array<QStringView, kLotColumnCount> cells;
    std::size_t cell = std::size_t(index) * kLotColumnCount;
    std::uint32_t begin = cell == 0 ? 0 : ends_[cell - 1];
    for (QStringView& view : cells) {
        view = QStringView(chars_.data() + begin, ends_[cell] - begin);
        begin = ends_[cell++];
    }
    return cells;
}

LotRowBatch BackgroundLotSearch::takeBatch() {
    LotRowBatch batch;
    {
        const std::lock_guard lock(mutex_);
        if (batches_.empty())
            return batch;
        batch = std::move(batches_.front());
        batches_.pop_front();
    }
    taken_.notify_all();
    return batch;
}

LotSearchResult BackgroundLotSearch::result() const {
    const std::lock_guard lock(mutex_);
    if (failure_)
        std::rethrow_exception(failure_);
    return result_;
}

bool BackgroundLotSearch::push(LotRowBatch batch) {
    std::unique_lock lock(mutex_);
    const auto room = [this] { return batches_.size() < kQueuedBatches; };
    if (!taken_.wait(lock, stop_.get_token(), room))
        return false;
    batches_.push_back(std::move(batch));
    lock.unlock();
    emit batchReady();
    return true;
}

void BackgroundLotSearch::run(std::stop_token stop) {
    LotSearchResult result;
    std::exception_ptr failure;
    try {
        const auto connection = platform::Connection::open(connectionString_, setting_);
        connection->setLockWaitHook([this] { emit waitingForLock(); });
        {
            const std::lock_guard lock(mutex_);
            connection_ = connection.get();
            if (stop.stop_requested())
                connection->interrupt();
        }
        emit opened();
        BatchSink sink(*this);
        try {
            result = runLotSearch(*connection, statement_, sink, stop);
        } catch (...) {
            failure = std::current_exception();
        }
        const std::lock_guard lock(mutex_);
        connection_ = nullptr;
    } catch (...) {
        failure = std::current_exception();
    }
    {
        const std::lock_guard lock(mutex_);
        // A statement interrupted by the stop fails; the user asked for that.
        if (failure && stop.stop_requested()) {
            failure = nullptr;
            result.stopped = true;
        }
        result_ = result;
        failure_ = failure;
    }
    emit finished();
}

}  // namespace qv::search
