#pragma once
// The host Go button: a push button raising a click event.

#include <QPushButton>

namespace qv::host {

class GoButton : public QPushButton {
    Q_OBJECT
public:
    explicit GoButton(QWidget* parent = nullptr);
};

}  // namespace qv::host
