#include "host/go_button.h"

namespace qv::host {

GoButton::GoButton(QWidget* parent) : QPushButton(QStringLiteral("Go"), parent) {
    setAccessibleName(QStringLiteral("Go"));
}

}  // namespace qv::host
