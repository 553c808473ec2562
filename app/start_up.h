#pragma once
// The program's run: the main window, its start-up and the event loop.

namespace qv::platform {
class ClipboardPort;
class MessagePort;
}  // namespace qv::platform

namespace qv::app {

// Shows the main window on the host session and runs until it closes. Returns the
// program's exit code: 1 when the session did not open or start-up failed.
int runQuorvan(platform::MessagePort& messages, platform::ClipboardPort& clipboard);

}  // namespace qv::app
