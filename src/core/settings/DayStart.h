#pragma once
// The day-start setting ("Time begin"): the clock time at which a listing day begins.

#include <optional>
#include <string_view>

namespace kanavo {

// Minutes after midnight of "h:mm" or "hh:mm" (a leading blank may stand for the first
// hour digit); nullopt for anything else.
std::optional<int> parseDayStart(std::string_view text);

// The setting's minutes, 05:00 when it does not read as a day start.
int dayStartMinutes(std::string_view text);

} // namespace kanavo
