#pragma once
// The program's run: the main window, its start-up and the event loop.

#include <memory>

class QMainWindow;

namespace qv::platform {
class ClipboardPort;
class MessagePort;
}  // namespace qv::platform

namespace qv::app {

// The main window as the program starts it: built, and loaded on the host session (not yet
// shown). Null when the session did not open or a start-up step failed; the failure has been
// reported through messages.
std::unique_ptr<QMainWindow> startMainWindow(platform::MessagePort& messages,
                                             platform::ClipboardPort& clipboard);

// Shows the main window on the host session and runs until it closes. Returns the
// program's exit code: 1 when the session did not open or start-up failed.
int runQuorvan(platform::MessagePort& messages, platform::ClipboardPort& clipboard);

}  // namespace qv::app
