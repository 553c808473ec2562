#pragma once
// Today's date, from the one clock the program reads. Tests fix the day so what depends on
// it (the order finder's 30 days) can be checked on a known date.

#include <QDate>

namespace qv::platform {

// The system's date, or the day a FixedToday holds while one lives.
QDate today();

// Fixes today() to one day while it lives; the previous day (or the system's) comes back
// when it goes.
class FixedToday {
public:
    explicit FixedToday(QDate day);
    ~FixedToday();
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;

private:
    QDate previous_;
};

}  // namespace qv::platform
