#include "app/about_box.h"
#include "app/handler_guard.h"
#include "app/text_viewer.h"
#include "app/version_info.h"
#include "platform/messages.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    qv::RecordingMessagePort messages;
    qv::HandlerGuard guard{messages, [] { return QStringLiteral("T"); }};
};

TEST_F(AboutBoxTest, Texts) {
    qv::AboutBox about("TEST  app_tests", guard);
    EXPECT_EQ(about.windowTitle(), "About TEST  app_tests");
    EXPECT_EQ(about.lblVersion->text(),
              "Ver. 9.63.29  " + qv::version::legalCopyright() + "  " + qv::version::companyName());
    EXPECT_EQ(about.lblTitle->text(), qv::version::fileDescription());
    EXPECT_EQ(about.lblDescription->text(), "Item Lot Location and Optional Fields Lookup");
    EXPECT_EQ(about.lblDisclaimer->text(),
              "Select by Full or Partial Data\r\nDrill down to Filter choices\r\n"
              "Exports shown data to Excel\r\n\r\n" +
                  qv::version::comments() + "\r\n" + qv::version::companyName() + "\r\n" +
                  qv::version::fileDescription() + "\r\n" + qv::version::legalTrademarks() + " " +
                  qv::version::legalCopyright());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.cmdSysInfo->text(), "Documentation");
}

TEST_F(AboutBoxTest, OkUnloadsIt) {
    QPointer<qv::AboutBox> about = new qv::AboutBox("T", guard);
    about->show();
    about->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

TEST_F(AboutBoxTest, DocumentationOpensInItsViewer) {
    qv::AboutBox about("T", guard);
    QPointer<qv::TextViewer> viewer = about.cmdSysInfo_Click();
    ASSERT_TRUE(viewer);
    EXPECT_EQ(viewer->frameGeometry(), QRect(50, 50, 900, 850));
    EXPECT_EQ(viewer->windowTitle(), "TALLORIN9DOC.txt");
    EXPECT_TRUE(viewer->text().contains("Quit")) << "the guide beside the executable";
    EXPECT_TRUE(viewer->isVisible());

    // Pressed again: a second viewer, as each press starts its own.
    QPointer<qv::TextViewer> second = about.cmdSysInfo_Click();
    EXPECT_NE(second.data(), viewer.data());
    viewer->close();
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer.isNull() && second.isNull());
}

TEST_F(AboutBoxTest, MissingDocumentationIsTheViewersNotice) {
    const QString path = "/nonexistent/folder/TALLORIN9DOC.txt";
    QPointer<qv::TextViewer> viewer = qv::TextViewer::open(path);
    EXPECT_TRUE(viewer->text().contains(path)) << viewer->text().toStdString();
    EXPECT_EQ(viewer->pos(), QPoint(50, 50));
    viewer->close();
}

}  // namespace
