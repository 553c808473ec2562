#pragma once
// The desktop's spreadsheet application behind a port: it shows a workbook file to the user
// or prints it. The desktop implementation opens the file as the desktop opens documents and
// prints through a headless office command; the tests' recording double keeps the requests.

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace qv::platform {

// A workbook that could not be shown or printed, with the reason.
class SpreadsheetAppError : public std::runtime_error {
public:
    explicit SpreadsheetAppError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

class SpreadsheetApp {
public:
    enum class Use { Show, Print };
    virtual ~SpreadsheetApp() = default;
    // Whether the desktop has what the use needs, asked before any work is done.
    virtual bool available(Use use) const = 0;
    // Both throw SpreadsheetAppError when the application cannot be started or fails.
    virtual void show(const QString& path) = 0;
    virtual void print(const QString& path) = 0;
};

// Shows through the desktop's handler for the file type; prints with
// `<printProgram> -env:UserInstallation=<profile> --headless -p FILE`, started without a
// shell and waited for. The office profile is the program's own (in the workbook folder):
// with the user's, a LibreOffice already open would take the job over and the command would
// end before the file was printed.
class DesktopSpreadsheetApp : public SpreadsheetApp {
public:
    static constexpr int kPrintTimeoutMs = 5 * 60 * 1000;

    explicit DesktopSpreadsheetApp(QString printProgram = QStringLiteral("soffice"),
                                   int printTimeoutMs = kPrintTimeoutMs)
        : printProgram_(std::move(printProgram)), printTimeoutMs_(printTimeoutMs) {}
    bool available(Use use) const override;
    void show(const QString& path) override;
    void print(const QString& path) override;

private:
    QString printProgram_;
    int printTimeoutMs_;
};

}  // namespace qv::platform
