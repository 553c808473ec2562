#pragma once
// The main window, offscreen, signed on to a small company that each test fills first, and the
// ways the tests drive it as a user does.

#include "app/form2.h"
#include "host/field_edit_control.h"
#include "host/signon_profile.h"
#include "tests/support/recording_ports.h"
#include "tests/support/test_company.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <ostream>

// Readable failures for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace qv::tests {

// The trimmed texts of one column of a table's rows.
inline QStringList columnTexts(const QTableView* table, int column = 0) {
    QStringList texts;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        texts << table->model()->index(row, column).data().toString().trimmed();
    return texts;
}

// Runs press(), which opens a finder, while drive() acts on it (the finder is cancelled if
// drive() leaves it open); returns the trimmed `column` of the rows the finder listed.
inline QStringList withFinder(const std::function<void()>& press,
                              const std::function<void(QDialog*, QTableView*)>& drive,
                              int column = 0) {
    QStringList rows;
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened = true;
        auto* table = dialog->findChild<QTableView*>("finderTable");
        rows = columnTexts(table, column);
        drive(dialog, table);
        if (dialog->isVisible())
            dialog->reject();
    });
    press();
    EXPECT_TRUE(opened);
    return rows;
}

// The texts of fields, drop-downs, boxes and labels by name, after putting `mark` in each when
// one is given.
inline std::map<QString, QString> controlTexts(const QList<QWidget*>& controls,
                                               const char* mark = nullptr) {
    std::map<QString, QString> texts;
    for (QWidget* control : controls) {
        QString& text = texts[control->objectName()];
        if (auto* field = qobject_cast<host::FieldEditControl*>(control))
            text = mark ? (field->setValue(mark), mark) : field->value();
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            text = mark ? (combo->setEditText(mark), mark) : combo->currentText();
        else if (auto* box = qobject_cast<QLineEdit*>(control))
            text = mark ? (box->setText(mark), mark) : box->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            text = mark ? (label->setText(mark), mark) : label->text();
    }
    return texts;
}

// As a mouse does it: the first click, whose press the window remembers, then the double-click
// and its release.
inline void doubleClick(QTableView* list, QPoint point) {
    QWidget* rows = list->viewport();
    QTest::mouseClick(rows, Qt::LeftButton, {}, point);
    QTest::mouseDClick(rows, Qt::LeftButton, {}, point);
    QTest::mouseRelease(rows, Qt::LeftButton, {}, point);
}

class SignedOnWindowTest : public ::testing::Test {
protected:
    // Signs on to the company through a sign-on profile of the test's own and loads the
    // window; call it as ASSERT_NO_FATAL_FAILURE(signOn()).
    void signOn() {
        host::writeSignonProfile(host::signonProfilePath(), "TEST", "sqlite:" + company.path(),
                                 company.folder());
        form = std::make_unique<app::Form2>(messages, clipboard);
        ASSERT_TRUE(form->Form_Load()) << messages.texts().join('|').toStdString();
    }
    // Shows the window, active: it takes key events. ASSERT_NO_FATAL_FAILURE(showWindow()).
    void showWindow() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override { QFile::remove(host::signonProfilePath()); }

    TestCompany company;
    RecordingMessagePort messages;
    RecordingClipboardPort clipboard;
    std::unique_ptr<app::Form2> form;  // last: it goes before the ports it holds
};

}  // namespace qv::tests
