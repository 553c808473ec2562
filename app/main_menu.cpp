#include "app/main_menu.h"

#include <QAction>
#include <QMenu>

namespace qv::app {

namespace {

QMenu* submenu(QMenu* parent, const char* name, const QString& text) {
    QMenu* menu = parent->addMenu(text);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* item(QMenu* parent, const char* name, const QString& text, bool checked = false) {
    QAction* action = parent->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checked);
    action->setChecked(checked);
    return action;
}

}  // namespace

MainMenu::MainMenu(QWidget* parent) : QMenuBar(parent) {
    setObjectName(QStringLiteral("MenuBar"));
    createFileMenu();

    // Blank, disabled entries that push "Help" towards the right-hand end of the bar.
    auto spacer = [this](const char* name, int width) {
        QAction* action = addAction(QString(width, u' '));
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(false);
        return action;
    };
    s3 = spacer("s3", 77);
    s2 = spacer("s2", 132);
    mnuAbout = addAction(QStringLiteral("Help"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    // Choosing an item leaves its check mark as it was (Qt would toggle it): marks move only
    // when the program sets them. Connected before the items' commands, so a command that
    // sets a mark has the last word.
    for (QAction* action : findChildren<QAction*>())
        if (action->isCheckable())
            connect(action, &QAction::triggered, action,
                    [action](bool toggledTo) { action->setChecked(!toggledTo); });
}

void MainMenu::createFileMenu() {
    mnuFile = addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFontSize = submenu(mnuFile, "mnuFontSize", "FontSize");
    mnu10point = item(mnuFontSize, "mnu10point", "10 Point");
    mnu11point = item(mnuFontSize, "mnu11point", "11 Point");
    mnu12point = item(mnuFontSize, "mnu12point", "12 Point");
    mnu13point = item(mnuFontSize, "mnu13point", "13 Point");
    mnu14point = item(mnuFontSize, "mnu14point", "14 Point", true);
    mnuOrientation = submenu(mnuFile, "mnuOrientation", "Print Orientation");
    mnuPortrait = item(mnuOrientation, "mnuPortrait", "Portrait");
    mnuLandscape = item(mnuOrientation, "mnuLandscape", "Landscape", true);
    mnuPortrait->setCheckable(true);
    mnuCrystal = submenu(mnuFile, "mnuCrystal", "Print Crystal");
    mnuItemReport = item(mnuCrystal, "mnuItemReport", "Item Report");
    mnuLotReport = item(mnuCrystal, "mnuLotReport", "Lot Report");
    mnuQuarantine = item(mnuCrystal, "mnuQuarantine", "Quarantine Report");
    mnuCustReport = item(mnuCrystal, "mnuCustReport", "Customer Report");
    mnuPrintExcel = submenu(mnuFile, "mnuPrintExcel", "Print Excel");
    mnuLotListing = item(mnuPrintExcel, "mnuLotListing", "Lot Listing");
    mnuPickingSlip = item(mnuPrintExcel, "mnuPickingSlip", "Picking Slip", true);
    mnuPickingSlip->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
}

void MainMenu::colourMenus() {
    setStyleSheet(QStringLiteral("QMenuBar { background-color: rgb(255, 255, 0); }"));
    // Set on "File", the colour reaches every submenu below it.
    mnuFile->setStyleSheet(
        QStringLiteral("QMenu { background-color: rgb(0, 255, 255); color: black; }"
                       "QMenu::item:selected { background-color: rgb(0, 0, 128); color: white; }"));
}

}  // namespace qv::app
