#include "schedule/ScheduleText.h"
#include "base/Cp1251.h"
#include "base/Errors.h"

#include <gtest/gtest.h>

using namespace kanavo;

namespace {

std::string cp(const char* utf8) {
    return *cp1251::fromUtf8(utf8);
}

ScheduleText textOf(std::initializer_list<const char*> utf8Lines) {
    std::vector<std::string> lines;
    for (const char* line : utf8Lines) {
        lines.push_back(cp(line));
    }
    return ScheduleText(std::move(lines));
}

struct Programme {
    int type;
    int start;
    int end;
    std::string title;
    friend bool operator==(const Programme&, const Programme&) = default;
};

std::vector<Programme> programmes(const ScheduleText& text, const char* channel, int day) {
    std::vector<Programme> out;
    const auto section = text.daySection(cp(channel), day);
    if (!section) {
        return out;
    }
    for (const ScheduleEntry& e : sectionEntries(text, *section)) {
        out.push_back({e.type, e.startMinutes, e.endMinutes, cp1251::toUtf8(e.title)});
    }
    return out;
}

constexpr int hm(int h, int m) {
    return h * 60 + m;
}

} // namespace

TEST(ScheduleText, LineEndsAndTheNulByte) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"lone CR and lone LF", "a\rb\nc", {"a", "b", "c"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"empty lines kept", "a\r\n\r\nb", {"a", "", "b"}},
        {"NUL ends the text", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {"empty text", "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScheduleText(c.text).lines(), c.lines) << c.name;
    }
}

TEST(ScheduleText, FindLineIsWholeLineCaseInsensitiveFirstMatch) {
    const ScheduleText text = textOf({"[canals]", "1 Первый канал", "[CANALS_END]", "[ПЕРВЫЙ КАНАЛ0]",
                                      "(06:00 a", "[Первый канал0]", "x", "[Первый канал01]"});
    EXPECT_EQ(text.findLine(kCanalsLine), 0u);
    EXPECT_EQ(text.findLine(cp("[первый канал0]")), 3u);
    EXPECT_EQ(text.findLine(cp("[Первый канал")), ScheduleText::npos);
    EXPECT_EQ(text.findLine(cp("1 первый КАНАЛ")), 1u);
    EXPECT_EQ(text.findLine("[none]"), ScheduleText::npos);
}

TEST(ScheduleText, MidnightSectionListsThreeProgrammes) {
    const ScheduleText text =
        textOf({"[CANALS]", "1 Первый канал", "[CANALS_END]", "[первый канал0]", "(06:00 Новости",
                ")23:30 Ночной фильм", "(01:10 Новости", "601:30 Конец вещания", "[END]"});
    const std::vector<Programme> expected = {
        {0, hm(6, 0), hm(23, 30), "Новости"},
        {1, hm(23, 30), hm(1, 10), "Ночной фильм"},
        {0, hm(1, 10), hm(1, 30), "Новости"},
    };
    EXPECT_EQ(programmes(text, "Первый канал", 0), expected);
    EXPECT_TRUE(programmes(text, "Первый канал", 1).empty());
}

TEST(ScheduleText, SectionEdgeCases) {
    const ScheduleText text = textOf({
        "[A0]",
        "(06:00 one line only",
        "[A1]",
        "(06:00 news",
        "706:30 no type",
        "#07:00 no type either",
        "(08:00 ",
        "(09:00",
        "[A2]",
        "(06:00 before a bad time",
        "(6:30  bad",
        "(07:00 after",
        "(08:00 end",
        "[A3]",
        "(06:00 with an empty line",
        "",
        "(07:00 end",
        "[A4]",
        "(06:00 unterminated",
        "(07:00 end",
    });
    EXPECT_TRUE(programmes(text, "A", 0).empty());
    // Lines without a type still end the programme before them; a 7-character line has an empty title.
    EXPECT_EQ(programmes(text, "A", 1), (std::vector<Programme>{{0, hm(6, 0), hm(6, 30), "news"},
                                                                {-1, hm(6, 30), hm(7, 0), "no type"},
                                                                {-1, hm(7, 0), hm(8, 0), "no type either"},
                                                                {0, hm(8, 0), hm(9, 0), ""}}));
    // An invalid time drops its own entry and the one it would have ended.
    EXPECT_EQ(programmes(text, "A", 2), (std::vector<Programme>{{0, hm(7, 0), hm(8, 0), "after"}}));
    EXPECT_EQ(programmes(text, "A", 3),
              (std::vector<Programme>{{0, hm(6, 0), hm(7, 0), "with an empty line"}}));
    EXPECT_EQ(programmes(text, "A", 4), (std::vector<Programme>{{0, hm(6, 0), hm(7, 0), "unterminated"}}));
}

TEST(ScheduleText, EntryFields) {
    struct Case {
        const char* line;
        int type;
        std::optional<int> minutes;
    };
    const Case cases[] = {
        {"(00:00 x", 0, 0},
        {"623:59 x", 14, hm(23, 59)},
        {"724:00 x", -1, std::nullopt},
        {"'12:60 x", -1, std::nullopt},
        {")1a:00 x", 1, std::nullopt},
        {"*12.00 x", 2, std::nullopt},
        {"(12:0", 0, std::nullopt},
        {"", -1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(entryType(c.line), c.type) << c.line;
        EXPECT_EQ(entryMinutes(c.line), c.minutes) << c.line;
    }
    EXPECT_EQ(entryTitle("(06:00 Title with blanks "), "Title with blanks ");
    EXPECT_EQ(entryTitle("(06:00 "), "");
}

TEST(ScheduleText, ChannelLines) {
    const ChannelLine line = parseChannelLine(cp("12 Первый канал HD"));
    EXPECT_EQ(line.number, 12);
    EXPECT_EQ(line.name, cp("Первый канал HD"));

    const char* bad[] = {"x1 Name", "Name", "12a Name", " 12 Name", "99999999999 Name"};
    const char* messages[] = {"'x1' is not a valid integer value", "'Name' is not a valid integer value",
                              "'12a' is not a valid integer value", "'' is not a valid integer value",
                              "'99999999999' is not a valid integer value"};
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        try {
            parseChannelLine(bad[i]);
            ADD_FAILURE() << bad[i];
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), messages[i]);
        }
    }
    EXPECT_EQ(parseChannelLine("-3 Minus").number, -3);
}
