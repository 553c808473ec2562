#include "app/about_box.h"
#include "app/handler_guard.h"
#include "app/text_viewer.h"
#include "app/version_info.h"
#include "tests/support/recording_ports.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    qv::tests::RecordingMessagePort messages;
    qv::app::HandlerGuard guard{messages, [] { return QStringLiteral("T"); }};
};

TEST_F(AboutBoxTest, Texts) {
    qv::app::AboutBox about("TEST  app_tests", guard);
    EXPECT_EQ(about.windowTitle(), "About TEST  app_tests");
    EXPECT_EQ(about.lblVersion->text(), "Ver. 9.63.29  " + qv::app::VersionInfo::legalCopyright() +
                                            "  " + qv::app::VersionInfo::companyName());
    EXPECT_EQ(about.lblTitle->text(), qv::app::VersionInfo::fileDescription());
    EXPECT_EQ(about.lblDescription->text(), "Item Lot Location and Optional Fields Lookup");
    EXPECT_EQ(about.lblDisclaimer->text(),
              "Select by Full or Partial Data\r\nDrill down to Filter choices\r\n"
              "Exports shown data to Excel\r\n\r\n" +
                  qv::app::VersionInfo::comments() + "\r\n" + qv::app::VersionInfo::companyName() +
                  "\r\n" + qv::app::VersionInfo::fileDescription() + "\r\n" +
                  qv::app::VersionInfo::legalTrademarks() + " " +
                  qv::app::VersionInfo::legalCopyright());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.cmdSysInfo->text(), "Documentation");
}

TEST_F(AboutBoxTest, OkUnloadsIt) {
    QPointer<qv::app::AboutBox> about = new qv::app::AboutBox("T", guard);
    about->show();
    about->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

TEST_F(AboutBoxTest, DocumentationOpensInItsViewer) {
    qv::app::AboutBox about("T", guard);
    QPointer<qv::app::TextViewer> viewer = about.cmdSysInfo_Click();
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->frameGeometry(), QRect(50, 50, 900, 850));
    EXPECT_EQ(viewer->windowTitle(), "TALLORIN9DOC.txt");
    EXPECT_TRUE(viewer->text().contains("Quit")) << "the guide beside the executable";
    EXPECT_TRUE(viewer->isVisible());

    // Pressed again: a second viewer, as each press starts its own.
    QPointer<qv::app::TextViewer> second = about.cmdSysInfo_Click();
    EXPECT_NE(second.data(), viewer.data());
    viewer->close();
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer.isNull() && second.isNull());
}

TEST_F(AboutBoxTest, MissingDocumentationIsTheViewersNotice) {
    const QString path = "/nonexistent/folder/TALLORIN9DOC.txt";
    QPointer<qv::app::TextViewer> viewer = qv::app::TextViewer::open(path);
    EXPECT_TRUE(viewer->text().contains(path)) << viewer->text().toStdString();
    EXPECT_EQ(viewer->pos(), QPoint(50, 50));
    viewer->close();
}

}  // namespace
