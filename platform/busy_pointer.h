#pragma once
// The hourglass while the GUI thread waits on the database: a company file another program
// has locked holds a statement for seconds, and the window, which cannot repaint meanwhile,
// must not look as if it had hung. Elsewhere (worker threads, tools without a window) it
// does nothing.

namespace qv::platform {

class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    bool shown_;
};

}  // namespace qv::platform
