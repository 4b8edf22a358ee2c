#pragma once
// One reminder and the fixed table that holds them. The table is numbered from 1 (slot 0
// is scratch space for exchanges); entries 1 .. AlarmCount are in use, and the table
// never grows: a full table takes no more entries.

#include "base/DateTime.h"

#include <array>
#include <cstdint>
#include <string>

namespace kanavo {

struct TAlarmEntry {
    TDateTime Time = 0;      // programme start as listed (clock shift applied)
    std::string Canal;       // channel name, Windows-1251, at most 255 characters
    std::string Description; // programme text, Windows-1251, at most 255 characters
    std::uint8_t Type = 14;  // programme type 0..14

    friend bool operator==(const TAlarmEntry&, const TAlarmEntry&) = default;
};

inline constexpr int AlarmCapacity = 500;

// Slots 0 .. AlarmCapacity; slot 0 is not an entry.
using AlarmTable = std::array<TAlarmEntry, AlarmCapacity + 1>;

} // namespace kanavo
