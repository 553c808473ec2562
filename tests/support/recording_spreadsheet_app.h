#pragma once
// Test double for the desktop's spreadsheet application: keeps the files it is asked to
// show or print, and can be made missing or failing. print() runs on the printout's worker
// thread; the test reads the record after the printout has returned.

#include "platform/spreadsheet_app.h"

#include <QStringList>

#include <functional>

namespace qv::tests {

class RecordingSpreadsheetApp : public platform::SpreadsheetApp {
public:
    bool available(Use use) const override { return use == Use::Show ? canShow : canPrint; }
    void show(const QString& path) override {
        shown << path;
        if (showFails)
            throw platform::SpreadsheetAppError("no window for " + path);
    }
    void print(const QString& path) override {
        printed << path;
        if (whilePrinting)
            whilePrinting(path);
        if (printFails)
            throw platform::SpreadsheetAppError("no printer for " + path);
    }

    bool canShow = true;
    bool canPrint = true;
    bool showFails = false;
    bool printFails = false;
    std::function<void(const QString&)> whilePrinting;
    QStringList shown;
    QStringList printed;
};

}  // namespace qv::tests
