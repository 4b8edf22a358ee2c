#include "ViewsFixture.h"

#include "views/DayNames.h"
#include "views/TypeNames.h"

namespace kanavo::test {
namespace {

class ListingComposerTest : public ViewsFixture {
protected:
    ListingComposerTest() {
        setChannels({"Первый", "Второй", "Третий"});
        showChannel("Первый", 1);
    }
};

// A day that runs past midnight, under every hour shift the settings can give it.
struct ShiftCase {
    const char* name;
    int shift;
    bool perChannel;
    std::vector<std::string> rows;
};

class MidnightShiftTest : public ListingComposerTest, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(MidnightShiftTest, DatesEveryProgrammeOfTheDay) {
    const ShiftCase& c = GetParam();
    setSchedule({"[Первый0]", entry(0, "06:00", "Утро"), entry(1, "23:30", "Фильм"),
                 entry(2, "01:10", "Ночь"), entry(0, "01:30", "конец"), "[Первый1]"});
    if (c.perChannel) {
        settings.PerChannelShift = true;
        settings.ChannelPrefs = {cp("Второй"), cp("*первый")};
        settings.ChannelShift[1] = c.shift;
        settings.TimeZoneShift = 5; // not used with per-channel shifts
    } else {
        settings.TimeZoneShift = c.shift;
    }
    state.CurrentDay = kMonday;
    EXPECT_EQ(describe(compose(kMonday)), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Shifts, MidnightShiftTest,
    ::testing::Values(
        ShiftCase{"none",
                  0,
                  false,
                  {"07.12.2026 06:00-07.12.2026 23:30 Утро", "07.12.2026 23:30-08.12.2026 01:10 Фильм",
                   "08.12.2026 01:10-08.12.2026 01:30 Ночь"}},
        ShiftCase{"minus_one",
                  -1,
                  false,
                  {"07.12.2026 05:00-07.12.2026 22:30 Утро", "07.12.2026 22:30-08.12.2026 00:10 Фильм",
                   "08.12.2026 00:10-08.12.2026 00:30 Ночь"}},
        ShiftCase{"plus_one",
                  1,
                  false,
                  {"07.12.2026 07:00-08.12.2026 00:30 Утро", "08.12.2026 00:30-08.12.2026 02:10 Фильм",
                   "08.12.2026 02:10-08.12.2026 02:30 Ночь"}},
        ShiftCase{"per_channel_unchosen_name",
                  -1,
                  true,
                  {"07.12.2026 05:00-07.12.2026 22:30 Утро", "07.12.2026 22:30-08.12.2026 00:10 Фильм",
                   "08.12.2026 00:10-08.12.2026 00:30 Ночь"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListingComposerTest, ChannelDayWritesHeadingCaptionsAndRowFields) {
    setSchedule(
        {"[первый2]", entry(4, "10:00", "Футбол"), entry(14, "12:00", "Прочее"), entry(0, "13:00", "")});
    state.CurrentDay = kWednesday;
    addAlarm("Первый", encodeDate(2026, 12, 9) + encodeTime(12, 0), "Прочее");
    addAlarm("Второй", encodeDate(2026, 12, 9) + encodeTime(10, 0), "Футбол");
    const Listing listing = compose(kWednesday);
    EXPECT_EQ(utf8(listing.heading), "Программа передач канала Первый на среду, 09.12.2026 года.");
    EXPECT_EQ(utf8(state.searchCanCaption), "Первый на неделю");
    EXPECT_EQ(utf8(state.searchDayCaption), "Все каналы на среду");
    EXPECT_EQ(listing.col1Width, 0); // room for the bell only: 0 characters
    ASSERT_EQ(listing.rows.size(), 2u);
    EXPECT_EQ(listing.rows[0].imageIndex1, -1) << "the other channel's reminder is not this one";
    EXPECT_EQ(listing.rows[0].imageIndex4, 4);
    EXPECT_EQ(listing.rows[1].imageIndex1, kBellImage);
    EXPECT_EQ(listing.rows[1].imageIndex4, 14);
    EXPECT_TRUE(listing.rows[0].lines1.empty());
}

TEST_F(ListingComposerTest, HiddenTypeIsNotListedButStillEndsTheProgrammeBefore) {
    setSchedule({"[Первый0]", entry(0, "06:00", "Новости"), entry(1, "07:00", "Фильм"),
                 entry(0, "08:00", "Погода"), entry(0, "09:00", "")});
    state.typeImages[1] = 16;
    EXPECT_EQ(describe(compose(kMonday)),
              (std::vector<std::string>{"07.12.2026 06:00-07.12.2026 07:00 Новости",
                                        "07.12.2026 08:00-07.12.2026 09:00 Погода"}));
}

TEST_F(ListingComposerTest, MissingSectionGivesAMessageRow) {
    state.CurrentDay = 4;
    const Listing listing = compose(4);
    ASSERT_EQ(listing.rows.size(), 1u);
    const ListingRow& row = listing.rows[0];
    EXPECT_EQ(utf8(row.lines4), "Извините, на пятницу по каналу Первый нет данных.");
    EXPECT_EQ(row.imageIndex1, -2);
    EXPECT_EQ(row.imageIndex4, -1);
    EXPECT_EQ(row.startTime, 0);
    EXPECT_EQ(listing.firstFutureIndex, -1);
}

TEST_F(ListingComposerTest, EmptySectionDoesNotBorrowTheNextChannelsProgrammes) {
    setSchedule({"[Первый0]", "[Второй0]", entry(0, "06:00", "Чужое"), entry(0, "07:00", "")});
    EXPECT_TRUE(compose(kMonday).rows.empty());
}

struct NowCase {
    const char* name;
    int day;
    int hours;
    int minutes;
    std::vector<std::string> rows;
};

class NowViewTest : public ListingComposerTest, public ::testing::WithParamInterface<NowCase> {};

TEST_P(NowViewTest, ListsWhatIsOnAir) {
    const NowCase& c = GetParam();
    setSchedule({"[Первый0]", entry(0, "06:00", "Утро понедельника"), entry(0, "23:00", ""), "[Первый1]",
                 entry(0, "06:00", "Вторник"), entry(1, "23:30", "Ночной фильм"),
                 entry(2, "02:30", "Поздний сериал"), entry(0, "03:30", "Ночные новости"),
                 entry(0, "05:00", ""), "[Второй2]", entry(0, "20:00", "Вечер среды"),
                 entry(1, "23:30", "Полночь"), entry(0, "01:10", "")});
    setNow(c.day, 12, c.hours, c.minutes);
    EXPECT_EQ(describe(compose(kNowDay)), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, NowViewTest,
    ::testing::Values(
        NowCase{"wednesday_small_hours_read_tuesday",
                9,
                3,
                0,
                {"09.12.2026 02:30-09.12.2026 03:30 Поздний сериал"}},
        NowCase{
            "wednesday_just_after_midnight", 9, 0, 10, {"08.12.2026 23:30-09.12.2026 02:30 Ночной фильм"}},
        NowCase{"wednesday_late_evening", 9, 23, 45, {"09.12.2026 23:30-10.12.2026 01:10 Полночь"}},
        NowCase{
            "monday_small_hours_stay_on_monday", 7, 3, 0, {"Сейчас ничего по телевидению не показывают."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListingComposerTest, NowViewRowsCarryChannelAndLogo) {
    setSchedule({"[Третий4]", entry(0, "10:00", "Шоу"), entry(0, "11:00", "")});
    setNow(11, 12, 10, 30);
    const Listing listing = compose(kNowDay);
    EXPECT_EQ(utf8(listing.heading), "Программа передач, идущих по всем каналам сейчас, 11.12.2026 года.");
    EXPECT_EQ(utf8(state.searchDayCaption), "Все каналы на \x63егодня") << "a Latin c";
    EXPECT_EQ(utf8(state.searchCanCaption), "Первый на неделю");
    EXPECT_TRUE(state.channelButton.showsAllChannels());
    EXPECT_EQ(listing.images1, RowImages::SmallCanal);
    ASSERT_EQ(listing.rows.size(), 1u);
    EXPECT_EQ(utf8(listing.rows[0].lines1), "Третий");
    EXPECT_EQ(listing.rows[0].imageIndex1, 3);
    EXPECT_EQ(listing.col1Width, 6 * 7 + 20 + 8);
}

TEST_F(ListingComposerTest, AllChannelsDaySortsAndNamesTheChannelWithoutData) {
    setSchedule({"[Первый2]", entry(0, "09:00", "П9"), entry(0, "11:00", "П11"), entry(0, "12:00", ""),
                 "[Третий2]", entry(0, "08:00", "Т8"), entry(0, "10:00", "Т10"), entry(0, "12:00", "")});
    state.CurrentDay = kWednesday;
    const Listing listing = compose(9);
    EXPECT_EQ(utf8(listing.heading), "Программа передач всех каналов на среду.");
    EXPECT_EQ(state.selectedDay, kWednesday);
    ASSERT_EQ(listing.rows.size(), 5u);
    EXPECT_EQ(utf8(listing.rows[0].lines4), "Извините, на среду по каналу Второй нет данных.");
    std::vector<std::string> order;
    for (std::size_t i = 1; i < listing.rows.size(); ++i) {
        order.push_back(utf8(listing.rows[i].lines1) + " " + utf8(listing.rows[i].lines4));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Третий Т8", "Первый П9", "Третий Т10", "Первый П11"}));
}

TEST_F(ListingComposerTest, AllChannelsFromNowTakesTodaysBroadcastDay) {
    setSchedule({"[Первый1]", entry(0, "09:00", "Вторник"), entry(0, "10:00", "")});
    setNow(9, 12, 3, 0); // Wednesday's small hours belong to Tuesday
    state.CurrentDay = kNowDay;
    state.selectedDay = kNowDay;
    const Listing listing = compose(9);
    EXPECT_EQ(utf8(listing.heading), "Программа передач всех каналов на сегодня.");
    EXPECT_EQ(state.CurrentDay, 1);
    EXPECT_EQ(state.selectedDay, 1);
}

TEST_F(ListingComposerTest, ChannelWeekNamesEachDay) {
    setSchedule({"[Первый0]", entry(0, "09:00", "Пн"), entry(0, "10:00", ""), "[Первый6]",
                 entry(0, "09:00", "Вс"), entry(0, "10:00", "")});
    state.channelButton.enterAllChannels();
    state.selectedDay = 3;
    settings.AlarmOn = false;
    const Listing listing = compose(10);
    EXPECT_EQ(utf8(state.channelButton.caption), "Первый");
    EXPECT_EQ(state.selectedDay, -1);
    EXPECT_EQ(utf8(listing.heading), "Программа передач канала Первый на неделю.");
    EXPECT_GT(listing.col1Width, 0) << "the day names stay visible without reminders";
    ASSERT_EQ(listing.rows.size(), 7u);
    EXPECT_EQ(utf8(listing.rows[0].lines1), "Понедельник");
    EXPECT_EQ(utf8(listing.rows[1].lines4), "Извините, на вторник по каналу Первый нет данных.");
    EXPECT_EQ(utf8(listing.rows[2].lines4), "Извините, на среду по каналу Первый нет данных.");
    EXPECT_EQ(utf8(listing.rows[6].lines1), "Воскресенье");
}

TEST_F(ListingComposerTest, SearchPutsEachMatchBeforeTheFirstLaterOne) {
    setSchedule({"[Первый0]", entry(4, "09:00", "Новости спорта"), entry(0, "10:00", "Спорт"),
                 entry(0, "11:00", ""), "[Второй0]", entry(0, "07:00", "Вечерние НОВОСТИ. Спорт"),
                 entry(2, "09:00", "Спорт и новости"), entry(0, "12:00", ""), "[Первый1]",
                 entry(0, "06:00", "новостиспорт"), entry(0, "07:00", "")});
    state.searchText = cp("новости спорт");
    const Listing listing = compose(11);
    EXPECT_EQ(utf8(listing.heading), "Поиск программ передач на всех каналах на всю неделю.");
    ASSERT_EQ(listing.rows.size(), 4u);
    std::vector<std::string> found;
    for (const ListingRow& row : listing.rows) {
        found.push_back(utf8(row.lines1) + " | " + describe(row) + " | " + std::to_string(row.imageIndex4));
    }
    EXPECT_EQ(found,
              (std::vector<std::string>{
                  "Понедельник, Второй | 07.12.2026 07:00-07.12.2026 09:00 Вечерние НОВОСТИ. Спорт | 0",
                  "Понедельник, Первый | 07.12.2026 09:00-07.12.2026 10:00 Новости спорта | 4",
                  "Понедельник, Второй | 07.12.2026 09:00-07.12.2026 12:00 Спорт и новости | 2",
                  "Вторник, Первый | 08.12.2026 06:00-08.12.2026 07:00 новостиспорт | 0"}));
}

TEST_F(ListingComposerTest, SearchThatFindsNothingSaysSo) {
    setSchedule({"[Первый0]", entry(0, "09:00", "Новости спорта"), entry(0, "10:00", "")});
    for (const char* words : {"новости  спорт", " новости", "", "погода"}) {
        state.searchText = cp(words);
        const Listing listing = compose(11);
        ASSERT_EQ(listing.rows.size(), 1u) << words;
        EXPECT_EQ(utf8(listing.rows[0].lines4), "Ничего не найдено.") << words;
    }
}

TEST_F(ListingComposerTest, SearchMatchingEverythingStopsAtTheListsCapacity) {
    std::vector<std::string> lines;
    channels.clear();
    for (int c = 0; c < 80; ++c) {
        const std::string name = "K" + std::to_string(c);
        channels.push_back({name, 0, c});
        for (int day = 0; day < 7; ++day) {
            lines.push_back(dayHeader(name, day));
            for (int h = 0; h <= 10; ++h) {
                char time[6];
                std::snprintf(time, sizeof time, "%02d:00", 8 + h);
                lines.push_back(entry(0, time, "a"));
            }
        }
    }
    schedule = ScheduleText(std::move(lines));
    state.searchText = "a";
    const Listing listing = compose(11);
    ASSERT_EQ(static_cast<int>(listing.rows.size()), Listing::kCapacity);
    EXPECT_TRUE(
        std::is_sorted(listing.rows.begin(), listing.rows.end(),
                       [](const ListingRow& a, const ListingRow& b) { return a.startTime < b.startTime; }));
}

TEST_F(ListingComposerTest, AlarmListsShowTheRemindersWithTheirLogos) {
    const TDateTime wednesday = encodeDate(2026, 12, 9) + encodeTime(20, 0);
    const TDateTime friday = encodeDate(2026, 12, 11) + encodeTime(21, 30);
    addAlarm("Третий", wednesday, "Кино", 1);
    addAlarm("Пропавший", friday, "Концерт", 8);
    setNow(11, 12, 12, 0);
    Listing all = compose(12);
    EXPECT_EQ(utf8(all.heading), "Список передач, на которых установлено оповещение.");
    EXPECT_EQ(all.col3Width, 0);
    EXPECT_TRUE(all.alarmPopup);
    ASSERT_EQ(all.rows.size(), 2u);
    EXPECT_EQ(utf8(all.rows[0].lines1), "Третий, среда (09.12.2026)");
    EXPECT_EQ(all.rows[0].imageIndex1, 3);
    EXPECT_EQ(all.rows[0].imageIndex4, 1);
    EXPECT_EQ(all.rows[0].startTime, wednesday);
    EXPECT_EQ(all.rows[0].endTime, 0);
    EXPECT_EQ(all.rows[1].imageIndex1, 0) << "no channel of the week has that name";
    EXPECT_EQ(all.col1Width, static_cast<int>(all.rows[1].lines1.size()) * 7 + 20 + 8);

    Listing today = compose(13);
    ASSERT_EQ(today.rows.size(), 1u);
    EXPECT_EQ(utf8(today.rows[0].lines1), "Пропавший");

    setNow(12, 12, 12, 0);
    today = compose(13);
    ASSERT_EQ(today.rows.size(), 1u);
    EXPECT_EQ(utf8(today.rows[0].lines4), "Оповещение ни на какие передачи, идущие сегодня, не установлено.");
    EXPECT_FALSE(today.alarmPopup);
}

TEST_F(ListingComposerTest, ChannelButtonRemembersTheChannelAcrossAllChannelViews) {
    compose(kNowDay);
    compose(kNowDay);
    EXPECT_EQ(utf8(state.channelButton.rememberedName), "Первый") << "a second all-channels view keeps it";
    compose(12);
    EXPECT_EQ(utf8(state.channelButton.rememberedName), "Первый") << "resetting only from all-channels";
    compose(13);
    EXPECT_EQ(utf8(state.channelButton.rememberedName), "Первый") << "the first channel again";
    showChannel("Второй", 2);
    compose(10);
    EXPECT_EQ(utf8(state.channelButton.caption), "Второй");
}

TEST_F(ListingComposerTest, FirstFutureIndexIsTheFirstRowStartingAfterNow) {
    setSchedule({"[Первый0]", entry(0, "06:00", "a"), entry(0, "08:00", "b"), entry(0, "10:00", "c"),
                 entry(0, "12:00", "d"), entry(0, "14:00", "")});
    setNow(7, 12, 9, 0);
    EXPECT_EQ(compose(kMonday).firstFutureIndex, 2);
    setNow(7, 12, 13, 0);
    EXPECT_EQ(compose(kMonday).firstFutureIndex, -1);
}

TEST_F(ListingComposerTest, OtherModesComposeAnEmptyListing) {
    for (int mode : {7, 14, -1}) {
        const Listing listing = compose(mode);
        EXPECT_TRUE(listing.rows.empty());
        EXPECT_TRUE(listing.heading.empty());
        EXPECT_EQ(state.currentMode, mode);
    }
}

TEST(DayNamesTest, PhrasesAndCaptions) {
    const std::vector<std::pair<int, std::string>> phrases = {
        {0, "понедельник"}, {1, "вторник"}, {2, "среду"},       {3, "четверг"},
        {4, "пятницу"},     {5, "субботу"}, {6, "воскресенье"}, {8, "сейчас"}};
    for (const auto& [day, phrase] : phrases) {
        EXPECT_EQ(utf8(DayPhrase(day)), phrase) << day;
    }
    EXPECT_EQ(utf8(dayCaption(8)), "Сейчас");
    EXPECT_TRUE(dayCaption(7).empty());
}

TEST(TypeNamesTest, MenuAndButtonDifferWhereTheyAlwaysHave) {
    EXPECT_EQ(utf8(typeButtonHint(0)), "Информационные программы");
    EXPECT_EQ(utf8(typeMenuCaption(0)), "Информационные передачи");
    EXPECT_EQ(utf8(typeButtonHint(8)), "Музыкальные передачи");
    EXPECT_EQ(utf8(typeMenuCaption(8)), "Мызыкальные передачи");
    EXPECT_EQ(utf8(typeMenuCaption(14)), "Другое");
    EXPECT_TRUE(typeButtonHint(15).empty());
}

} // namespace
} // namespace kanavo::test
