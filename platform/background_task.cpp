#include "platform/background_task.h"

#include <QEventLoop>
#include <QMetaObject>

#include <exception>
#include <thread>

namespace qv::platform {

void runInBackground(const std::function<void()>& task) {
    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            task();
        } catch (...) {
            failure = std::current_exception();
        }
        // Queued: the quit waits in the loop's queue even if the loop has not started yet.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace qv::platform
