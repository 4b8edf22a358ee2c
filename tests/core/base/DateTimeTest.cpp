#include "base/DateTime.h"

#include <gtest/gtest.h>

using namespace kanavo;

TEST(DateTime, EpochAndKnownDays) {
    EXPECT_EQ(encodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(encodeDate(2002, 1, 1), 37257.0);
    EXPECT_EQ(decodeDate(37257.75), (CalendarDate{2002, 1, 1}));
    EXPECT_EQ(formatDate(encodeDate(2026, 12, 7) + encodeTime(23, 59)), "07.12.2026");
}

TEST(DateTime, ParseDateAcceptsOnlyValidDdMmYyyy) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"07.12.2026", true},  {"29.02.2024", true}, {"29.02.2026", false}, {"31.04.2026", false},
        {"00.01.2026", false}, {"7.12.2026", false}, {"07-12-2026", false}, {"07.12.20x6", false},
        {"07.13.2026", false}, {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseDate(c.text).has_value(), c.valid) << c.text;
    }
    EXPECT_EQ(*parseDate("01.01.2002"), encodeDate(2002, 1, 1));
}

TEST(DateTime, TimeOfDayIsAFractionOfADay) {
    EXPECT_EQ(encodeTime(12, 0), 0.5);
    EXPECT_EQ(encodeTime(6, 0), 0.25);
    EXPECT_DOUBLE_EQ(encodeTime(23, 30) + encodeTime(1, 10), 1.0 + encodeTime(0, 40));
}
