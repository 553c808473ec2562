#pragma once
// Runs a call on a thread with a small stack (256 KB) and waits for it, passing on what it
// throws: a recursion as deep as its input is long fails there, whatever the main thread's
// stack would have allowed.
#include <QThread>

#include <exception>
#include <functional>
#include <memory>

namespace qv::tests {

inline void runOnSmallStack(const std::function<void()>& call) {
    std::exception_ptr thrown;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            call();
        } catch (...) {
            thrown = std::current_exception();
        }
    }));
    thread->setStackSize(256 * 1024);
    thread->start();
    thread->wait();
    if (thrown)
        std::rethrow_exception(thrown);
}

}  // namespace qv::tests
