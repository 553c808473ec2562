#pragma once
// Runs a call on a thread with a small stack and waits for it, passing on what it
// throws: a recursion as deep as its input is long fails there, whatever the main thread's
// stack would have allowed.
#include <QThread>

#include <exception>
#include <functional>
#include <memory>

namespace qv::tests {

// AddressSanitizer pads every frame with red zones, so the same depth needs a few times the
// stack; an unbounded recursion over a long input still overflows this one.
#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned kSmallStackBytes = 1024 * 1024;
#else
constexpr unsigned kSmallStackBytes = 256 * 1024;
#endif

inline void runOnSmallStack(const std::function<void()>& call) {
    std::exception_ptr thrown;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            call();
        } catch (...) {
            thrown = std::current_exception();
        }
    }));
    thread->setStackSize(kSmallStackBytes);
    thread->start();
    thread->wait();
    if (thrown)
        std::rethrow_exception(thrown);
}

}  // namespace qv::tests
