#include "AlarmsFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace kanavo::test {
namespace {

std::string hm(int hours, int minutes) {
    return formatDateTimeMinutes(at(7, hours, minutes));
}

struct SortCase {
    const char* name;
    std::vector<std::pair<int, int>> times; // in the order appended, then one pass
    std::vector<std::string> expected;
};
void PrintTo(const SortCase& c, std::ostream* os) {
    *os << c.name;
}

class AlarmSortTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(AlarmSortTest, OneBackwardPass) {
    Settings settings;
    for (const auto& [h, m] : GetParam().times) {
        addAlarm(settings, "A", at(7, h, m));
    }
    AlarmSort(settings);
    EXPECT_EQ(alarmTimes(settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlarmSortTest,
    ::testing::Values(SortCase{"OneAppendedFindsItsPlace",
                               {{10, 0}, {20, 0}, {22, 0}, {15, 0}},
                               {hm(10, 0), hm(15, 0), hm(20, 0), hm(22, 0)}},
                      // Only the earliest of several appended entries is sure to reach its place.
                      SortCase{"TwoAppendedOnePass",
                               {{10, 0}, {20, 0}, {15, 0}, {12, 0}},
                               {hm(10, 0), hm(12, 0), hm(20, 0), hm(15, 0)}},
                      SortCase{"Empty", {}, {}}, SortCase{"Single", {{9, 0}}, {hm(9, 0)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AlarmSortTest, AppendedEntryGoesAfterEntriesOfItsTime) {
    Settings settings;
    addAlarm(settings, "A", at(7, 20, 0));
    addAlarm(settings, "B", at(7, 20, 0));
    addAlarm(settings, "C", at(7, 20, 0));
    AlarmSort(settings);
    EXPECT_EQ(settings.Alarms[1].Canal, "A");
    EXPECT_EQ(settings.Alarms[2].Canal, "B");
    EXPECT_EQ(settings.Alarms[3].Canal, "C");
}

TEST(AlarmSortTest, ExchangesEveryField) {
    Settings settings;
    addAlarm(settings, "A", at(7, 20, 0), "late", 3);
    addAlarm(settings, "B", at(7, 10, 0), "early", 9);
    AlarmSort(settings);
    const TAlarmEntry first{at(7, 10, 0), "B", "early", 9};
    const TAlarmEntry second{at(7, 20, 0), "A", "late", 3};
    EXPECT_EQ(settings.Alarms[1], first);
    EXPECT_EQ(settings.Alarms[2], second);
}

TEST(AlarmSortTest, DamagedCountReadsNoFurtherThanTheTable) {
    Settings settings;
    settings.AlarmCount = AlarmCapacity + 7;
    AlarmSort(settings);                                       // must stay inside the table
    EXPECT_EQ(dueAlarm(settings, at(7, 0, 0)), AlarmCapacity); // Time 0 is long past
}

struct DeleteCase {
    const char* name;
    int index;
    bool deleted;
    std::vector<std::string> remaining; // channels in order
};
void PrintTo(const DeleteCase& c, std::ostream* os) {
    *os << c.name;
}

class AlarmDeleteTest : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(AlarmDeleteTest, MovesTheLaterEntriesDown) {
    Settings settings;
    addAlarm(settings, "A", at(7, 10, 0), "a", 1);
    addAlarm(settings, "B", at(7, 11, 0), "b", 2);
    addAlarm(settings, "C", at(7, 12, 0), "c", 3);
    EXPECT_EQ(AlarmDelete(settings, GetParam().index), GetParam().deleted);
    std::vector<std::string> channels;
    for (int i = 1; i <= settings.AlarmCount; ++i) {
        const TAlarmEntry& e = settings.Alarms[static_cast<std::size_t>(i)];
        channels.push_back(e.Canal);
        // Each entry keeps its own fields: the channel names its type and text.
        EXPECT_EQ(e.Type, e.Canal[0] - 'A' + 1);
        EXPECT_EQ(e.Description, std::string(1, static_cast<char>(e.Canal[0] - 'A' + 'a')));
    }
    EXPECT_EQ(channels, GetParam().remaining);
}

INSTANTIATE_TEST_SUITE_P(Cases, AlarmDeleteTest,
                         ::testing::Values(DeleteCase{"Middle", 2, true, {"A", "C"}},
                                           DeleteCase{"First", 1, true, {"B", "C"}},
                                           DeleteCase{"Last", 3, true, {"A", "B"}},
                                           DeleteCase{"Zero", 0, false, {"A", "B", "C"}},
                                           DeleteCase{"PastTheCount", 4, false, {"A", "B", "C"}},
                                           DeleteCase{"Negative", -1, false, {"A", "B", "C"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AlarmListTest, FullListTakesNothingAndLosesNothing) {
    Settings settings;
    for (int i = 0; i < AlarmCapacity; ++i) {
        addAlarm(settings, "A", at(7, 0, 0) + i / 1440.0);
    }
    const TAlarmEntry last = settings.Alarms[AlarmCapacity];
    EXPECT_FALSE(AlarmAdd(settings, {at(8, 0, 0), "B", "b", 0}));
    EXPECT_EQ(settings.AlarmCount, AlarmCapacity);
    EXPECT_EQ(settings.Alarms[AlarmCapacity], last);
    AlarmClear(settings);
    EXPECT_EQ(settings.AlarmCount, 0);
    EXPECT_TRUE(AlarmAdd(settings, {at(8, 0, 0), "B", "b", 0}));
}

TEST(AlarmListTest, FindsByExactValues) {
    Settings settings;
    addAlarm(settings, "ТВЦ", at(7, 20, 0), "Новости");
    addAlarm(settings, "НТВ", at(7, 20, 0), "Новости");
    addAlarm(settings, "НТВ", at(7, 20, 0), "Футбол");
    const TDateTime time = at(7, 20, 0);
    const TDateTime nextDouble = std::nextafter(time, 1e9);

    EXPECT_EQ(findAlarm(settings, cp("НТВ"), time), 2);
    EXPECT_EQ(findAlarm(settings, cp("нтв"), time), 0) << "channels compare case and all";
    EXPECT_EQ(findAlarm(settings, cp("НТВ"), nextDouble), 0) << "times compare exactly";
    EXPECT_EQ(findAlarmByDescription(settings, time, cp("Новости")), 1);
    EXPECT_EQ(findAlarmByDescription(settings, time, cp("Футбол")), 3);
    EXPECT_EQ(findAlarmByDescription(settings, time, cp("футбол")), 0);
    EXPECT_EQ(findAlarmByDescription(settings, nextDouble, cp("Футбол")), 0);
}

// The list's due entry at a moment, by lead.
struct DueCase {
    const char* name;
    int lead;
    TDateTime entry;
    TDateTime now;
    bool due;
};
void PrintTo(const DueCase& c, std::ostream* os) {
    *os << c.name;
}

class DueAlarmTest : public ::testing::TestWithParam<DueCase> {};

TEST_P(DueAlarmTest, StrictlyAfterTheLeadMoment) {
    Settings settings;
    settings.AlarmLead = GetParam().lead;
    addAlarm(settings, "A", GetParam().entry);
    EXPECT_EQ(dueAlarm(settings, GetParam().now), GetParam().due ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DueAlarmTest,
    ::testing::Values(DueCase{"NoLeadAtTheStart", 0, at(7, 20, 0), at(7, 20, 0), false},
                      DueCase{"NoLeadAMillisecondLater", 0, at(7, 20, 0), at(7, 20, 0, 0, 1), true},
                      DueCase{"NoLeadTheTickAfter", 0, at(7, 20, 0), at(7, 20, 0, 0, 20), true},
                      DueCase{"NoLeadBefore", 0, at(7, 20, 0), at(7, 19, 59, 59, 999), false},
                      // 00:05 on the 12th with ten minutes: due after 23:55 on the 11th.
                      DueCase{"LeadAcrossMidnightAtTheMoment", 10, at(12, 0, 5), at(11, 23, 55), false},
                      DueCase{"LeadAcrossMidnightJustAfter", 10, at(12, 0, 5), at(11, 23, 55, 0, 1), true},
                      DueCase{"LeadAcrossMidnightBefore", 10, at(12, 0, 5), at(11, 23, 54, 59, 999), false},
                      DueCase{"LeadWithinTheDayAtTheMoment", 10, at(7, 20, 0), at(7, 19, 50), false},
                      DueCase{"LeadWithinTheDayJustAfter", 10, at(7, 20, 0), at(7, 19, 50, 0, 1), true},
                      DueCase{"LongestLeadOverMidnight", 99, at(12, 0, 30), at(11, 22, 51, 0, 1), true},
                      DueCase{"LongestLeadOverMidnightAtTheMoment", 99, at(12, 0, 30), at(11, 22, 51),
                              false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DueAlarmTest, AlarmMomentIsTheEveningBefore) {
    EXPECT_EQ(alarmMoment(at(12, 0, 5), 10), at(11, 23, 55));
    EXPECT_EQ(alarmMoment(at(12, 0, 5), 0), at(12, 0, 5));
}

TEST(TakeDueAlarmTest, TwoDueEntriesFireOnTwoTicksFromTheHighestNumber) {
    Settings settings;
    settings.AlarmLead = 0;
    addAlarm(settings, "ТВЦ", at(7, 20, 0), "Новости", 1);
    addAlarm(settings, "НТВ", at(7, 20, 0), "Сегодня", 1);
    addAlarm(settings, "СТС", at(7, 22, 0), "Кино", 1);
    const TDateTime tick = at(7, 20, 0, 0, 20);

    const DueResult first = takeDueAlarm(settings, tick);
    ASSERT_EQ(first.outcome, DueOutcome::Remind);
    EXPECT_EQ(first.index, 2);
    EXPECT_EQ(first.reminder.Canal, cp("НТВ"));
    EXPECT_EQ(first.reminder.Description, cp("Сегодня"));
    EXPECT_EQ(settings.AlarmCount, 2) << "taken out before anyone is told";

    const DueResult second = takeDueAlarm(settings, tick + 20.0 / 86400000);
    ASSERT_EQ(second.outcome, DueOutcome::Remind);
    EXPECT_EQ(second.reminder.Canal, cp("ТВЦ"));

    EXPECT_EQ(takeDueAlarm(settings, tick + 40.0 / 86400000).outcome, DueOutcome::None);
    ASSERT_EQ(settings.AlarmCount, 1);
    EXPECT_EQ(settings.Alarms[1].Canal, cp("СТС"));
}

TEST(TakeDueAlarmTest, ReminderCarriesTheStartNotTheLeadMoment) {
    Settings settings;
    settings.AlarmLead = 10;
    addAlarm(settings, "ТВЦ", at(12, 0, 5), "Ночной эфир");
    const DueResult result = takeDueAlarm(settings, at(11, 23, 56));
    ASSERT_EQ(result.outcome, DueOutcome::Remind);
    EXPECT_EQ(result.reminder.hour, 0);
    EXPECT_EQ(result.reminder.minute, 5);
}

struct SoundCase {
    const char* name;
    bool sound;
    bool loop;
    const char* expectedFile;
};
void PrintTo(const SoundCase& c, std::ostream* os) {
    *os << c.name;
}

class ReminderSoundTest : public ::testing::TestWithParam<SoundCase> {};

TEST_P(ReminderSoundTest, FileOnlyWithSoundLoopAsSet) {
    Settings settings;
    settings.AlarmSound = GetParam().sound;
    settings.AlarmSoundLoop = GetParam().loop;
    settings.AlarmSoundFile = "/home/me/bell.wav";
    addAlarm(settings, "A", at(7, 20, 0));
    const DueResult result = takeDueAlarm(settings, at(7, 20, 1));
    ASSERT_EQ(result.outcome, DueOutcome::Remind);
    EXPECT_EQ(result.reminder.soundFile, GetParam().expectedFile);
    EXPECT_EQ(result.reminder.loopSound, GetParam().loop);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReminderSoundTest,
                         ::testing::Values(SoundCase{"SoundOn", true, false, "/home/me/bell.wav"},
                                           SoundCase{"SoundOffLoopStillPassed", false, true, ""},
                                           SoundCase{"SoundOnLooping", true, true, "/home/me/bell.wav"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TakeDueAlarmTest, AlarmOffDeletesSilently) {
    Settings settings;
    settings.AlarmOn = false;
    addAlarm(settings, "A", at(7, 20, 0));
    addAlarm(settings, "B", at(7, 23, 0));
    const DueResult result = takeDueAlarm(settings, at(7, 21, 0));
    EXPECT_EQ(result.outcome, DueOutcome::DeletedSilently);
    ASSERT_EQ(settings.AlarmCount, 1);
    EXPECT_EQ(settings.Alarms[1].Canal, "B");
}

struct CaptionCase {
    const char* name;
    std::size_t lines1Length;
    std::size_t lines4Length;
    std::size_t kept; // characters of the whole caption kept
    const char* dots;
};
void PrintTo(const CaptionCase& c, std::ostream* os) {
    *os << c.name;
}

class DeleteCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(DeleteCaptionTest, CutAfterSixtyMoreThanColumnOne) {
    const std::string lines1(GetParam().lines1Length, 'c');
    const std::string lines4(GetParam().lines4Length, 't');
    const std::string full = cp("Удалить ") + lines1 + " 09:05 " + lines4;
    EXPECT_EQ(alarmDeleteCaption(lines1, at(7, 9, 5), lines4),
              full.substr(0, GetParam().kept) + GetParam().dots);
}

// "Удалить " and " 09:05 " are 15 characters together.
INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteCaptionTest,
    ::testing::Values(CaptionCase{"ShortWhole", 30, 20, 65, ""},
                      // Exactly column 1 + 60 characters is not longer: whole.
                      CaptionCase{"ExactlyAtTheCut", 30, 45, 90, ""},
                      CaptionCase{"OneOverTheCut", 30, 46, 90, "..."},
                      CaptionCase{"LongText", 30, 200, 90, "..."},
                      // Held to 255 first; so long a column 1 leaves nothing to cut.
                      CaptionCase{"LongColumnOne", 200, 200, 255, ""},
                      // The cut at 253 and three dots pass the limit: the last dot is lost.
                      CaptionCase{"DotsPastTheLimit", 193, 200, 253, ".."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeleteCaptionTest, ReadsTheStartTime) {
    EXPECT_EQ(alarmDeleteCaption(cp("НТВ"), at(7, 0, 5), cp("Сегодня")), cp("Удалить НТВ 00:05 Сегодня"));
}

} // namespace
} // namespace kanavo::test
