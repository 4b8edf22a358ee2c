#pragma once
// Lookups in the settings' list of every channel ever seen (ChannelPrefs, "*" before a
// channel that is not chosen) and the hour shift kept beside each name.

#include "settings/Settings.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kanavo {

// Where `name` stands in ChannelPrefs (any case; chosen, or with `chosenOnly` false also
// not chosen); npos when it is not there.
std::size_t channelPrefsIndex(const std::vector<std::string>& prefs, std::string_view name, bool chosenOnly);

// The whole hours a channel's times move by: with PerChannelShift, the ChannelShift of
// its place in ChannelPrefs (0 when it has none); otherwise TimeZoneShift for every channel.
int channelShift(const Settings& settings, std::string_view name);

} // namespace kanavo
