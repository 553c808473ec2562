#include "drilldown/clipboard_transfer.h"

#include "platform/clipboard.h"
#include "platform/messages.h"

namespace qv::drilldown {

void ClipBoard_SetData(platform::MessagePort& messages, const QString& title,
                       platform::ClipboardPort& clipboard, const QString& text) {
    // The text goes on as Unicode: a conversion to a single-byte code page would lose
    // every character outside it.
    clipboard.prepare(text);
    if (!clipboard.unlock()) {
        messages.inform(title, QStringLiteral("Could not unlock memory location. Copy aborted."));
    } else if (!clipboard.open()) {
        messages.inform(title, QStringLiteral("Could not open the Clipboard. Copy aborted."));
        return;
    } else {
        clipboard.empty();
        clipboard.setText();
    }
    if (!clipboard.close()) {
        messages.inform(title, QStringLiteral("Could not close Clipboard."));
    }
}

void ClearClipboard(platform::ClipboardPort& clipboard) {
    clipboard.open();
    clipboard.empty();
    clipboard.close();
}

}  // namespace qv::drilldown
