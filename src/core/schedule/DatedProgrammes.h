#pragma once
// The programmes of one channel's day as dated moments: the one walk that the listing and
// the auto-alarm share, so that a reminder's time always equals the start the listing
// shows (reminders are found again by exact equality).

#include "schedule/ProgrammeTime.h"
#include "schedule/ScheduleText.h"

#include <string_view>

namespace kanavo {

// How a programme that runs past midnight is dated.
enum class MidnightRule {
    // Its end is on the next date, and so is everything after it in the section.
    CarryOn,
    // The "now" view reads one section against today's date: a programme over midnight
    // began yesterday when it is the small hours now, else it ends tomorrow.
    NowView,
};

struct DatedProgramme {
    const ScheduleEntry* entry;
    TDateTime start;
    TDateTime end;
};

// Calls `visit` with each programme of `channel`'s section for `day`, dated on `base`
// moved by `dayOffset` days and by `shiftHours`; false when the week has no such section.
// `smallHours` matters only to the NowView rule.
template <typename Visit>
bool forEachDatedProgramme(const ScheduleText& text, std::string_view channel, int day, TDateTime base,
                           int dayOffset, int shiftHours, MidnightRule rule, bool smallHours, Visit&& visit) {
    const auto section = text.daySection(channel, day);
    if (!section) {
        return false;
    }
    int carry = 0;
    forEachSectionEntry(text, *section, [&](const ScheduleEntry& entry) {
        TDateTime start = programmeTime(base, entry.startMinutes, dayOffset + carry, shiftHours);
        TDateTime end = programmeTime(base, entry.endMinutes, dayOffset + carry, shiftHours);
        if (start > end) {
            if (rule == MidnightRule::NowView) {
                if (smallHours) {
                    start -= 1.0;
                } else {
                    end += 1.0;
                }
            } else {
                end += 1.0;
                carry = 1;
            }
        }
        visit(DatedProgramme{&entry, start, end});
    });
    return true;
}

} // namespace kanavo
