#include "alarms/AutoAlarm.h"
#include "AlarmsFixture.h"
#include "views/ListingComposer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace kanavo::test {
namespace {

// A schedule line: type code (type + 40), "HH:MM", a blank, the title (UTF-8).
std::string line(int type, const char* time, const char* title) {
    return std::string(1, static_cast<char>(40 + type)) + time + " " + title;
}

// "dd.mm.yyyy hh:nn channel type text" of every entry, UTF-8, in list order.
std::vector<std::string> entries(const Settings& settings) {
    std::vector<std::string> out;
    for (int i = 1; i <= alarmCount(settings); ++i) {
        const TAlarmEntry& e = settings.Alarms[static_cast<std::size_t>(i)];
        out.push_back(formatDateTimeMinutes(e.Time) + " " + cp1251::toUtf8(e.Canal) + " " +
                      std::to_string(e.Type) + " " + cp1251::toUtf8(e.Description));
    }
    return out;
}

class AutoAlarmFixture {
public:
    AutoAlarmFixture() {
        channels = {{cp("ТВЦ"), 1, 0}, {cp("НТВ"), 2, 1}};
        settings.ChannelPrefs = {cp("ТВЦ"), cp("*НТВ")};
    }
    void setSchedule(const std::vector<std::string>& utf8Lines) {
        std::vector<std::string> lines;
        for (const std::string& l : utf8Lines) {
            lines.push_back(cp(l));
        }
        schedule = ScheduleText(std::move(lines));
    }
    void setKeywords(const std::vector<std::string>& words) {
        settings.AutoAlarmCount = static_cast<int>(words.size());
        for (std::size_t k = 0; k < words.size(); ++k) {
            settings.AutoAlarmWords[k + 1] = cp(words[k]);
        }
    }
    int apply(TDateTime now) {
        return MenuAutoAlarmApplyClick({&schedule, weekStart, &channels}, settings, now);
    }

    TDateTime weekStart = at(7, 0, 0);
    ScheduleText schedule;
    std::vector<WeekChannel> channels;
    Settings settings;
};

struct NoClock : Clock {
    TDateTime value = 0;
    TDateTime now() const override { return value; }
};

class AutoAlarmBellTest : public ::testing::Test, protected AutoAlarmFixture {};

// Every reminder the auto-alarm sets is a programme the listing shows with its bell, also
// past midnight and under an hour shift: both date a programme the same way.
TEST_F(AutoAlarmBellTest, EveryReminderShowsItsBellInTheListing) {
    settings.PerChannelShift = true;
    settings.ChannelShift[0] = -2;
    setKeywords({"кино"});
    setSchedule({"[ТВЦ0]", line(1, "20:00", "Кино вечером"), line(1, "23:50", "Кино в полночь"),
                 line(1, "01:30", "Кино ночью"), line(0, "03:00", "Окончание")});
    ASSERT_EQ(apply(at(7, 12, 0)), 3);
    NoClock clock;
    clock.value = at(7, 12, 0);
    ListingComposer composer(settings, clock, [](std::string_view, RowImages) { return 0; });
    composer.setWeek({&schedule, weekStart, &channels});
    ViewState state;
    state.channelButton.show(cp("ТВЦ"), 1);
    const Listing listing = composer.WriteTV(0, state);
    ASSERT_EQ(listing.rows.size(), 3u);
    for (const ListingRow& row : listing.rows) {
        EXPECT_EQ(row.imageIndex1, kBellImage) << formatDateTimeMinutes(row.startTime);
    }
}

struct AutoCase {
    const char* name;
    std::vector<std::string> keywords;
    std::vector<std::string> schedule;
    std::vector<std::string> expected;
    TDateTime now = at(7, 10, 0); // Monday 10:00
    int weekStartDay = 7;
    int shiftTvc = 0; // ChannelShift of ТВЦ, with PerChannelShift
};
void PrintTo(const AutoCase& c, std::ostream* os) {
    *os << c.name;
}

class AutoAlarmTest : public ::testing::TestWithParam<AutoCase>, protected AutoAlarmFixture {};

TEST_P(AutoAlarmTest, AddsTheMatchingProgrammes) {
    const AutoCase& c = GetParam();
    weekStart = at(c.weekStartDay, 0, 0);
    if (c.shiftTvc != 0) {
        settings.PerChannelShift = true;
        settings.ChannelShift[0] = c.shiftTvc;
    }
    setKeywords(c.keywords);
    setSchedule(c.schedule);
    EXPECT_EQ(apply(c.now), static_cast<int>(c.expected.size()));
    EXPECT_EQ(entries(settings), c.expected);
}

const std::string kClose = line(0, "23:30", "Окончание");

INSTANTIATE_TEST_SUITE_P(
    Cases, AutoAlarmTest,
    ::testing::Values(
        AutoCase{"Football",
                 {"футбол"},
                 {"[ТВЦ2]", line(4, "19:00", "Футбол. Чемпионат"), kClose},
                 {"09.12.2026 19:00 ТВЦ 4 Футбол. Чемпионат"}},
        AutoCase{
            "ChampionsLeagueAsSubstring",
            {"лига чемпионов"},
            {"[ТВЦ2]", line(4, "18:00", "Лига чемпионов УЕФА"), line(4, "20:00", "Суперлига чемпионов"),
             line(4, "22:00", "Лига Европы"), kClose},
            {"09.12.2026 18:00 ТВЦ 4 Лига чемпионов УЕФА", "09.12.2026 20:00 ТВЦ 4 Суперлига чемпионов"}},
        AutoCase{"DoubleBlankMatchesNothing",
                 {"лига  чемпионов", " лига", ""},
                 {"[ТВЦ2]", line(4, "18:00", "Лига  чемпионов УЕФА"), line(4, "20:00", "Лига"), kClose},
                 {}},
        // The time is part of the line.
        AutoCase{"HourPrefixMatchesEveryProgrammeOfThatHour",
                 {"19:"},
                 {"[ТВЦ2]", line(3, "18:45", "Время"), line(1, "19:00", "Кино"), line(2, "19:45", "Новости"),
                  line(1, "20:00", "Ещё кино"), kClose},
                 {"09.12.2026 19:00 ТВЦ 1 Кино", "09.12.2026 19:45 ТВЦ 2 Новости"}},
        // On a Thursday Monday to Wednesday are left alone, even of next week's file.
        AutoCase{"FromTodaysWeekday",
                 {"новости"},
                 {"[ТВЦ0]", line(2, "09:00", "Новости"), kClose, "[ТВЦ2]", line(2, "09:00", "Новости"),
                  kClose, "[ТВЦ3]", line(2, "09:00", "Новости"), kClose, "[ТВЦ6]",
                  line(2, "09:00", "Новости"), kClose},
                 {"17.12.2026 09:00 ТВЦ 2 Новости", "20.12.2026 09:00 ТВЦ 2 Новости"},
                 at(10, 8, 0),
                 14},
        AutoCase{"ShiftForward",
                 {"утро"},
                 {"[ТВЦ2]", line(2, "07:00", "Утро"), kClose, "[НТВ2]", line(2, "07:00", "Утро"), kClose},
                 {"09.12.2026 07:00 НТВ 2 Утро", "09.12.2026 09:00 ТВЦ 2 Утро"},
                 at(7, 10, 0),
                 7,
                 2},
        // Below midnight: the evening of the same date, not of the day before.
        AutoCase{"ShiftBackKeepsTheDate",
                 {"утро"},
                 {"[ТВЦ2]", line(2, "07:00", "Утро"), kClose},
                 {"09.12.2026 23:00 ТВЦ 2 Утро"},
                 at(7, 10, 0),
                 7,
                 -8},
        // Past midnight in Monday's section: the next date, as the listing shows it, so
        // the reminder comes when the programme is on and its bell shows in the listing.
        AutoCase{"CarriedPastMidnightLikeTheListing",
                 {"ночное"},
                 {"[ТВЦ0]", line(1, "05:00", "Утро"), line(1, "23:00", "Ночное кино"),
                  line(1, "01:30", "Ночное кино 2"), line(0, "06:00", "Ночное окончание")},
                 {"07.12.2026 23:00 ТВЦ 1 Ночное кино", "08.12.2026 01:30 ТВЦ 1 Ночное кино 2"},
                 at(7, 0, 0)},
        // The closing line only ends the day; no programme starts there.
        AutoCase{"ClosingLineIsNoProgramme",
                 {"окончание"},
                 {"[ТВЦ2]", line(4, "19:00", "Футбол"), kClose, "[НТВ2]", line(4, "19:00", "Футбол")},
                 {}},
        AutoCase{"OnlyProgrammesStillToCome",
                 {"кино"},
                 {"[ТВЦ2]", line(1, "17:00", "Кино 1"), line(1, "18:00", "Кино 2"),
                  line(1, "18:01", "Кино 3"), kClose},
                 {"09.12.2026 18:01 ТВЦ 1 Кино 3"},
                 at(9, 18, 0)},
        // Codes outside the fifteen types, and times that are none, add nothing.
        AutoCase{"LinesWithoutTypeOrTime",
                 {"футбол"},
                 {"[ТВЦ2]", "'19:00 Футбол внизу", "719:30 Футбол вверху",
                  line(4, "1x:00", "Футбол без времени"), line(4, "24:00", "Футбол в полночь"),
                  line(4, "20:00", "Футбол"), kClose},
                 {"09.12.2026 20:00 ТВЦ 4 Футбол"}},
        AutoCase{"SeveralKeywordsOneEntry",
                 {"футбол", "чемпионат", "19:00"},
                 {"[ТВЦ2]", line(4, "19:00", "Футбол. Чемпионат"), kClose},
                 {"09.12.2026 19:00 ТВЦ 4 Футбол. Чемпионат"}},
        AutoCase{"AllWordsOfAnEntry",
                 {"футбол россия"},
                 {"[ТВЦ2]", line(4, "19:00", "Футбол. Россия - Испания"), line(4, "21:00", "Футбол. Италия"),
                  kClose},
                 {"09.12.2026 19:00 ТВЦ 4 Футбол. Россия - Испания"}},
        // Ten parts: the eleventh word is never looked for.
        AutoCase{"WordsAfterTheTenthIgnored",
                 {"а б в г д е ж з и к отсутствует"},
                 {"[ТВЦ2]", line(4, "19:00", "а б в г д е ж з и к"), kClose},
                 {"09.12.2026 19:00 ТВЦ 4 а б в г д е ж з и к"}},
        AutoCase{"CapitalsOfTheCodePage",
                 {"ЁЛКИ"},
                 {"[твц2]", line(1, "19:00", "Ёлки-палки"), kClose},
                 {"09.12.2026 19:00 ТВЦ 1 Ёлки-палки"}},
        // Only the channels of the menu are read; a missing day adds nothing.
        AutoCase{"ChannelsOfTheMenuOnly",
                 {"футбол"},
                 {"[СТС2]", line(4, "19:00", "Футбол"), kClose, "[НТВ3]", line(4, "19:00", "Футбол"), kClose},
                 {"10.12.2026 19:00 НТВ 4 Футбол"}}),
    [](const auto& info) { return std::string(info.param.name); });

class AutoAlarmRunTest : public ::testing::Test, protected AutoAlarmFixture {};

TEST_F(AutoAlarmRunTest, ApplyingTwiceAddsNothingNew) {
    setKeywords({"футбол", "новости"});
    setSchedule({"[ТВЦ2]", line(4, "19:00", "Футбол"), line(2, "21:00", "Новости"), kClose, "[НТВ3]",
                 line(2, "08:00", "Новости"), kClose});
    EXPECT_EQ(apply(at(7, 10, 0)), 3);
    const auto first = entries(settings);
    EXPECT_EQ(apply(at(7, 10, 0)), 0);
    EXPECT_EQ(entries(settings), first);
}

TEST_F(AutoAlarmRunTest, MarkedProgrammeIsNotMarkedTwice) {
    setKeywords({"футбол"});
    setSchedule({"[ТВЦ2]", line(4, "19:00", "Футбол"), kClose});
    addAlarm(settings, "ТВЦ", at(9, 19, 0), "Футбол", 4);
    EXPECT_EQ(apply(at(7, 10, 0)), 0);
    EXPECT_EQ(settings.AlarmCount, 1);
}

TEST_F(AutoAlarmRunTest, FullListStopsAddingAndTheRunCompletes) {
    setKeywords({"футбол"});
    setSchedule({"[ТВЦ2]", line(4, "19:00", "Футбол 1"), line(4, "20:00", "Футбол 2"), kClose});
    for (int i = 0; i < AlarmCapacity - 1; ++i) {
        addAlarm(settings, "Другой", at(20, 0, 0));
    }
    EXPECT_EQ(apply(at(7, 10, 0)), 1);
    EXPECT_EQ(settings.AlarmCount, AlarmCapacity);
    EXPECT_EQ(findAlarm(settings, cp("ТВЦ"), at(9, 19, 0)), 1) << "sorted to the front";
    EXPECT_EQ(findAlarm(settings, cp("ТВЦ"), at(9, 20, 0)), 0);
}

// One sort pass per section, so a whole channel-day appended at once may stay out of order.
TEST_F(AutoAlarmRunTest, OneSortPassPerSection) {
    setKeywords({"кино"});
    setSchedule({"[ТВЦ1]", line(1, "10:00", "Кино 1"), line(1, "19:00", "Кино 2"), kClose});
    addAlarm(settings, "НТВ", at(9, 20, 0));
    EXPECT_EQ(apply(at(7, 10, 0)), 2);
    EXPECT_EQ(alarmTimes(settings),
              (std::vector<std::string>{"08.12.2026 10:00", "09.12.2026 20:00", "08.12.2026 19:00"}));
}

TEST_F(AutoAlarmRunTest, TextAndChannelHeldTo255) {
    setKeywords({"футбол"});
    channels = {{std::string(300, 'K'), 1, 0}};
    setSchedule(
        {"[" + std::string(300, 'K') + "2]", line(4, "19:00", "Футбол ") + std::string(400, 't'), kClose});
    EXPECT_EQ(apply(at(7, 10, 0)), 1);
    EXPECT_EQ(settings.Alarms[1].Canal.size(), 255u);
    EXPECT_EQ(settings.Alarms[1].Description.size(), 255u);
    EXPECT_EQ(apply(at(7, 10, 0)), 0) << "the held name still finds its duplicate";
}

TEST(KeywordEntryTest, TenParts) {
    const std::vector<std::string> abc{"a", "b", "c", "a", "a", "a", "a", "a", "a", "a"};
    const KeywordEntry entry("A B C");
    EXPECT_EQ(std::vector<std::string>(entry.parts().begin(), entry.parts().end()), abc);
    EXPECT_FALSE(KeywordEntry("").matches("anything"));
    EXPECT_FALSE(KeywordEntry("a  b").matches("a  b"));
    EXPECT_TRUE(KeywordEntry("a ").matches("xa")) << "a trailing blank leaves no empty part";
}

} // namespace
} // namespace kanavo::test
