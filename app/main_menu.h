#pragma once
// The main window's menu bar: "File" with the font size, print orientation, Crystal and Excel
// printout submenus, two blank spacers, and "Help".

#include <QMenuBar>

class QAction;
class QMenu;

namespace qv::app {

class MainMenu : public QMenuBar {
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);

    // Start-up: the bar yellow, the menus below "File" cyan.
    void colourMenus();

    QMenu *mnuFile, *mnuFontSize, *mnuOrientation, *mnuCrystal, *mnuPrintExcel;
    QAction *mnu10point, *mnu11point, *mnu12point, *mnu13point, *mnu14point, *mnuPortrait,
        *mnuLandscape, *mnuItemReport, *mnuLotReport, *mnuQuarantine, *mnuCustReport,
        *mnuLotListing, *mnuPickingSlip, *s3, *s2, *mnuAbout;

private:
    void createFileMenu();
};

}  // namespace qv::app
