#pragma once
// One reminder as the library keeps it: copies of everything the caller passed, so the
// caller's buffers may go as soon as the call returns.

#include <QImage>
#include <QString>

namespace bellpop {

struct Reminder {
    QString channel;
    int hour = 0;
    int minute = 0;
    QString text;
    QImage logo; // null when the caller passed none
    QString soundFile;
    bool loop = false;
};

// "hh:mm"; "--:--" for an hour or minute outside the day.
QString timeText(int hour, int minute);

} // namespace bellpop
