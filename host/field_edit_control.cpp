#include "host/field_edit_control.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace qv::host {

namespace {

QHBoxLayout* compactLayout(QWidget* owner) {
    auto* layout = new QHBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    return layout;
}

}  // namespace

void FieldEditControl::Field::empty() {
    owner_->setValue(QString());
}

FieldEditControl::FieldEditControl(QWidget* parent) : QWidget(parent) {
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("fieldValue"));
    edit_->setAccessibleName(QStringLiteral("Value"));

    const auto makeButton = [this](const QString& name, const QString& text,
                                   const QString& description, int code) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setText(text);
        button->setToolTip(description);
        button->setAccessibleName(description);
        // Reached with Tab after the value and pressed with Space, like the mouse does.
        button->setFocusPolicy(Qt::TabFocus);
        button->setFixedSize(edit_->sizeHint().height(), edit_->sizeHint().height());
        connect(button, &QToolButton::clicked, this, [this, code] { pressButton(code); });
        return button;
    };
    finderButton_ = makeButton(QStringLiteral("finderButton"), QStringLiteral("..."),
                               QStringLiteral("Find"), kFinderButton);
    clearButton_ = makeButton(QStringLiteral("clearButton"), QStringLiteral("X"),
                              QStringLiteral("Clear"), kClearButton);

    QHBoxLayout* layout = compactLayout(this);
    layout->addWidget(edit_, 1);
    layout->addWidget(finderButton_);
    layout->addWidget(clearButton_);
    setFocusProxy(edit_);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    connect(edit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { emit valueChanged(text); });
    connect(edit_, &QLineEdit::returnPressed, this, &FieldEditControl::returnPressed);
}

FieldEditControl::FieldEditControl(const QString& designValue, QWidget* parent, ButtonOnlyTag)
    : QWidget(parent) {
    buttonOnly_ = new QPushButton(designValue, this);
    buttonOnly_->setObjectName(QStringLiteral("button"));
    buttonOnly_->setAccessibleName(designValue);
    compactLayout(this)->addWidget(buttonOnly_);
    setFocusProxy(buttonOnly_);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(buttonOnly_, &QPushButton::clicked, this, [this] { pressButton(kClearButton); });
}

FieldEditControl* FieldEditControl::buttonOnly(const QString& designValue, QWidget* parent) {
    return new FieldEditControl(designValue, parent, ButtonOnlyTag{});
}

QString FieldEditControl::value() const {
    return buttonOnly_ ? buttonOnly_->text() : edit_->text();
}

void FieldEditControl::setValue(const QString& value) {
    if (!buttonOnly_) {
        edit_->setText(value);
        return;
    }
    if (buttonOnly_->text() != value) {
        buttonOnly_->setText(value);
        emit valueChanged(value);
    }
}

int FieldEditControl::pressButton(int code) {
    int status = 0;
    emit buttonEvent(code, status);
    return status;
}

}  // namespace qv::host
