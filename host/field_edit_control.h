#pragma once
// The host field-edit control: a line edit with a finder button and a clear button.
// Button presses raise buttonEvent(code, status) with a ButtonCode; the handler reads and
// writes status. A button-only control shows just a button with its design value.

#include <QString>
#include <QVariant>
#include <QWidget>

class QLineEdit;
class QToolButton;
class QPushButton;

namespace qv::host {

class DataSource;

class FieldEditControl : public QWidget {
    Q_OBJECT
public:
    // The code a button event carries: which button was pressed. A button-only control
    // raises the clearing code.
    enum ButtonCode : int { kFinderButton = 4, kClearButton = 5 };

    // The field object through which a value is emptied.
    class Field {
    public:
        explicit Field(FieldEditControl* owner) : owner_(owner) {}
        void empty();

    private:
        FieldEditControl* owner_;
    };

    explicit FieldEditControl(QWidget* parent = nullptr);
    // A control used as a button only, showing its design value ("Clear All", "Clear Lists").
    static FieldEditControl* buttonOnly(const QString& designValue, QWidget* parent = nullptr);

    QString value() const;
    void setValue(const QString& value);
    Field& field() { return field_; }
    void setDataSource(DataSource* source) { dataSource_ = source; }
    DataSource* dataSource() const { return dataSource_; }
    QLineEdit* lineEdit() const { return edit_; }
    bool isButtonOnly() const { return buttonOnly_ != nullptr; }

    // Raises buttonEvent with the given code and a status starting at 0; returns the status
    // the handlers left.
    int pressButton(int code);

signals:
    void buttonEvent(int code, int& status);
    void valueChanged(const QVariant& value);
    void returnPressed();

private:
    struct ButtonOnlyTag {};
    FieldEditControl(const QString& designValue, QWidget* parent, ButtonOnlyTag);

    Field field_{this};
    DataSource* dataSource_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QToolButton* finderButton_ = nullptr;
    QToolButton* clearButton_ = nullptr;
    QPushButton* buttonOnly_ = nullptr;
};

}  // namespace qv::host
