#include "GifWriter.h"
#include "GifDecoder.h"

#include <gtest/gtest.h>

using namespace kanavo;

namespace {

std::vector<GifColour> greys(int count) {
    std::vector<GifColour> palette;
    for (int i = 0; i < count; ++i) {
        const auto v = static_cast<std::uint8_t>(i * 255 / std::max(1, count - 1));
        palette.push_back({v, v, v});
    }
    return palette;
}

// Noise from a fixed LCG: the worst case for LZW, so long images fill the code table.
std::vector<std::uint8_t> noise(std::size_t size, int colours, std::uint32_t seed) {
    std::vector<std::uint8_t> pixels(size);
    for (auto& p : pixels) {
        seed = seed * 1664525u + 1013904223u;
        p = static_cast<std::uint8_t>((seed >> 24) % static_cast<std::uint32_t>(colours));
    }
    return pixels;
}

} // namespace

TEST(GifWriter, FramesDecodeBackToTheCanvases) {
    struct Case {
        const char* name;
        int width, height, colours;
        std::vector<std::vector<std::uint8_t>> frames;
    };
    const std::vector<Case> cases = {
        {"one pixel, one colour", 1, 1, 1, {{0}}},
        {"flat two-colour", 40, 3, 2, {std::vector<std::uint8_t>(120, 1)}},
        // 256 colours of noise run the table full many times: 12-bit codes and clear codes.
        {"noise, 256 colours", 300, 200, 256, {noise(60000, 256, 7)}},
        {"noise, 5 colours", 250, 250, 5, {noise(62500, 5, 9)}},
        {"long single-colour run", 640, 480, 4, {std::vector<std::uint8_t>(640 * 480, 3)}},
        {"frames with a moving change and an unchanged one",
         30,
         20,
         16,
         {noise(600, 16, 1), noise(600, 16, 1),
          [] {
              auto f = noise(600, 16, 1);
              f[0] = 15;
              f[599] = 15;
              return f;
          }(),
          [] {
              auto f = noise(600, 16, 1);
              f[315] = 3;
              return f;
          }()}},
        // A full palette leaves no index for transparency: changed rectangles are stored whole.
        {"frames with every colour in use", 64, 64, 256, {noise(4096, 256, 3), noise(4096, 256, 4)}},
    };
    for (const Case& c : cases) {
        GifAnimation animation{c.width, c.height, greys(c.colours), {}, 3};
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            animation.frames.push_back({c.frames[i], static_cast<int>(5 + i)});
        }
        const std::vector<std::uint8_t> file = encodeGif(animation);
        test::DecodedGif gif;
        ASSERT_NO_THROW(gif = test::decodeGif(file)) << c.name;
        EXPECT_EQ(gif.width, c.width) << c.name;
        EXPECT_EQ(gif.height, c.height) << c.name;
        EXPECT_EQ(gif.loopCount, 3) << c.name;
        ASSERT_EQ(gif.canvases.size(), c.frames.size()) << c.name;
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            EXPECT_EQ(gif.canvases[i], c.frames[i]) << c.name << ", frame " << i;
            EXPECT_EQ(gif.delays[i], static_cast<int>(5 + i)) << c.name;
        }
    }
}

TEST(GifWriter, PaletteIsPaddedToAPowerOfTwo) {
    const GifAnimation animation{2, 1, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, {{{0, 2}, 10}}, 0};
    const test::DecodedGif gif = test::decodeGif(encodeGif(animation));
    EXPECT_EQ(gif.palette, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0}));
}

TEST(GifWriter, RefusesWhatGifCannotHold) {
    const std::vector<std::uint8_t> two{0, 0};
    const std::vector<GifAnimation> bad = {
        {0, 1, greys(2), {{{}, 10}}, 0},        // no width
        {2, 1, {}, {{two, 10}}, 0},             // no palette
        {2, 1, greys(257), {{two, 10}}, 0},     // too many colours
        {2, 1, greys(2), {}, 0},                // no frame
        {2, 1, greys(2), {{{0, 0, 0}, 10}}, 0}, // frame larger than the canvas
        {2, 1, greys(2), {{{0, 2}, 10}}, 0},    // index outside the palette
        {2, 1, greys(2), {{two, -1}}, 0},       // negative delay
        {2, 1, greys(2), {{two, 10}}, 70000},   // loop count beyond 16 bits
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_THROW(encodeGif(bad[i]), std::invalid_argument) << "case " << i;
    }
}
