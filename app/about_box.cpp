#include "app/about_box.h"

#include "app/handler_guard.h"
#include "app/text_viewer.h"
#include "app/version_info.h"
#include "platform/program_files.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace qv::app {

QString aboutVersionLine() {
    return QStringLiteral("Ver. ") + VersionInfo::number() + QStringLiteral("  ") +
           VersionInfo::legalCopyright() + QStringLiteral("  ") + VersionInfo::companyName();
}

QString aboutDisclaimer() {
    const QString br = QStringLiteral("\r\n");
    return QStringLiteral("Select by Full or Partial Data") + br +
           QStringLiteral("Drill down to Filter choices") + br +
           QStringLiteral("Exports shown data to Excel") + br + br + VersionInfo::comments() + br +
           VersionInfo::companyName() + br + VersionInfo::fileDescription() + br +
           VersionInfo::legalTrademarks() + QStringLiteral(" ") + VersionInfo::legalCopyright();
}

AboutBox::AboutBox(const QString& appTitle, HandlerGuard& guard, QWidget* parent)
    : QDialog(parent),
      picIcon(new QLabel(this)),
      lblTitle(new QLabel(VersionInfo::fileDescription(), this)),
      lblVersion(new QLabel(aboutVersionLine(), this)),
      lblDescription(
          new QLabel(QStringLiteral("Item Lot Location and Optional Fields Lookup"), this)),
      lblDisclaimer(new QLabel(aboutDisclaimer(), this)),
      cmdOK(new QPushButton(QStringLiteral("OK"), this)),
      cmdSysInfo(new QPushButton(QStringLiteral("Documentation"), this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(false);
    setWindowTitle(QStringLiteral("About ") + appTitle);
    setAttribute(Qt::WA_DeleteOnClose);

    const std::pair<QWidget*, const char*> names[] = {{picIcon, "picIcon"},
                                                      {lblTitle, "lblTitle"},
                                                      {lblVersion, "lblVersion"},
                                                      {lblDescription, "lblDescription"},
                                                      {lblDisclaimer, "lblDisclaimer"},
                                                      {cmdOK, "cmdOK"},
                                                      {cmdSysInfo, "cmdSysInfo"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));

    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_ComputerIcon)
                           : QApplication::windowIcon();
    picIcon->setPixmap(icon.pixmap(48, 48));
    picIcon->setAccessibleName(QStringLiteral("Program icon"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    lblTitle->setFont(titleFont);
    lblDisclaimer->setWordWrap(false);
    lblDisclaimer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    grid->addWidget(lblDisclaimer, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    const auto handle = [this, &guard](QPushButton* button, const QString& what,
                                       const std::function<void()>& handler) {
        connect(button, &QPushButton::clicked, this,
                [guard = &guard, what, handler] { guard->run(what, handler); });
    };
    handle(cmdOK, tr("Closing the about box"), [this] { close(); });
    handle(cmdSysInfo, tr("Opening the documentation"), [this] { cmdSysInfo_Click(); });
}

QString AboutBox::documentationPath() {
    return platform::programFilePath(QCoreApplication::applicationDirPath(),
                                     QStringLiteral("TALLORIN9DOC.txt"));
}

TextViewer* AboutBox::cmdSysInfo_Click() {
    return TextViewer::open(documentationPath());
}

}  // namespace qv::app
