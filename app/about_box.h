#pragma once
// The about box: what the program is, its version and version-information texts, and a
// button that opens the documentation file. Modeless; the main window keeps one instance.

#include <QDialog>

class QLabel;
class QPushButton;

namespace qv::app {

class HandlerGuard;
class TextViewer;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // appTitle: the application title set at start-up; guard runs the buttons' handlers, as
    // it runs the main window's.
    AboutBox(const QString& appTitle, HandlerGuard& guard, QWidget* parent = nullptr);

    // The documentation file beside the executable, or in the installed share folder.
    static QString documentationPath();
    // Opens the documentation in a new viewer; errors are the viewer's to show.
    TextViewer* cmdSysInfo_Click();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

// The texts the about box shows, built from the version information.
QString aboutVersionLine();
QString aboutDisclaimer();

}  // namespace qv::app
