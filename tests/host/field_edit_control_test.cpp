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
    FieldEditControl control;
    QList<QPair<int, int>> seen;  // code, status on entry
    QObject::connect(&control, &FieldEditControl::buttonEvent, [&](int code, int& status) {
        seen.append({code, status});
        status = code == FieldEditControl::kFinderButton ? 5 : 1;
    });
    EXPECT_EQ(control.pressButton(FieldEditControl::kFinderButton), 5);
    QTest::mouseClick(control.findChild<QToolButton*>("finderButton"), Qt::LeftButton);
    QTest::mouseClick(control.findChild<QToolButton*>("clearButton"), Qt::LeftButton);
    // The codes the handlers are written against: 4 the finder, 5 the clearing button.
    EXPECT_EQ(seen, (QList<QPair<int, int>>{{4, 0}, {4, 0}, {5, 0}}));
}

TEST(FieldEditControl, ButtonsAreReachedAndPressedWithTheKeyboard) {
    QWidget window;
    auto* control = new FieldEditControl(&window);
    auto* next = new QLineEdit(&window);
    QList<int> codes;
    QObject::connect(control, &FieldEditControl::buttonEvent,
                     [&](int code, int&) { codes.append(code); });
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
    EXPECT_EQ(codes, (QList<int>{FieldEditControl::kFinderButton, FieldEditControl::kClearButton}));
}

TEST(FieldEditControl, ValueChangesAreReported) {
    FieldEditControl control;
    QSignalSpy changed(&control, &FieldEditControl::valueChanged);
    QSignalSpy entered(&control, &FieldEditControl::returnPressed);
    control.setValue("A100");
    EXPECT_EQ(control.value(), "A100");
    QTest::keyClicks(control.lineEdit(), "X");
    EXPECT_EQ(control.value(), "A100X");
    QTest::keyClick(control.lineEdit(), Qt::Key_Return);
    control.field().empty();
    EXPECT_TRUE(control.value().isEmpty());
    ASSERT_EQ(changed.count(), 3);
    EXPECT_EQ(changed[1][0].value<QVariant>().toString(), "A100X");
    EXPECT_EQ(entered.count(), 1);
}

TEST(FieldEditControl, ButtonOnlyShowsItsDesignValueAndClears) {
    std::unique_ptr<FieldEditControl> control(FieldEditControl::buttonOnly("Clear All"));
    EXPECT_TRUE(control->isButtonOnly());
    EXPECT_EQ(control->value(), "Clear All");
    QList<int> codes;
    QObject::connect(control.get(), &FieldEditControl::buttonEvent,
                     [&](int code, int&) { codes.append(code); });
    QTest::mouseClick(control->findChild<QPushButton*>("button"), Qt::LeftButton);
    EXPECT_EQ(codes, QList<int>{5});
}

}  // namespace
}  // namespace qv::host
