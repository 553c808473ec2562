#include "platform/clock.h"

namespace qv::platform {

namespace {

// Invalid: the system's date.
QDate fixedDay;

}  // namespace

QDate today() {
    return fixedDay.isValid() ? fixedDay : QDate::currentDate();
}

FixedToday::FixedToday(QDate day) : previous_(fixedDay) {
    fixedDay = day;
}

FixedToday::~FixedToday() {
    fixedDay = previous_;
}

}  // namespace qv::platform
