#include "SampleWeek.h"
#include "GifDecoder.h"
#include "base/Cp1251.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string_view>

using namespace kanavo;

namespace {

const TDateTime kMonday = encodeDate(2026, 12, 7);

std::string cp(const char* utf8) {
    return *cp1251::fromUtf8(utf8);
}

// The text split at CR LF; a lone CR or LF, or text after the last line end, fails.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end with CR LF";
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

int minutesOf(const std::string& line) {
    const auto digit = [&](std::size_t i) { return line[i] >= '0' && line[i] <= '9' ? line[i] - '0' : 99; };
    const int h = digit(1) * 10 + digit(2);
    const int m = digit(4) * 10 + digit(5);
    return (line[3] == ':' && h < 24 && m < 60) ? h * 60 + m : -1;
}

// Checks every rule a reader of the schedule relies on; gtest failures say which.
void checkSchedule(const std::string& text, int channels) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        ASSERT_TRUE((b >= 0x20 || c == '\r' || c == '\n') && b != 0x98 && b != 0x7F) << "byte " << int(b);
    }
    const std::vector<std::string> lines = splitLines(text);
    ASSERT_GE(lines.size(), 3u);
    ASSERT_EQ(lines.front(), "[CANALS]");
    ASSERT_EQ(lines.back(), "[END]");

    std::vector<std::string> names;
    std::size_t at = 1;
    for (; at < lines.size() && lines[at] != "[CANALS_END]"; ++at) {
        const std::string& line = lines[at];
        const std::size_t blank = line.find(' ');
        ASSERT_NE(blank, std::string::npos) << line;
        EXPECT_EQ(line.substr(0, blank), std::to_string(names.size() + 1));
        names.push_back(line.substr(blank + 1));
        ASSERT_FALSE(names.back().empty());
        ASSERT_LE(names.back().size(), 255u);
    }
    ASSERT_EQ(static_cast<int>(names.size()), channels);
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i + 1; j < names.size(); ++j) {
            ASSERT_FALSE(cp1251::equalsIgnoreCase(names[i], names[j])) << names[i];
        }
    }

    // Day sections by header; each must appear once.
    std::map<std::string, std::vector<std::string>> sections;
    std::string current;
    for (++at; at + 1 < lines.size(); ++at) {
        const std::string& line = lines[at];
        ASSERT_FALSE(line.empty());
        if (line[0] == '[') {
            current = line;
            ASSERT_TRUE(sections.emplace(current, std::vector<std::string>{}).second) << "twice: " << line;
        } else {
            ASSERT_FALSE(current.empty());
            sections[current].push_back(line);
        }
    }
    ASSERT_EQ(sections.size(), names.size() * 7);

    std::set<char> types;
    std::size_t longTitles = 0;
    for (const std::string& name : names) {
        for (int day = 0; day < 7; ++day) {
            const std::string header = "[" + name + std::to_string(day) + "]";
            const auto found = sections.find(header);
            ASSERT_NE(found, sections.end()) << header;
            const std::vector<std::string>& entries = found->second;
            ASSERT_GE(entries.size(), 10u) << header;

            int passages = 0;
            int previous = -1;
            int previousAbsolute = -1;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const std::string& line = entries[i];
                ASSERT_GE(line.size(), 8u) << header << ": " << line;
                ASSERT_LE(line.size(), 7u + 255u) << header;
                ASSERT_TRUE(line[0] >= '(' && line[0] <= '6') << line;
                ASSERT_EQ(line[6], ' ') << line;
                const int minute = minutesOf(line);
                ASSERT_GE(minute, 0) << line;
                passages += minute < previous ? 1 : 0;
                const int absolute = minute + passages * 24 * 60;
                if (previousAbsolute >= 0) {
                    const int length = absolute - previousAbsolute;
                    ASSERT_TRUE(length >= 5 && length <= 150) << header << ": " << line;
                }
                previous = minute;
                previousAbsolute = absolute;
                if (i + 1 < entries.size()) {
                    types.insert(line[0]);
                    longTitles += line.size() - 7 > 100 ? 1 : 0;
                }
            }
            EXPECT_EQ(passages, 1) << header << ": the day runs into the small hours";
            EXPECT_EQ(entries.back().substr(0, 1) + entries.back().substr(6), "6 " + cp("Конец вещания"))
                << header;
            EXPECT_TRUE(previous >= 60 && previous <= 3 * 60) << header << " ends at " << entries.back();
        }
    }
    EXPECT_EQ(types.size(), 15u) << "every programme type occurs";
    if (channels >= 12) {
        EXPECT_GT(longTitles, 0u) << "some titles are long enough to need a hint";
    }
}

} // namespace

TEST(SampleWeek, ScheduleFollowsTheFileRules) {
    for (const int channels : {1, 12, 200}) {
        SCOPED_TRACE(channels);
        const WeekContent week = makeSampleWeek(kMonday, channels);
        checkSchedule(week.schedule, channels);
    }
}

TEST(SampleWeek, ChannelsHaveRussianNamesThenNumberedOnes) {
    const std::vector<std::string> lines = splitLines(makeSampleWeek(kMonday, 200).schedule);
    EXPECT_EQ(lines[1], cp("1 Первый канал"));
    EXPECT_EQ(lines[2], cp("2 Россия"));
    EXPECT_EQ(lines[200], cp("200 Канал 200"));
}

TEST(SampleWeek, SameArgumentsGiveTheSameBytes) {
    const WeekContent a = makeSampleWeek(kMonday, 12, 5);
    const WeekContent b = makeSampleWeek(kMonday, 12, 5);
    EXPECT_EQ(a.schedule, b.schedule);
    ASSERT_EQ(a.banners.size(), 1u);
    EXPECT_EQ(a.banners[0].gif, b.banners[0].gif);
    EXPECT_NE(a.schedule, makeSampleWeek(kMonday, 12, 6).schedule);
    EXPECT_NE(a.schedule, makeSampleWeek(kMonday + 7, 12, 5).schedule);

    // Pinned so that a change of platform or library cannot alter the bytes unnoticed
    // (a deliberate change of the sample content updates this number).
    std::uint64_t hash = 14695981039346656037ULL; // FNV-1a
    for (const char c : makeSampleWeek(kMonday, 3, 1).schedule) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    EXPECT_EQ(hash, 9732592567109717248ULL);
}

TEST(SampleWeek, RefusesArgumentsOutOfRange) {
    EXPECT_THROW(makeSampleWeek(kMonday, 0), std::invalid_argument);
    EXPECT_THROW(makeSampleWeek(kMonday, 201), std::invalid_argument);
    EXPECT_THROW(makeSampleWeek(std::nan(""), 1), std::invalid_argument);
    EXPECT_THROW(makeSampleWeek(INFINITY, 1), std::invalid_argument);
}

TEST(SampleWeek, BannerIsASmallLoopingAnimation) {
    const WeekContent week = makeSampleWeek(kMonday, 1);
    ASSERT_EQ(week.banners.size(), 1u);
    const Banner& banner = week.banners[0];
    EXPECT_EQ(banner.address, "http://kanavo.example/reklama");
    EXPECT_LT(banner.gif.size(), 8u * 1024u);

    test::DecodedGif gif;
    ASSERT_NO_THROW(gif = test::decodeGif(banner.gif));
    EXPECT_EQ(gif.width, 468);
    EXPECT_EQ(gif.height, 60);
    EXPECT_EQ(gif.loopCount, 0);
    ASSERT_GE(gif.canvases.size(), 2u);
    for (std::size_t i = 1; i < gif.canvases.size(); ++i) {
        EXPECT_NE(gif.canvases[i], gif.canvases[i - 1]) << "frame " << i << " moves";
        EXPECT_GT(gif.delays[i], 0);
    }
}
