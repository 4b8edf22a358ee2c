#pragma once
// The channels of the open week as the window offers them (the channel popup, the
// "Канал" submenu, the fast-channel toolbar and list, all four parallel), built from the
// CANALS section of the schedule text. Building also records every channel it meets in
// the settings' ChannelPrefs.

#include "schedule/ScheduleText.h"
#include "settings/Settings.h"

#include <optional>
#include <string>
#include <vector>

namespace kanavo {

// ChannelFilter 1 offers the first this many channels of the file.
inline constexpr int kCentralChannelCount = 6;

struct WeekChannel {
    std::string name; // Windows-1251, as in the file
    int logo = 0;     // image number in the channel logo lists
    int tag = 0;      // position in the offered order; what a click passes on
    friend bool operator==(const WeekChannel&, const WeekChannel&) = default;
};

struct WeekChannelList {
    std::vector<WeekChannel> channels;
    // Set when a channel line's number is not an integer: the conversion error's text
    // (Windows-1251). The channels before that line are kept.
    std::optional<std::string> error;
};

// Reads the channel lines after the first line equal to "[CANALS]" (any case; from the
// first line of the text when there is none). The line right after it is always a
// channel line; the list ends before a line that is exactly "[CANALS_END]", or at the end
// of the text. A logo number at or above `logoCount`, or below 0, selects logo 0.
//
// A name met for the first time (neither it nor "*" + it in ChannelPrefs, any case) is
// appended to ChannelPrefs as chosen, with ChannelShift 0. ChannelPrefs never grows past
// ChannelCapacity names, because ChannelShift has no place for more: a channel that finds
// it full is offered but not remembered, so "selected channels only" leaves it out.
// Names are looked up in ChannelPrefs by their first SettingTextLimit characters, the
// part a settings file keeps.
//
// ChannelFilter 1 offers the first kCentralChannelCount channels; 2 offers only the
// chosen ones, in ChannelPrefs order, tagged by their new positions.
WeekChannelList buildWeekChannels(const ScheduleText& schedule, Settings& settings, int logoCount);

// The eight lines the program shows when there is no weekly file.
ScheduleText builtInChannelList();

} // namespace kanavo
