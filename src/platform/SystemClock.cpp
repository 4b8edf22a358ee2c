#include "SystemClock.h"

#include <QDateTime>

namespace kanavo {

TDateTime SystemClock::now() const {
    const QDateTime current = QDateTime::currentDateTime();
    const QDate date = current.date();
    const QTime time = current.time();
    return encodeDate(date.year(), date.month(), date.day()) +
           encodeTime(time.hour(), time.minute(), time.second(), time.msec());
}

const SystemClock& SystemClock::instance() {
    static const SystemClock clock;
    return clock;
}

StartedClock::StartedClock(TDateTime start) : m_offset(start - SystemClock::instance().now()) {}

TDateTime StartedClock::now() const {
    return SystemClock::instance().now() + m_offset;
}

} // namespace kanavo
