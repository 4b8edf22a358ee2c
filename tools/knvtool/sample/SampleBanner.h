#pragma once
// The advertising banner of sample weeks: a small animated GIF of our own making.

#include <cstdint>
#include <vector>

namespace kanavo {

inline constexpr int kSampleBannerWidth = 468;
inline constexpr int kSampleBannerHeight = 60;

// A 468×60 looping animation: a television with rolling colour bars, the word
// "КАНАВО" with a sweeping shine, a caption and a blinking on-air light. Always the
// same bytes.
std::vector<std::uint8_t> makeSampleBannerGif();

} // namespace kanavo
