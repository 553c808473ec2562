#include "platform/spreadsheet_app.h"

#include "platform/xlsx_writer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace qv::platform {

namespace {

constexpr auto kXlsxType = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

// The last lines a failing program wrote, enough to name its reason.
QString tail(const QByteArray& output) {
    const QString text = QString::fromLocal8Bit(output).trimmed();
    return text.size() > 400 ? text.right(400) : text;
}

}  // namespace

bool DesktopSpreadsheetApp::available(Use use) const {
    if (use == Use::Print)
        return !QStandardPaths::findExecutable(printProgram_).isEmpty();
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Free desktops open documents through xdg-open, which needs an application registered
    // for the type; without one the opening would fail after the work was done.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QString::fromLatin1(kXlsxType)});
    return query.waitForFinished(5000) && query.exitStatus() == QProcess::NormalExit &&
           query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
#else
    return true;  // the shell reports a missing application when the file is opened
#endif
}

void DesktopSpreadsheetApp::show(const QString& path) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        throw SpreadsheetAppError(
            QStringLiteral("No spreadsheet application could be started to show %1").arg(path));
}

void DesktopSpreadsheetApp::print(const QString& path) {
    const QString profile = QUrl::fromLocalFile(workbookFolder() + "/office-profile").toString();
    QProcess process;
    process.start(printProgram_, {"-env:UserInstallation=" + profile, QStringLiteral("--headless"),
                                  QStringLiteral("-p"), path});
    if (!process.waitForStarted())
        throw SpreadsheetAppError(QStringLiteral("Cannot start %1 to print %2: %3")
                                      .arg(printProgram_, path, process.errorString()));
    if (!process.waitForFinished(printTimeoutMs_)) {
        process.kill();
        process.waitForFinished();
        throw SpreadsheetAppError(QStringLiteral("%1 did not finish printing %2 within %3 s")
                                      .arg(printProgram_, path)
                                      .arg(printTimeoutMs_ / 1000));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw SpreadsheetAppError(
            QStringLiteral("%1 could not print %2 (exit status %3): %4")
                .arg(printProgram_, path)
                .arg(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1)
                .arg(tail(process.readAllStandardError())));
}

}  // namespace qv::platform
