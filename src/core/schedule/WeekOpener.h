#pragma once
// Opening one week of the week menu: its schedule text, one banner picked at random, and
// the dates that decide whether the "now" view is offered. Any fault of the file refuses
// the whole open with an exception; nothing is half-replaced.

#include "base/DateTime.h"
#include "schedule/ScheduleText.h"
#include "schedule/WeekMenu.h"
#include "schedule/WeeklyFile.h"

#include <cstddef>
#include <functional>
#include <optional>

namespace kanavo {

// The day index of the first listing after an open: the "now" view or Monday.
inline constexpr int kOpenOnNow = 8;
inline constexpr int kOpenOnMonday = 0;

// Picks one of `count` banners (count >= 1): an index below count.
using BannerPick = std::function<std::size_t(std::size_t count)>;
// Whether a banner's picture loads; a week whose chosen banner does not is refused.
using BannerCheck = std::function<bool(const Banner& banner)>;

// Uniform, with the generator seeded anew from the clock for every pick.
BannerPick clockSeededBannerPick();
// The check the core can make without a picture decoder: a GIF signature and a complete
// logical screen descriptor. The window passes its decoder's verdict instead.
bool looksLikeGif(const Banner& banner);

struct OpenWeek {
    ScheduleText schedule;   // the "KNV" stream, or the built-in channel list
    TDateTime WeekStart = 0; // midnight of the caption's first day
    TDateTime lastDay = 0;   // midnight of the caption's last day
    // WeekStart <= today <= lastDay: the "now" controls (the day button, the menu item
    // "Сейчас" and the separator above it) are shown.
    bool holdsToday = false;
    int firstDay = kOpenOnMonday; // kOpenOnNow when holdsToday
    // AutoAlarmOn and holdsToday: the auto-alarm is to run over this week (sender: the
    // week item, no alarm list shown afterwards) before the first listing.
    bool shouldApplyAutoAlarm = false;
    std::optional<Banner> banner; // none for the built-in week
};

// Opens `item`: the built-in channel list for the built-in item, else the file read
// whole, its 37-byte header skipped, the container loaded, "KNV" taken out as the
// schedule and one of the remaining streams picked as the banner. Throws (any
// std::exception) when the file cannot be read, the container is corrupt, no banner is
// left, or the picked banner does not load.
OpenWeek openWeekItem(const WeekItem& item, TDateTime today, bool autoAlarmOn, const BannerPick& pick,
                      const BannerCheck& bannerLoads);

} // namespace kanavo
