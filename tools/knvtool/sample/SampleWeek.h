#pragma once
// Sample weeks for `knvtool sample`, the tests and the benchmarks: a believable
// schedule of up to 200 channels with one animated banner, made from a seed alone.

#include "base/DateTime.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kanavo {

struct SampleBanner {
    std::string address;           // the banner's stream name: the address a click opens
    std::vector<std::uint8_t> gif; // an animated GIF89a
};

struct SampleWeek {
    std::string schedule; // the "KNV" schedule text, Windows-1251, CR LF lines
    std::vector<SampleBanner> banners;
};

inline constexpr int kSampleMaxChannels = 200;

// A week starting on `monday` with `channels` channels (1..kSampleMaxChannels). The
// same arguments always give the same bytes, on every platform; other weeks and seeds
// give other programmes. Throws std::invalid_argument for a channel count out of range
// or a date that is not a finite day number.
SampleWeek makeSampleWeek(TDateTime monday, int channels, std::uint32_t seed = 1);

} // namespace kanavo
