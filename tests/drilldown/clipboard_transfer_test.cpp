#include "drilldown/clipboard_transfer.h"
#include "platform/clipboard.h"
#include "tests/support/recording_ports.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <tuple>

namespace qv::drilldown {
namespace {

const QString kTitle = QStringLiteral("DEMO  quorvan");

TEST(ClipBoardSetData, StepsAndMessagesInTheirOrder) {
    const QString all = "prepare unlock open empty setText close";
    const QString unlock = "Could not unlock memory location. Copy aborted.";
    const QString closing = "Could not close Clipboard.";
    // The steps that fail; the steps taken; the messages; what the clipboard holds after.
    const std::tuple<QString, QString, QStringList, QString> cases[] = {
        {"", all, {}, "x"},
        // An unlock failure aborts the copy, yet the close still runs and may fail too.
        {"unlock close", "prepare unlock close", {unlock, closing}, "before"},
        // An open failure returns at once: no close, no second message.
        {"open close",
         "prepare unlock open",
         {"Could not open the Clipboard. Copy aborted."},
         "before"},
        {"close", all, {closing}, "x"},
    };
    for (const auto& [fails, steps, texts, contents] : cases) {
        tests::RecordingMessagePort messages;
        tests::RecordingClipboardPort clipboard;
        clipboard.contents = "before";
        clipboard.unlockFails = fails.contains("unlock");
        clipboard.openFails = fails.contains("open");
        clipboard.closeFails = fails.contains("close");
        ClipBoard_SetData(messages, kTitle, clipboard, "x");
        EXPECT_EQ(clipboard.steps.join(u' '), steps);
        EXPECT_EQ(messages.texts(), texts);
        EXPECT_EQ(clipboard.contents, contents);
        for (const auto& entry : messages.entries)
            EXPECT_EQ(entry.title, kTitle);
    }
}

TEST(QtClipboardPort, KeepsUnicodeAndClears) {
    tests::RecordingMessagePort messages;
    platform::QtClipboardPort clipboard;
    const QString text = QStringLiteral("Lot \u017B\u00F3\u0142w \u20AC 5 \u4E2D");
    ClipBoard_SetData(messages, kTitle, clipboard, text);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    ClearClipboard(clipboard);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
    EXPECT_FALSE(clipboard.close());  // closing what is not open fails, as the system's does
}

}  // namespace
}  // namespace qv::drilldown
