// Printing through a stand-in for the office program: what it is given, and how its
// failures come back.
#include "platform/spreadsheet_app.h"
#include "tests/support/thrown_text.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using qv::platform::DesktopSpreadsheetApp;
using qv::platform::SpreadsheetApp;
using qv::platform::SpreadsheetAppError;

class StandInPrinter : public ::testing::Test {
protected:
    // A print program that keeps its arguments, one a line, in args, then runs `body`.
    QString program(const QString& body) {
        QFile script(dir.filePath("print-stand-in"));
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n%2\n")
                         .arg(dir.filePath("args"), body)
                         .toUtf8());
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script.fileName();
    }
    QString printError(const QString& program, const QString& file, int timeoutMs = 10000) {
        DesktopSpreadsheetApp app(program, timeoutMs);
        return qv::tests::thrownText<SpreadsheetAppError>([&] { app.print(file); });
    }

    QTemporaryDir dir;
};

TEST_F(StandInPrinter, GetsTheFileAsOneArgumentWithoutAShell) {
    const QString stand = program("exit 0");
    EXPECT_TRUE(DesktopSpreadsheetApp(stand).available(SpreadsheetApp::Use::Print));
    const QString path = dir.filePath("lots $(touch hacked); x.xlsx");
    EXPECT_EQ(printError(stand, path), "");
    QFile args(dir.filePath("args"));
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    // An office profile of its own, so an office the user has open does not take the job.
    EXPECT_EQ(QString::fromUtf8(args.readAll()),
              "-env:UserInstallation=file://" + qEnvironmentVariable("XDG_CACHE_HOME") +
                  "/quorvan/office-profile\n--headless\n-p\n" + path + "\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("hacked")));
}

TEST_F(StandInPrinter, FailuresNameTheFileAndTheReason) {
    const QString file = dir.filePath("r.xlsx");
    const struct {
        QString body;
        int timeoutMs;
        QString error;
    } cases[] = {
        {"echo 'no printer' >&2; exit 3", 10000,
         " could not print " + file + " (exit status 3): no printer"},
        {"kill -9 $$", 10000, " could not print " + file + " (exit status -1): "},
        {"sleep 20", 300, " did not finish printing " + file + " within 0 s"},
    };
    for (const auto& c : cases) {
        const QString stand = program(c.body);
        EXPECT_EQ(printError(stand, file, c.timeoutMs), stand + c.error) << c.body.toStdString();
    }
    const QString missing = dir.filePath("no-such-office");
    EXPECT_FALSE(DesktopSpreadsheetApp(missing).available(SpreadsheetApp::Use::Print));
    EXPECT_TRUE(
        printError(missing, "x.xlsx").startsWith("Cannot start " + missing + " to print x.xlsx: "));
}

}  // namespace
