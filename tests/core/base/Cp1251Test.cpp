#include "base/Cp1251.h"

#include <gtest/gtest.h>

using namespace kanavo;

namespace {
std::string cp(const char* utf8) {
    return *cp1251::fromUtf8(utf8);
}
} // namespace

TEST(Cp1251, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const auto back = cp1251::fromUtf8(cp1251::toUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1251, KnownLettersConvert) {
    EXPECT_EQ(cp1251::toUtf8("\xCF\xE5\xF0\xE2\xFB\xE9"), "Первый");
    EXPECT_EQ(cp1251::toUtf8("\xA8\xB8\xB9"), "Ёё№");
}

TEST(Cp1251, CharactersOutsideThePageAreRefused) {
    std::string bad;
    EXPECT_FALSE(cp1251::fromUtf8("ok \xE4\xB8\xAD", &bad).has_value()); // a CJK character
    EXPECT_EQ(bad, "\xE4\xB8\xAD");
    EXPECT_FALSE(cp1251::fromUtf8("\xC3\x28").has_value()); // malformed UTF-8
    EXPECT_FALSE(cp1251::fromUtf8("\xE2\x82").has_value()); // cut short
    // Typed text keeps what it can.
    EXPECT_EQ(cp1251::fromUtf8Lossy("ok \xE4\xB8\xAD Ё"), "ok ? \xA8");
    EXPECT_EQ(cp1251::fromUtf8Lossy("\xE2\x82"), "?");
}

TEST(Cp1251, LowerCaseCoversTheCyrillicCapitalsOfThePage) {
    EXPECT_EQ(cp1251::toLower(cp("ПЕРВЫЙ Канал ЁЖ ЂЃЉЊЌЋЏЎЈҐЄЇІЅ ABC")),
              cp("первый канал ёж ђѓљњќћџўјґєїіѕ abc"));
    // Signs and digits have no case.
    EXPECT_EQ(cp1251::toLower(cp("№ 1 «»")), cp("№ 1 «»"));
}

TEST(Cp1251, ComparisonIgnoresCaseAndPlacesYoAfterYe) {
    EXPECT_TRUE(cp1251::equalsIgnoreCase(cp("[первый канал0]"), cp("[Первый канал0]")));
    EXPECT_FALSE(cp1251::equalsIgnoreCase("abc", "abd"));
    EXPECT_EQ(cp1251::compareIgnoreCase("knv", "KNV"), 0);
    EXPECT_LT(cp1251::compareIgnoreCase("A", "b"), 0);
    EXPECT_LT(cp1251::compareIgnoreCase(cp("Ель"), cp("ёлка")), 0);
    EXPECT_LT(cp1251::compareIgnoreCase(cp("Ёлка"), cp("жук")), 0);
    EXPECT_LT(cp1251::compareIgnoreCase("ab", "abc"), 0);
}
