#pragma once
// WriteTV: the one operation that turns the open week into a listing. Every view of the
// main window is a mode of it:
//
//   0..6  one channel on that day          9   every channel on CurrentDay
//   8     every channel, on air now        10  one channel for the week
//   11    title search over the week       12  every reminder
//   13    today's reminders                other values: an empty listing
//
// It dates each programme (the channel's hour shift and the midnight carry applied),
// filters by type and by the mode, orders, and writes one row per programme. It also
// changes the view state the way the views need: the channel button, the pressed day,
// the search-button captions and, from the "now" view, CurrentDay.

#include "base/Clock.h"
#include "schedule/ScheduleText.h"
#include "schedule/WeekChannels.h"
#include "settings/Settings.h"
#include "views/Listing.h"
#include "views/ViewState.h"

#include <functional>
#include <string_view>
#include <vector>

namespace kanavo {

// The width column 1 needs for a text (Windows-1251) with the given images beside it; the
// list control measures it with its font.
using Col1TextWidth = std::function<int(std::string_view text, RowImages images)>;

// The open week as the composer reads it. The composer does not own it.
struct ComposerWeek {
    const ScheduleText* schedule = nullptr;
    TDateTime WeekStart = 0;
    const std::vector<WeekChannel>* channels = nullptr;
};

class ListingComposer {
public:
    // Nothing is owned; all must outlive the composer. The settings are read at every
    // composition (the reminders among them).
    ListingComposer(const Settings& settings, const Clock& clock, Col1TextWidth col1TextWidth);

    void setWeek(ComposerWeek week) { m_week = week; }
    const ComposerWeek& week() const { return m_week; }
    const Clock& clock() const { return m_clock; }
    const Settings& settings() const { return m_settings; }

    Listing WriteTV(int mode, ViewState& state) const;

private:
    const Settings& m_settings;
    const Clock& m_clock;
    Col1TextWidth m_col1TextWidth;
    ComposerWeek m_week;
};

} // namespace kanavo
