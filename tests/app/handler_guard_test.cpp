#include "app/handler_guard.h"
#include "host/host_error.h"
#include "platform/database.h"
#include "tests/support/recording_ports.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

TEST(HandlerGuard, FailureIsReportedAndTheProgramGoesOn) {
    qv::tests::RecordingMessagePort messages;
    QString title = "TEST  quorvan";
    qv::app::HandlerGuard guard(messages, [&title] { return title; });
    QLabel status("Searching ....");
    guard.setStatusLabel(&status);

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    EXPECT_FALSE(
        guard.run("Search", [] { throw qv::platform::DbError("Invalid column name 'X'."); }));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(status.text(), "");
    title = "LATER  quorvan";
    EXPECT_FALSE(guard.run("Finder", [] { throw qv::host::HostError("view IC0999 unknown"); }));
    EXPECT_FALSE(guard.run("Other", [] { throw 42; }));
    status.setText("done");
    EXPECT_TRUE(guard.run("Fine", [] {}));
    EXPECT_EQ(status.text(), "done");

    QStringList reported;
    for (const auto& message : messages.entries)
        reported << message.title + " / " + message.text;
    EXPECT_EQ(reported, QStringList({"TEST  quorvan / Search: Invalid column name 'X'.",
                                     "LATER  quorvan / Finder: view IC0999 unknown",
                                     "LATER  quorvan / Other: unexpected error"}));
}

}  // namespace
