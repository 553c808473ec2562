// The about box and the documentation viewer it opens.
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

using namespace qv::app;

class AboutBoxTest : public ::testing::Test {
protected:
    qv::tests::RecordingMessagePort messages;
    HandlerGuard guard{messages, [] { return QStringLiteral("T"); }};
};

TEST_F(AboutBoxTest, Texts) {
    AboutBox about("TEST  app_tests", guard);
    const QString copyright = VersionInfo::legalCopyright();
    EXPECT_EQ(about.windowTitle(), "About TEST  app_tests");
    EXPECT_EQ(about.lblVersion->text(),
              "Ver. 9.63.29  " + copyright + "  " + VersionInfo::companyName());
    EXPECT_EQ(about.lblTitle->text(), VersionInfo::fileDescription());
    EXPECT_EQ(about.lblDescription->text(), "Item Lot Location and Optional Fields Lookup");
    EXPECT_EQ(about.lblDisclaimer->text(),
              QStringList({"Select by Full or Partial Data", "Drill down to Filter choices",
                           "Exports shown data to Excel", "", VersionInfo::comments(),
                           VersionInfo::companyName(), VersionInfo::fileDescription(),
                           VersionInfo::legalTrademarks() + " " + copyright})
                  .join("\r\n"));
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.cmdSysInfo->text(), "Documentation");
}

TEST_F(AboutBoxTest, EachDocumentationPressOpensAViewerAndOkUnloadsTheBox) {
    QPointer<AboutBox> about = new AboutBox("T", guard);
    about->show();
    QPointer<TextViewer> viewer = about->cmdSysInfo_Click();
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->frameGeometry(), QRect(50, 50, 900, 850));
    EXPECT_EQ(viewer->windowTitle(), "TALLORIN9DOC.txt");
    EXPECT_TRUE(viewer->text().contains("Quit")) << "the guide beside the executable";
    EXPECT_TRUE(viewer->isVisible());
    QPointer<TextViewer> second = about->cmdSysInfo_Click();
    EXPECT_NE(second.data(), viewer.data());
    viewer->close();
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer.isNull() && second.isNull());
    about->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

TEST_F(AboutBoxTest, MissingDocumentationIsTheViewersNotice) {
    const QString path = "/nonexistent/folder/TALLORIN9DOC.txt";
    QPointer<TextViewer> viewer = TextViewer::open(path);
    EXPECT_TRUE(viewer->text().contains(path)) << viewer->text().toStdString();
    EXPECT_EQ(viewer->pos(), QPoint(50, 50));
    viewer->close();
}

}  // namespace
