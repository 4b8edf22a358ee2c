#include "SampleBanner.h"

#include "GifWriter.h"

#include <array>
#include <string_view>

namespace kanavo {

namespace {

enum Colour : std::uint8_t {
    NavyDark,
    NavyMid,
    NavyLight,
    Gold,
    GoldDark,
    TextYellow,
    TextShine,
    TextBlue,
    BodyGrey,
    BodyDark,
    BarWhite,
    BarYellow,
    BarCyan,
    BarGreen,
    BarMagenta,
    BarRed,
    BarBlue,
    Black,
    LampOn,
    LampOff,
    Shadow,
};

const std::vector<GifColour> kPalette = {
    {10, 20, 60},    {16, 34, 90},    {24, 50, 120}, {230, 180, 40}, {160, 110, 20},  {255, 220, 60},
    {255, 255, 230}, {170, 200, 255}, {70, 70, 80},  {35, 35, 40},   {235, 235, 235}, {235, 235, 0},
    {0, 235, 235},   {0, 235, 0},     {235, 0, 235}, {235, 0, 0},    {0, 0, 235},     {0, 0, 0},
    {255, 40, 40},   {90, 20, 30},    {5, 10, 30},
};

// A 5×7 pixel font with just the letters the banner needs; '#' marks a set pixel.
struct Glyph {
    char32_t letter;
    std::array<std::string_view, 7> rows;
};

constexpr Glyph kFont[] = {
    {U'А', {"..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"}},
    {U'В', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {U'Г', {"#####", "#....", "#....", "#....", "#....", "#....", "#...."}},
    {U'Д', {"..##.", ".#.#.", ".#.#.", ".#.#.", ".#.#.", "#####", "#...#"}},
    {U'Е', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {U'К', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {U'Л', {"..###", ".#..#", ".#..#", ".#..#", ".#..#", ".#..#", "#...#"}},
    {U'М', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {U'Н', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {U'О', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {U'П', {"#####", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#"}},
    {U'Р', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {U'Т', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {U'Ю', {"#..#.", "#.#.#", "#.#.#", "###.#", "#.#.#", "#.#.#", "#..#."}},
};

const Glyph* findGlyph(char32_t letter) {
    for (const Glyph& glyph : kFont) {
        if (glyph.letter == letter) {
            return &glyph;
        }
    }
    return nullptr; // a blank
}

constexpr int kFrames = 8;

class Canvas {
public:
    Canvas() : m_pixels(static_cast<std::size_t>(kSampleBannerWidth) * kSampleBannerHeight, NavyDark) {}

    void set(int x, int y, std::uint8_t colour) {
        if (x >= 0 && x < kSampleBannerWidth && y >= 0 && y < kSampleBannerHeight) {
            m_pixels[static_cast<std::size_t>(y) * kSampleBannerWidth + static_cast<std::size_t>(x)] = colour;
        }
    }
    void fill(int left, int top, int right, int bottom, std::uint8_t colour) { // inclusive corners
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                set(x, y, colour);
            }
        }
    }
    std::vector<std::uint8_t> take() { return std::move(m_pixels); }

private:
    std::vector<std::uint8_t> m_pixels;
};

// Draws text in the pixel font, each font pixel a scale×scale block; `colourAt` picks
// the colour of a block by its top-left corner, so effects can sweep over letters.
template <typename ColourAt>
void drawText(Canvas& canvas, std::u32string_view text, int left, int top, int scale, ColourAt colourAt) {
    int x0 = left;
    for (const char32_t letter : text) {
        if (const Glyph* glyph = findGlyph(letter)) {
            for (int row = 0; row < 7; ++row) {
                for (int column = 0; column < 5; ++column) {
                    if (glyph->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] != '#') {
                        continue;
                    }
                    const int x = x0 + column * scale;
                    const int y = top + row * scale;
                    canvas.fill(x, y, x + scale - 1, y + scale - 1, colourAt(x, y));
                }
            }
        }
        x0 += 6 * scale;
    }
}

void drawBackground(Canvas& canvas) {
    // Three bands, lightest at the bottom, inside a two-tone gold frame.
    for (int y = 0; y < kSampleBannerHeight; ++y) {
        const std::uint8_t band = y < 20 ? NavyDark : (y < 40 ? NavyMid : NavyLight);
        canvas.fill(0, y, kSampleBannerWidth - 1, y, band);
    }
    const int r = kSampleBannerWidth - 1;
    const int b = kSampleBannerHeight - 1;
    canvas.fill(0, 0, r, 1, Gold);
    canvas.fill(0, b - 1, r, b, Gold);
    canvas.fill(0, 0, 1, b, Gold);
    canvas.fill(r - 1, 0, r, b, Gold);
    canvas.fill(2, 2, r - 2, 2, GoldDark);
    canvas.fill(2, b - 2, r - 2, b - 2, GoldDark);
    canvas.fill(2, 2, 2, b - 2, GoldDark);
    canvas.fill(r - 2, 2, r - 2, b - 2, GoldDark);
}

void drawTelevision(Canvas& canvas, int frame) {
    // Antenna.
    for (int i = 0; i < 10; ++i) {
        canvas.set(36 - i, 15 - i, BodyDark);
        canvas.set(38 + i, 15 - i, BodyDark);
    }
    canvas.fill(12, 16, 62, 52, BodyDark);
    canvas.fill(13, 17, 61, 51, BodyGrey);
    canvas.fill(15, 19, 51, 49, Black);
    canvas.fill(55, 22, 58, 25, BodyDark); // knobs
    canvas.fill(55, 30, 58, 33, BodyDark);
    canvas.fill(20, 53, 23, 55, BodyDark); // feet
    canvas.fill(51, 53, 54, 55, BodyDark);

    // Colour bars that roll one place per frame.
    constexpr std::uint8_t bars[] = {BarWhite, BarYellow, BarCyan, BarGreen, BarMagenta, BarRed, BarBlue};
    constexpr int barCount = 7;
    for (int x = 16; x <= 50; ++x) {
        const int bar = ((x - 16) / 5 + frame) % barCount;
        canvas.fill(x, 20, x, 42, bars[bar]);
    }
    for (int x = 16; x <= 50; ++x) { // the darker strip under the bars
        const int bar = ((x - 16) / 5 + barCount - frame % barCount) % barCount;
        canvas.fill(x, 43, x, 48, bar % 2 == 0 ? BarBlue : Black);
    }
}

void drawTexts(Canvas& canvas, int frame) {
    // The shine is a slanted band that crosses the word in frames 1..7; frame 0 is the rest.
    const int shineCentre = frame == 0 ? -1000 : frame * 22 - 10;
    const auto shadow = [](int, int) { return Shadow; };
    const auto word = [shineCentre](int x, int y) {
        const int distance = x - 76 + (y - 16) / 2 - shineCentre;
        return (distance > -10 && distance < 10) ? TextShine : TextYellow;
    };
    drawText(canvas, U"КАНАВО", 78, 18, 4, shadow);
    drawText(canvas, U"КАНАВО", 76, 16, 4, word);

    const auto caption = [](int, int) { return TextBlue; };
    drawText(canvas, U"ТЕЛЕПРОГРАММА", 262, 14, 2, caption);
    drawText(canvas, U"НА НЕДЕЛЮ", 262, 34, 2, caption);
}

void drawLamp(Canvas& canvas, int frame) {
    const Colour colour = frame % 2 == 0 ? LampOn : LampOff;
    constexpr int cx = 438, cy = 30, radius = 8;
    for (int y = -radius; y <= radius; ++y) {
        for (int x = -radius; x <= radius; ++x) {
            const int d = x * x + y * y;
            if (d <= radius * radius) {
                canvas.set(cx + x, cy + y, d > (radius - 2) * (radius - 2) ? BodyDark : colour);
            }
        }
    }
}

} // namespace

std::vector<std::uint8_t> makeSampleBannerGif() {
    GifAnimation animation;
    animation.width = kSampleBannerWidth;
    animation.height = kSampleBannerHeight;
    animation.palette = kPalette;
    for (int frame = 0; frame < kFrames; ++frame) {
        Canvas canvas;
        drawBackground(canvas);
        drawTelevision(canvas, frame);
        drawTexts(canvas, frame);
        drawLamp(canvas, frame);
        animation.frames.push_back({canvas.take(), frame == 0 ? 150 : 12});
    }
    return encodeGif(animation);
}

} // namespace kanavo
