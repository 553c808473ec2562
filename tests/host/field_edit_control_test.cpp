#include "host/field_edit_control.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qv::host {
namespace {

TEST(FieldEditControl, ButtonsRaiseEventsWithAStatusTheHandlerWrites) {
    QWidget window;
    auto* control = new FieldEditControl(&window);
    auto* next = new QLineEdit(&window);
    QList<QPair<int, int>> seen;  // code, status on entry
    QObject::connect(control, &FieldEditControl::buttonEvent, [&](int code, int& status) {
        seen.append({code, status});
        status = code == FieldEditControl::kFinderButton ? 7 : 1;
    });
    EXPECT_EQ(control->pressButton(FieldEditControl::kFinderButton), 7);
    QTest::mouseClick(control->findChild<QToolButton*>("clearButton"), Qt::LeftButton);
    // Both buttons are reached with the tab key and pressed with the space bar.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    control->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), control->lineEdit());
    for (const char* name : {"finderButton", "clearButton"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control->findChild<QToolButton*>(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
    // The codes the handlers are written against: 4 the finder, 5 the clearing button.
    EXPECT_EQ(seen, (QList<QPair<int, int>>{{4, 0}, {5, 0}, {4, 0}, {5, 0}}));

    // A button-only control shows its design value and raises the clearing code.
    std::unique_ptr<FieldEditControl> button(FieldEditControl::buttonOnly("Clear All"));
    EXPECT_EQ(button->value(), "Clear All");
    QObject::connect(button.get(), &FieldEditControl::buttonEvent, [&](int code, int&) {
        seen = {{code, 0}};
    });
    QTest::mouseClick(button->findChild<QPushButton*>("button"), Qt::LeftButton);
    EXPECT_EQ(seen, (QList<QPair<int, int>>{{5, 0}}));
}

TEST(FieldEditControl, ValueChangesAreReported) {
    FieldEditControl control;
    QSignalSpy changed(&control, &FieldEditControl::valueChanged);
    QSignalSpy entered(&control, &FieldEditControl::returnPressed);
    control.setValue("A100");
    QTest::keyClicks(control.lineEdit(), "X");
    EXPECT_EQ(control.value(), "A100X");
    QTest::keyClick(control.lineEdit(), Qt::Key_Return);
    control.field().empty();
    EXPECT_TRUE(control.value().isEmpty());
    ASSERT_EQ(changed.count(), 3);
    EXPECT_EQ(changed[1][0].value<QVariant>().toString(), "A100X");
    EXPECT_EQ(entered.count(), 1);
}

}  // namespace
}  // namespace qv::host
