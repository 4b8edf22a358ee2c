#pragma once
// Which weekday's listing "today" is. A broadcast day runs from the day-start time to the
// day-start time of the next morning, so the small hours still belong to the day before,
// except on Monday, whose previous day lies in the previous week.

#include "base/DateTime.h"

#include <string_view>

namespace kanavo {

struct BroadcastDay {
    int index = 0;            // Monday 0 .. Sunday 6
    bool beforeStart = false; // the small hours of the day after `index`
};

// `dayStart` is the day-start setting; a text that is not one counts as "05:00".
BroadcastDay broadcastDay(TDateTime now, std::string_view dayStart);
inline int TodayIndex(TDateTime now, std::string_view dayStart) {
    return broadcastDay(now, dayStart).index;
}

} // namespace kanavo
