#pragma once
// Putting one text on the clipboard, or emptying it, with the failures reported to the
// user one by one.

#include <QString>

namespace qv::platform {
class ClipboardPort;
class MessagePort;
}  // namespace qv::platform

namespace qv::drilldown {

// Replaces the clipboard's contents with text. A failing step is reported in a message
// titled `title` (the application title); the clipboard then keeps its former contents.
void ClipBoard_SetData(platform::MessagePort& messages, const QString& title,
                       platform::ClipboardPort& clipboard, const QString& text);

// Empties the clipboard; failures are ignored.
void ClearClipboard(platform::ClipboardPort& clipboard);

}  // namespace qv::drilldown
