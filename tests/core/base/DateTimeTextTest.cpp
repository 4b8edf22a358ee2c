#include "base/DateTime.h"

#include <gtest/gtest.h>

using namespace kanavo;

TEST(DateTimeText, FormatsDayMonthYearHoursMinutes) {
    EXPECT_EQ(formatDateTimeMinutes(encodeDate(2026, 12, 7) + encodeTime(20, 5, 40)), "07.12.2026 20:05");
    EXPECT_EQ(formatDateTimeMinutes(encodeDate(2026, 1, 2)), "02.01.2026 00:00");
    // Just short of midnight by less than a millisecond is midnight of the next day.
    EXPECT_EQ(formatDateTimeMinutes(encodeDate(2026, 12, 7) + 1 - 1e-9), "08.12.2026 00:00");
    EXPECT_EQ(formatDateTimeMinutes(encodeDate(2026, 12, 31) + encodeTime(23, 59, 59, 999)),
              "31.12.2026 23:59");
}

TEST(DateTimeText, ParsesOnlyWholeDatesAndTimes) {
    const TDateTime day = encodeDate(2026, 12, 7);
    struct Case {
        const char* text;
        std::optional<TDateTime> value;
    };
    const Case cases[] = {
        {"07.12.2026 20:05", day + encodeTime(20, 5)},
        {"7.12.2026 5:07", day + encodeTime(5, 7)},
        {"07.12.2026 20:05:30", day + encodeTime(20, 5, 30)},
        {"07.12.2026", day},
        {"07.12.2026 00:00", day},
        {"29.02.2028 10:00", encodeDate(2028, 2, 29) + encodeTime(10, 0)},
        {"29.02.2026 10:00", std::nullopt},
        {"07.12.26 10:00", std::nullopt},
        {"07.12.2026 24:00", std::nullopt},
        {"07.12.2026 20:60", std::nullopt},
        {"07.12.2026 20:05:60", std::nullopt},
        {"07.12.2026  20:05", std::nullopt},
        {"07.12.2026 20:05 ", std::nullopt},
        {"07.12.2026 20", std::nullopt},
        {"07.12.2026 20:", std::nullopt},
        {"007.12.2026 20:05", std::nullopt},
        {"0", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseDateTime(c.text), c.value) << c.text;
    }
    const TDateTime written = day + encodeTime(23, 59);
    EXPECT_EQ(parseDateTime(formatDateTimeMinutes(written)), written);
}
