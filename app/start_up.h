#pragma once
// The program's run: the main window, its start-up and the event loop.

namespace qv {

class ClipboardPort;
class MessagePort;

// Shows the main window on the host session and runs until it closes. Returns the
// program's exit code: 1 when the session did not open or start-up failed.
int runQuorvan(MessagePort& messages, ClipboardPort& clipboard);

}  // namespace qv
