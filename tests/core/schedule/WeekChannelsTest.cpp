#include "schedule/WeekChannels.h"

#include "WeekTestSupport.h"

#include <gtest/gtest.h>

using namespace kanavo;
using namespace kanavo::test;

namespace {

constexpr int kManyLogos = 1000;

std::vector<std::string> namesOf(const std::vector<WeekChannel>& channels) {
    std::vector<std::string> names;
    for (const WeekChannel& channel : channels) {
        names.push_back(channel.name);
    }
    return names;
}

ScheduleText textOf(std::vector<std::string> lines) {
    return ScheduleText(std::move(lines));
}

} // namespace

TEST(WeekChannels, TheCanalsSectionIsReadLineByLine) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<WeekChannel> channels;
        std::optional<std::string> error;
    };
    const Case cases[] = {
        {"numbers are logos below the logo count, else logo 0",
         {"[CANALS]", "3 A", "5 B", "-1 C", "7 D", "[CANALS_END]"},
         {{"A", 3, 0}, {"B", 0, 1}, {"C", 0, 2}, {"D", 0, 3}},
         std::nullopt},
        {"a name keeps its blanks",
         {"[CANALS]", "1 Первый канал ", "[CANALS_END]"},
         {{"Первый канал ", 1, 0}},
         {}},
        {"the section is found in any case and after other lines",
         {"[KNV]", "[canals]", "1 A", "[CANALS_END]", "2 B"},
         {{"A", 1, 0}},
         {}},
        {"the line after [CANALS] is always a channel line",
         {"[CANALS]", "[CANALS_END]", "1 A"},
         {},
         "'' is not a valid integer value"},
        {"only the exact end line ends the section",
         {"[CANALS]", "1 A", "[canals_end]", "2 B", "[CANALS_END]"},
         {{"A", 1, 0}},
         "'' is not a valid integer value"},
        {"a number part that is no integer keeps the channels before it",
         {"[CANALS]", "1 A", "2 B", "x C", "4 D", "[CANALS_END]"},
         {{"A", 1, 0}, {"B", 2, 1}},
         "'x' is not a valid integer value"},
        {"a line without a blank has no number",
         {"[CANALS]", "1 A", "2", "[CANALS_END]"},
         {{"A", 1, 0}},
         "'' is not a valid integer value"},
        {"an empty name is a channel", {"[CANALS]", "1 ", "[CANALS_END]"}, {{"", 1, 0}}, {}},
        {"a missing end line ends the section at the end of the text",
         {"[CANALS]", "1 A", "2 B"},
         {{"A", 1, 0}, {"B", 2, 1}},
         {}},
        {"[CANALS] as the last line lists nothing", {"1 A", "[CANALS]"}, {}, {}},
        {"without [CANALS] the first line is a channel line",
         {"1 A", "[CANALS_END]", "2 B"},
         {{"A", 1, 0}},
         {}},
        {"an empty text lists nothing", {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines;
        for (const std::string& line : c.lines) {
            lines.push_back(cp(line));
        }
        std::vector<WeekChannel> expected = c.channels;
        for (WeekChannel& channel : expected) {
            channel.name = cp(channel.name);
        }
        Settings settings;
        const WeekChannelList list = buildWeekChannels(textOf(lines), settings, 5);
        EXPECT_EQ(list.channels, expected);
        EXPECT_EQ(list.error, c.error);
    }
}

TEST(WeekChannels, TheBuiltInListOffersSixChannels) {
    Settings settings;
    const WeekChannelList list = buildWeekChannels(builtInChannelList(), settings, kManyLogos);
    EXPECT_EQ(builtInChannelList().size(), 8u);
    EXPECT_FALSE(list.error);
    const std::vector<WeekChannel> expected = {{cp("Первый канал"), 1, 0}, {cp("РТР"), 2, 1},
                                               {cp("ТВЦ"), 3, 2},          {cp("НТВ"), 4, 3},
                                               {cp("Культура"), 5, 4},     {cp("СТС"), 6, 5}};
    EXPECT_EQ(list.channels, expected);
    EXPECT_EQ(settings.ChannelPrefs, namesOf(expected));
}

TEST(WeekChannels, NewNamesAreRememberedOnceWithShiftZero) {
    Settings settings;
    settings.ChannelPrefs = {"*X", "a"};
    settings.ChannelShift[0] = 3;
    settings.ChannelShift[1] = -2;
    settings.ChannelShift[2] = 7; // left over from a longer list
    const ScheduleText text =
        textOf({"[CANALS]", "1 A", "2 X", "3 x", "4 New", "5 NEW", "6 Other", "[CANALS_END]"});
    const WeekChannelList list = buildWeekChannels(text, settings, kManyLogos);
    EXPECT_EQ(namesOf(list.channels), (std::vector<std::string>{"A", "X", "x", "New", "NEW", "Other"}));
    EXPECT_EQ(settings.ChannelPrefs, (std::vector<std::string>{"*X", "a", "New", "Other"}));
    EXPECT_EQ(settings.ChannelShift[0], 3);
    EXPECT_EQ(settings.ChannelShift[1], -2);
    EXPECT_EQ(settings.ChannelShift[2], 0);
    EXPECT_EQ(settings.ChannelShift[3], 0);

    // A second build of the same week changes nothing.
    const Settings before = settings;
    buildWeekChannels(text, settings, kManyLogos);
    EXPECT_EQ(settings, before);
}

TEST(WeekChannels, CentralChannelsAreTheFirstSixOfTheFile) {
    Settings settings;
    settings.ChannelFilter = 1;
    std::vector<std::string> lines = {"[CANALS]"};
    for (int i = 1; i <= 10; ++i) {
        lines.push_back(std::to_string(i) + " C" + std::to_string(i));
    }
    lines.push_back("[CANALS_END]");
    const WeekChannelList list = buildWeekChannels(textOf(lines), settings, kManyLogos);
    EXPECT_EQ(namesOf(list.channels), (std::vector<std::string>{"C1", "C2", "C3", "C4", "C5", "C6"}));
    EXPECT_EQ(list.channels.back().tag, 5);
    EXPECT_EQ(settings.ChannelPrefs.size(), 6u); // the rest were never read
}

TEST(WeekChannels, SelectedChannelsFollowTheUsersOrder) {
    Settings settings;
    settings.ChannelFilter = 2;
    settings.ChannelPrefs = {"C", "*B", "a"};
    const ScheduleText text = textOf({"[CANALS]", "1 A", "2 B", "3 C", "4 D", "[CANALS_END]"});
    const WeekChannelList list = buildWeekChannels(text, settings, kManyLogos);
    // D is new, so it is chosen and comes last.
    EXPECT_EQ(list.channels, (std::vector<WeekChannel>{{"C", 3, 0}, {"A", 1, 1}, {"D", 4, 2}}));
    EXPECT_EQ(settings.ChannelPrefs, (std::vector<std::string>{"C", "*B", "a", "D"}));

    // An error keeps the channels made before it, still in the user's order.
    const WeekChannelList broken = buildWeekChannels(textOf({"[CANALS]", "1 A", "3 C", "? B"}), settings, 2);
    EXPECT_EQ(broken.channels, (std::vector<WeekChannel>{{"C", 0, 0}, {"A", 1, 1}}));
    EXPECT_TRUE(broken.error);
}

TEST(WeekChannels, AFullChannelListTakesNoMoreNames) {
    // ChannelShift has ChannelCapacity places: a 202nd name would have no shift.
    Settings settings;
    for (int i = 0; i < ChannelCapacity - 1; ++i) {
        settings.ChannelPrefs.push_back("Old" + std::to_string(i));
        settings.ChannelShift[static_cast<std::size_t>(i)] = 1;
    }
    settings.ChannelShift.back() = 9; // left over from a longer list
    const ScheduleText text = textOf({"[CANALS]", "1 New1", "2 New2", "3 Old5", "4 New3", "[CANALS_END]"});
    const WeekChannelList all = buildWeekChannels(text, settings, kManyLogos);
    EXPECT_EQ(namesOf(all.channels), (std::vector<std::string>{"New1", "New2", "Old5", "New3"}));
    ASSERT_EQ(settings.ChannelPrefs.size(), static_cast<std::size_t>(ChannelCapacity));
    EXPECT_EQ(settings.ChannelPrefs.back(), "New1");
    EXPECT_EQ(settings.ChannelShift.back(), 0);

    // "Selected only" offers the channels the list could remember.
    settings.ChannelFilter = 2;
    const WeekChannelList selected = buildWeekChannels(text, settings, kManyLogos);
    EXPECT_EQ(namesOf(selected.channels), (std::vector<std::string>{"Old5", "New1"}));
    EXPECT_EQ(settings.ChannelPrefs.size(), static_cast<std::size_t>(ChannelCapacity));
}

TEST(WeekChannels, ALongNameIsRememberedAsTheSettingsFileKeepsIt) {
    // The settings file keeps 255 characters; the full name must match that next run.
    Settings settings;
    const std::string name(300, 'n');
    const ScheduleText text = textOf({"[CANALS]", "1 " + name, "[CANALS_END]"});
    EXPECT_EQ(buildWeekChannels(text, settings, kManyLogos).channels.front().name, name);
    ASSERT_EQ(settings.ChannelPrefs, (std::vector<std::string>{name.substr(0, SettingTextLimit)}));

    settings.ChannelFilter = 2;
    EXPECT_EQ(buildWeekChannels(text, settings, kManyLogos).channels.size(), 1u);
    EXPECT_EQ(settings.ChannelPrefs.size(), 1u);
}
