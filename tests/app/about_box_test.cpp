// The about box and the documentation viewer it opens.
#include "app/about_box.h"
#include "app/handler_guard.h"
#include "app/text_viewer.h"
#include "tests/support/recording_ports.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using namespace qv::app;

TEST(AboutBox, EachDocumentationPressOpensAViewerAndOkUnloadsTheBox) {
    qv::tests::RecordingMessagePort messages;
    HandlerGuard guard{messages, [] { return QStringLiteral("T"); }};
    QPointer<AboutBox> about = new AboutBox("TEST  app_tests", guard);
    EXPECT_EQ(about->windowTitle(), "About TEST  app_tests");
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
    EXPECT_TRUE(messages.entries.empty());
}

TEST(AboutBox, MissingDocumentationIsTheViewersNotice) {
    const QString path = "/nonexistent/folder/TALLORIN9DOC.txt";
    QPointer<TextViewer> viewer = TextViewer::open(path);
    EXPECT_TRUE(viewer->text().contains(path)) << viewer->text().toStdString();
    viewer->close();
}

}  // namespace
