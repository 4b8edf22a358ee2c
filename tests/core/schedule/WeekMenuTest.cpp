#include "schedule/WeekMenu.h"

#include "WeekTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kanavo;
using namespace kanavo::test;

namespace {

WeekItem itemOf(const std::string& caption, const std::string& file) {
    return {caption, file, parseWeekCaption(caption).value(), false};
}

std::vector<std::string> captions(const WeekMenu& menu) {
    std::vector<std::string> result;
    for (const WeekItem& item : menu.items()) {
        result.push_back(item.caption);
    }
    return result;
}

std::vector<std::string> files(const WeekMenu& menu) {
    std::vector<std::string> result;
    for (const WeekItem& item : menu.items()) {
        result.push_back(item.path.string());
    }
    return result;
}

// The menu of `weeks` consecutive weeks from 07.12.2026, oldest first.
WeekMenu consecutiveWeeks(int weeks) {
    WeekMenu menu;
    const TDateTime monday = encodeDate(2026, 12, 7);
    for (int i = 0; i < weeks; ++i) {
        menu.insertByFirstDay(
            itemOf(formatDate(monday + 7 * i) + " - " + formatDate(monday + 7 * i + 6), std::to_string(i)));
    }
    return menu;
}

} // namespace

TEST(WeekMenu, AFileBecomesAnItemOnlyWithTheMagicAndTwoValidDates) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* caption; // nullptr: no item
    };
    const std::string header = makeWeekHeader(encodeDate(2026, 12, 7));
    const Case cases[] = {
        {"weekly file", header + "&*container", "07.12.2026 - 13.12.2026"},
        {"header only, container cut off", header, "07.12.2026 - 13.12.2026"},
        {"magic one character off", "Kanavo v2,1 07.12.2026 - 13.12.2026\r\n", nullptr},
        {"magic in lower case", "kanavo v2.1 07.12.2026 - 13.12.2026\r\n", nullptr},
        {"not a weekly file", "[CANALS]\r\n1 A\r\n", nullptr},
        {"empty file", "", nullptr},
        {"first day not a date", "Kanavo v2.1 32.12.2026 - 13.12.2026\r\n", nullptr},
        {"last day not a date", "Kanavo v2.1 07.12.2026 - 13.13.2026\r\n", nullptr},
        {"header line cut short", "Kanavo v2.1 07.12.2026 - 13.12\r\n2026", nullptr},
        {"free characters are not examined", "Kanavo v2.xx07.12.2026 - 13.12.2026\n",
         "07.12.2026 - 13.12.2026"},
    };
    ScratchFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = folder.path() / "week.knv";
        writeText(file, c.bytes);
        const std::optional<WeekItem> item = readWeekItem(file);
        if (!c.caption) {
            EXPECT_FALSE(item);
            continue;
        }
        ASSERT_TRUE(item);
        EXPECT_EQ(item->caption, c.caption);
        EXPECT_EQ(item->path, file);
        EXPECT_EQ(item->range.firstDay, encodeDate(2026, 12, 7));
        EXPECT_EQ(item->range.lastDay, encodeDate(2026, 12, 13));
        EXPECT_FALSE(item->checked);
    }
    EXPECT_FALSE(readWeekItem(folder.path() / "missing.knv"));
}

TEST(WeekMenu, TheFolderListingTakesKnvFilesInAnyLetterCase) {
    ScratchFolder folder;
    for (const char* name : {"a.knv", "b.KNV", "c.Knv", ".knv", "d.knv.bak", "e.kn", "fknv", "g.txt"}) {
        writeText(folder.path() / name, "x");
    }
    std::filesystem::create_directories(folder.path() / "h.knv");
    std::vector<std::string> names;
    for (const auto& path : listWeekFiles(folder.path())) {
        EXPECT_EQ(path.parent_path(), folder.path());
        names.push_back(path.filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".knv", "a.knv", "b.KNV", "c.Knv"}));
    EXPECT_TRUE(listWeekFiles(folder.path() / "missing").empty());
}

TEST(WeekMenu, ItemsStandInOrderOfTheirFirstDayAndEqualDaysKeepTheOrderFound) {
    WeekMenu menu;
    menu.insertByFirstDay(itemOf("14.01.2002 - 20.01.2002", "a"));
    menu.insertByFirstDay(itemOf("07.01.2002 - 13.01.2002", "b"));
    menu.insertByFirstDay(itemOf("21.01.2002 - 27.01.2002", "c"));
    EXPECT_EQ(captions(menu), (std::vector<std::string>{"07.01.2002 - 13.01.2002", "14.01.2002 - 20.01.2002",
                                                        "21.01.2002 - 27.01.2002"}));

    // Same first day, and a week ordered by its first day even when its last day is odd.
    menu.insertByFirstDay(itemOf("14.01.2002 - 20.01.2002", "d"));
    menu.insertByFirstDay(itemOf("07.01.2002 - 31.12.2002", "e"));
    menu.insertByFirstDay(itemOf("14.01.2002 - 15.01.2002", "f"));
    EXPECT_EQ(files(menu), (std::vector<std::string>{"b", "e", "a", "d", "f", "c"}));
}

TEST(WeekMenu, TrimmingKeepsTheFiveNewestOnlyAboveSix) {
    struct Case {
        int weeks;
        int kept;
    };
    for (const Case c : {Case{1, 1}, Case{5, 5}, Case{6, 6}, Case{7, 5}, Case{12, 5}}) {
        SCOPED_TRACE(c.weeks);
        WeekMenu menu = consecutiveWeeks(c.weeks);
        const std::vector<WeekItem> removed = menu.trimOldest();
        ASSERT_EQ(menu.size(), static_cast<std::size_t>(c.kept));
        EXPECT_EQ(removed.size(), static_cast<std::size_t>(c.weeks - c.kept));
        for (std::size_t i = 0; i < removed.size(); ++i) {
            EXPECT_EQ(removed[i].path, std::to_string(i));
        }
        EXPECT_EQ(menu.items().back().path, std::to_string(c.weeks - 1));
    }
}

TEST(WeekMenu, TheSecondNewestWeekIsChosenOnlyWhenItHoldsToday) {
    const WeekMenu menu = consecutiveWeeks(5); // 07.12.2026 .. 10.01.2027
    struct Case {
        const char* name;
        TDateTime today;
        std::size_t chosen;
    };
    const Case cases[] = {
        {"Monday of the second-newest", encodeDate(2026, 12, 28), 3},
        {"Sunday evening of the second-newest", encodeDate(2027, 1, 3) + 0.99, 3},
        {"Monday of the newest", encodeDate(2027, 1, 4), 4},
        {"after every week", encodeDate(2027, 2, 1), 4},
        {"in the oldest week", encodeDate(2026, 12, 8), 4},
        {"before every week", encodeDate(2020, 1, 1), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(menu.choose(c.today), c.chosen);
    }
    EXPECT_EQ(consecutiveWeeks(2).choose(encodeDate(2026, 12, 13)), 0u);
    EXPECT_EQ(consecutiveWeeks(1).choose(encodeDate(2026, 12, 13)), 0u);
}

TEST(WeekMenu, AtMostOneItemCarriesTheCheckMark) {
    WeekMenu menu = consecutiveWeeks(3);
    EXPECT_FALSE(menu.checkedIndex());
    menu.check(2);
    menu.check(1);
    EXPECT_EQ(menu.checkedIndex(), 1u);
    EXPECT_FALSE(menu[2].checked);
    menu.remove(1);
    EXPECT_FALSE(menu.checkedIndex());
}
