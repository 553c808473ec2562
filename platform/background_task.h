#pragma once
// Long work off the GUI thread: the task runs on a thread of its own while the GUI thread
// goes on handling events (painting, input, other commands), and the call returns when the
// task is done, as if it had run in place.

#include <functional>

namespace qv::platform {

// Runs task on a worker thread and waits for it in a local event loop. Whatever the task
// throws is thrown here, on the calling thread. The task must not touch widgets; database
// connections and processes it needs it opens itself.
void runInBackground(const std::function<void()>& task);

}  // namespace qv::platform
