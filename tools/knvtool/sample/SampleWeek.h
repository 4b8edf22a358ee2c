#pragma once
// Sample weeks for `knvtool sample`, the tests and the benchmarks: a believable
// schedule of up to 200 channels with one animated banner, made from a seed alone.

#include "base/DateTime.h"
#include "schedule/WeeklyFile.h"

#include <cstdint>

namespace kanavo {

inline constexpr int kSampleMaxChannels = 200;

// A week starting on `monday`: its schedule text (Windows-1251, CR LF lines) and one
// animated GIF banner, with `channels` channels (1..kSampleMaxChannels). The
// same arguments always give the same bytes, on every platform; other weeks and seeds
// give other programmes. Throws std::invalid_argument for a channel count out of range
// or a date that is not a finite day number.
WeekContent makeSampleWeek(TDateTime monday, int channels, std::uint32_t seed = 1);

} // namespace kanavo
