#pragma once
// A minimal GIF89a encoder: one global palette, LZW-compressed frames, an endless loop
// and per-frame delays. Enough to produce the animated banners of sample weeks, which
// must load in any ordinary GIF decoder.

#include <array>
#include <cstdint>
#include <vector>

namespace kanavo {

using GifColour = std::array<std::uint8_t, 3>; // red, green, blue

struct GifFrame {
    std::vector<std::uint8_t> pixels; // width × height palette indices, row by row
    int delayCentiseconds = 10;
};

struct GifAnimation {
    int width = 0;                  // 1..65535
    int height = 0;                 // 1..65535
    std::vector<GifColour> palette; // 1..256 colours; padded with black to a power of two
    std::vector<GifFrame> frames;   // at least one, each a full canvas
    int loopCount = 0;              // 0 = loop for ever
};

// The GIF file of the animation. Every frame after the first is stored as the rectangle
// in which it differs from the one before, drawn over it (nothing disposed), its
// unchanged pixels transparent when the palette leaves an index spare; so mostly still
// animations stay small. Throws std::invalid_argument for sizes or indices
// outside the limits above.
std::vector<std::uint8_t> encodeGif(const GifAnimation& animation);

// The LZW data of one image as GIF stores it: the minimum code size byte followed by the
// code stream in length-prefixed sub-blocks and the empty terminator block. Every index
// must be below 1 << minCodeSize (2..8).
std::vector<std::uint8_t> encodeGifLzw(const std::vector<std::uint8_t>& indices, int minCodeSize);

} // namespace kanavo
