#pragma once
// Calls a function when one type of event reaches an object, then lets the object handle
// the event as usual. For events a widget has no signal for: key releases and mouse moves
// over a list, a double-click in a combo box's edit field.

#include <QEvent>
#include <QObject>

#include <functional>

namespace qv::app {

class EventHook : public QObject {
public:
    using Action = std::function<void(QEvent*)>;
    // The hook lives as long as the watched object.
    static void install(QObject* watched, QEvent::Type type, Action action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EventHook(QObject* watched, QEvent::Type type, Action action);

    QEvent::Type type_;
    Action action_;
};

}  // namespace qv::app
