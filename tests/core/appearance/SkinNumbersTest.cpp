#include "appearance/SkinNumbers.h"
#include "appearance/SkinMetrics.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

namespace kanavo {
namespace {

TEST(SkinNumbersTest, IntegersInEveryWrittenForm) {
    struct Case {
        std::string_view text;
        std::optional<std::int32_t> value;
    };
    const std::vector<Case> cases = {
        {"0", 0},
        {"24", 24},
        {"  16\t", 16},
        {"+7", 7},
        {"-5", -5},
        {"08", 8},
        {"$FF", 255},
        {"$ff", 255},
        {"0x1f", 31},
        {"0X1F", 31},
        {"-$10", -16},
        {"$00000000000A", 10},
        {"$FFFFFFFF", -1}, // the 32-bit pattern, as hexadecimal is written
        {"$80000000", std::numeric_limits<std::int32_t>::min()},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        // Not a number, or not one that fits: the key keeps its default.
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"-", std::nullopt},
        {"$G1", std::nullopt},
        {"0xx1", std::nullopt},
        {"--1", std::nullopt},
        {"$100000000", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999999", std::nullopt}, // must not wrap around to a small value
        {"18446744073709551617", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseSkinInteger(c.text), c.value) << "\"" << c.text << "\"";
    }
}

TEST(SkinNumbersTest, ColoursPlainAndFromTheDesktop) {
    struct Case {
        std::string_view text;
        std::optional<SkinColor> color;
    };
    const std::vector<Case> cases = {
        {"15645616", SkinColor::fromRgb(176, 187, 238)},
        {"$FF0000", SkinColor::fromRgb(0, 0, 255)},
        {"0xFF", SkinColor::fromRgb(255, 0, 0)},
        {"0", SkinColor::fromRgb(0, 0, 0)},
        // The top byte of a plain colour is not part of it.
        {"$01FF0000", SkinColor::fromRgb(0, 0, 255)},
        // The desktop colours as they are written: decimal above the signed range, or hex.
        {"2147483655", SkinColor::system(SystemColor::MenuText)},
        {"2147483661", SkinColor::system(SystemColor::Highlight)},
        {"2147483672", SkinColor::system(SystemColor::InfoBackground)},
        {"$8000000D", SkinColor::system(SystemColor::Highlight)},
        {"-2147483635", SkinColor::system(SystemColor::Highlight)},
        {"4294967295", SkinColor::system(255)},
        {"4294967296", std::nullopt},
        {"-4294967295", std::nullopt},
        {"red", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseSkinColor(c.text), c.color) << "\"" << c.text << "\"";
    }
}

TEST(SkinNumbersTest, ColourComponentsAndSystemIndex) {
    const auto plain = SkinColor::fromBgr(14267058);
    EXPECT_FALSE(plain.isSystem());
    EXPECT_EQ(plain.systemIndex(), -1);
    EXPECT_EQ(plain.red(), 178);
    EXPECT_EQ(plain.green(), 178);
    EXPECT_EQ(plain.blue(), 217);

    const auto highlight = SkinColor::fromRaw(2147483661u);
    EXPECT_TRUE(highlight.isSystem());
    EXPECT_EQ(highlight.systemIndex(), 13);
    EXPECT_EQ(highlight.red(), 0);
}

TEST(SkinNumbersTest, BooleansAreNonZeroIntegers) {
    EXPECT_EQ(parseSkinBoolean("0"), false);
    EXPECT_EQ(parseSkinBoolean("1"), true);
    EXPECT_EQ(parseSkinBoolean("-1"), true);
    EXPECT_EQ(parseSkinBoolean("$10"), true);
    EXPECT_EQ(parseSkinBoolean("true"), std::nullopt);
    EXPECT_EQ(parseSkinBoolean(""), std::nullopt);
}

TEST(SkinNumbersTest, BorderMetricsFromTheBitmapSize) {
    struct Case {
        int width;
        int height;
        SkinMetrics metrics;
        bool usable;
    };
    const std::vector<Case> cases = {
        {24, 3, {3, 3}, true},  // the built-in border
        {47, 5, {5, 5}, true},  // width div 8
        {80, 2, {2, 10}, true}, // pieces need not be square
        {7, 3, {0, 0}, false},  // narrower than eight pieces
        {24, 0, {0, 0}, false}, // no height
        {0, 0, {0, 0}, false},  // an image that did not load
        {-8, 3, {0, 0}, false}, // nonsense from a broken decoder
        {24, -3, {0, 0}, false},
    };
    for (const auto& c : cases) {
        const auto m = skinMetrics(c.width, c.height);
        EXPECT_EQ(m, c.metrics) << c.width << "x" << c.height;
        EXPECT_EQ(m.usable(), c.usable) << c.width << "x" << c.height;
    }
}

} // namespace
} // namespace kanavo
