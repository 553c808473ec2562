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
    // A print program that keeps its arguments, one a line, then runs `body`.
    QString program(const QString& body) {
        const QString path = dir.filePath("print-stand-in");
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n%2\n")
                         .arg(argsFile(), body)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    QString argsFile() const { return dir.filePath("args"); }
    QString args() const {
        QFile file(argsFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "(not run)";
    }

    QTemporaryDir dir;
};

TEST_F(StandInPrinter, GetsTheFileAsOneArgumentWithoutAShell) {
    DesktopSpreadsheetApp app(program("exit 0"));
    EXPECT_TRUE(app.available(SpreadsheetApp::Use::Print));
    const QString path = dir.filePath("lots $(touch hacked); x.xlsx");
    app.print(path);
    // An office profile of its own, so an office the user has open does not take the job.
    EXPECT_EQ(args(), "-env:UserInstallation=file://" + qEnvironmentVariable("XDG_CACHE_HOME") +
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
        DesktopSpreadsheetApp app(stand, c.timeoutMs);
        EXPECT_EQ(qv::tests::thrownText<SpreadsheetAppError>([&] { app.print(file); }),
                  stand + c.error)
            << c.body.toStdString();
    }
}

TEST_F(StandInPrinter, AMissingProgramIsNotAvailableAndCannotStart) {
    DesktopSpreadsheetApp app(dir.filePath("no-such-office"));
    EXPECT_FALSE(app.available(SpreadsheetApp::Use::Print));
    EXPECT_TRUE(
        qv::tests::thrownText<SpreadsheetAppError>([&] {
            app.print("x.xlsx");
        }).startsWith("Cannot start " + dir.filePath("no-such-office") + " to print x.xlsx: "));
}

}  // namespace
