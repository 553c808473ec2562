#include "app/event_hook.h"

namespace qv::app {

EventHook::EventHook(QObject* watched, QEvent::Type type, Action action)
    : QObject(watched), type_(type), action_(std::move(action)) {
    watched->installEventFilter(this);
}

void EventHook::install(QObject* watched, QEvent::Type type, Action action) {
    new EventHook(watched, type, std::move(action));
}

bool EventHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == type_)
        action_(event);
    return QObject::eventFilter(watched, event);
}

}  // namespace qv::app
