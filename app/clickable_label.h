#pragma once
// A label that reports clicks and double-clicks: several labels clear their criteria field
// when clicked.

#include <QLabel>

namespace qv::app {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr)
        : QLabel(text, parent) {}

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace qv::app
