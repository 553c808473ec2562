#include "drilldown/clipboard_transfer.h"
#include "platform/clipboard.h"
#include "platform/messages.h"
#include "tests/support/recording_ports.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

using qv::drilldown::ClearClipboard;
using qv::drilldown::ClipBoard_SetData;

namespace {

const QString kTitle = QStringLiteral("DEMO  quorvan");

// Copies "x" onto a clipboard holding "before" whose steps fail as told.
struct Transfer {
    qv::tests::RecordingMessagePort messages;
    qv::tests::RecordingClipboardPort clipboard;

    Transfer(bool unlockFails, bool openFails, bool closeFails) {
        clipboard.contents = QStringLiteral("before");
        clipboard.unlockFails = unlockFails;
        clipboard.openFails = openFails;
        clipboard.closeFails = closeFails;
        ClipBoard_SetData(messages, kTitle, clipboard, "x");
        for (const auto& entry : messages.entries)
            EXPECT_EQ(entry.title, kTitle);
    }
};

}  // namespace

TEST(ClipBoardSetData, StepsAndMessagesInTheirOrder) {
    const Transfer ok(false, false, false);
    EXPECT_EQ(ok.clipboard.steps,
              QStringList({"prepare", "unlock", "open", "empty", "setText", "close"}));
    EXPECT_EQ(ok.clipboard.contents, "x");
    EXPECT_TRUE(ok.messages.entries.empty());

    // An unlock failure aborts the copy, yet the close still runs and may fail too.
    const Transfer unlock(true, false, true);
    EXPECT_EQ(unlock.clipboard.steps, QStringList({"prepare", "unlock", "close"}));
    EXPECT_EQ(unlock.messages.texts(),
              QStringList({"Could not unlock memory location. Copy aborted.",
                           "Could not close Clipboard."}));
    EXPECT_EQ(unlock.clipboard.contents, "before");

    // An open failure returns at once: no close, no second message.
    const Transfer open(false, true, true);
    EXPECT_EQ(open.clipboard.steps, QStringList({"prepare", "unlock", "open"}));
    EXPECT_EQ(open.messages.texts(), QStringList({"Could not open the Clipboard. Copy aborted."}));
    EXPECT_EQ(open.clipboard.contents, "before");

    const Transfer close(false, false, true);
    EXPECT_EQ(close.messages.texts(), QStringList({"Could not close Clipboard."}));
    EXPECT_EQ(close.clipboard.contents, "x");
}

TEST(ClearClipboard, OpensEmptiesCloses) {
    qv::tests::RecordingClipboardPort clipboard;
    clipboard.contents = QStringLiteral("before");
    ClearClipboard(clipboard);
    EXPECT_EQ(clipboard.steps, QStringList({"open", "empty", "close"}));
    EXPECT_FALSE(clipboard.contents.has_value());
}

TEST(QtClipboardPort, KeepsUnicodeAndClears) {
    qv::tests::RecordingMessagePort messages;
    qv::platform::QtClipboardPort clipboard;
    const QString text = QStringLiteral("Lot \u017B\u00F3\u0142w \u20AC 5 \u4E2D");
    ClipBoard_SetData(messages, kTitle, clipboard, text);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    ClearClipboard(clipboard);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
    EXPECT_FALSE(clipboard.close());  // closing what is not open fails, as the system's does
}
