#include "host/field_edit_control.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qv::host {
namespace {

// The button-only control, value changes and Enter are the window tests' (Clear All, the item
// description, Enter pressing Go).
TEST(FieldEditControl, ButtonsAreReachedByTabAndRaiseEventsWithAStatusFromZero) {
    QWidget window;
    auto* control = new FieldEditControl(&window);
    auto* next = new QLineEdit(&window);
    QList<QPair<int, int>> seen;  // code, status on entry
    QObject::connect(control, &FieldEditControl::buttonEvent, [&](int code, int& status) {
        seen.append({code, status});
        status = 1;
    });
    QTest::mouseClick(control->findChild<QToolButton*>("clearButton"), Qt::LeftButton);
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
    const QPair<int, int> find{FieldEditControl::kFinderButton, 0};
    const QPair<int, int> clear{FieldEditControl::kClearButton, 0};
    EXPECT_EQ(seen, (QList<QPair<int, int>>{clear, find, clear}));
}

}  // namespace
}  // namespace qv::host
