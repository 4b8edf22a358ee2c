#include "alarms/Marking.h"
#include "AlarmsFixture.h"
#include "views/ViewState.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace kanavo::test {
namespace {

// Now is Wednesday 09.12.2026 18:00; "soon" starts a minute later.
const TDateTime kNow = at(9, 18, 0);
const TDateTime kSoon = at(9, 18, 1);

struct ClickCase {
    const char* name;
    ListingKind kind = ListingKind::Other;
    bool left = true;
    const char* lines1 = "";
    int bell = -1; // the row's ImageIndex1
    TDateTime start = kSoon;
    const char* button = "ТВЦ";
    int buttonImage = 2;
    bool alarmOn = true;
    int existing = 0;      // entries for (channel, start) already in the list
    bool fullList = false; // 500 other entries
    bool noRow = false;
    MarkingAction action = MarkingAction::Nothing;
    const char* canal = ""; // Mark: the entry's channel
    int alarmIndex = 0;     // Unmark
    int channelIndex = -1;  // OpenChannel
};
void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

class MarkingTest : public ::testing::TestWithParam<ClickCase> {
protected:
    MarkingTest() { channels = {{cp("ТВЦ"), 2, 0}, {cp("НТВ"), 3, 1}, {cp("СТС"), 4, 2}}; }
    std::vector<WeekChannel> channels;
};

TEST_P(MarkingTest, Decides) {
    const ClickCase& c = GetParam();
    Settings settings;
    settings.AlarmOn = c.alarmOn;
    if (c.fullList) {
        for (int i = 0; i < AlarmCapacity - c.existing; ++i) {
            addAlarm(settings, "Другой", at(10, 0, 0) + i / 1440.0);
        }
    }
    const std::string canal = cp(c.canal[0] ? c.canal : "ТВЦ");
    for (int i = 0; i < c.existing; ++i) {
        ASSERT_TRUE(AlarmAdd(settings, {c.start, canal, cp("Новости"), 5}));
    }
    ListingRow row;
    row.lines1 = cp(c.lines1);
    row.lines4 = cp("Новости");
    row.imageIndex1 = c.bell;
    row.imageIndex4 = 5;
    row.startTime = c.start;
    row.endTime = c.start == 0 ? 0 : c.start + 1.0 / 24;
    const std::string button = cp(c.button);
    const MarkingClick click{c.kind, c.left, c.noRow ? nullptr : &row, button, c.buttonImage, kNow};

    const MarkingDecision decision = TarnList3MouseDown(click, settings, channels);
    EXPECT_EQ(decision.action, c.action);
    switch (c.action) {
    case MarkingAction::Mark: {
        const TAlarmEntry expected{c.start, cp(c.canal), cp("Новости"), 5};
        EXPECT_EQ(decision.entry, expected);
        break;
    }
    case MarkingAction::Unmark:
        EXPECT_EQ(decision.alarmIndex, c.alarmIndex);
        break;
    case MarkingAction::OpenChannel:
        EXPECT_EQ(decision.channelIndex, c.channelIndex);
        break;
    case MarkingAction::Nothing:
        break;
    }
}

ClickCase mark(const char* name, const char* canal) {
    ClickCase c{name};
    c.action = MarkingAction::Mark;
    c.canal = canal;
    return c;
}

std::vector<ClickCase> clickCases() {
    std::vector<ClickCase> cases;
    cases.push_back(mark("FutureProgrammeInTheChannelDay", "ТВЦ"));
    {
        ClickCase c{"BellRowUnmarks"};
        c.bell = kBellImage;
        c.existing = 1;
        c.action = MarkingAction::Unmark;
        c.alarmIndex = 1;
        c.canal = "ТВЦ";
        cases.push_back(c);
    }
    {
        // An entry the timer already took: only the bell goes.
        ClickCase c{"BellWithoutEntryOnlyClearsTheBell"};
        c.bell = kBellImage;
        c.action = MarkingAction::Unmark;
        c.alarmIndex = 0;
        cases.push_back(c);
    }
    {
        ClickCase c{"OnAir"};
        c.start = at(9, 17, 30);
        cases.push_back(c);
    }
    {
        ClickCase c{"StartingThisMoment"};
        c.start = kNow;
        cases.push_back(c);
    }
    {
        ClickCase c{"BellOnAirStays"};
        c.start = at(9, 17, 30);
        c.bell = kBellImage;
        c.existing = 1;
        cases.push_back(c);
    }
    {
        ClickCase c{"MessageRowWithoutTime"};
        c.start = 0;
        cases.push_back(c);
    }
    {
        ClickCase c{"RightOrMiddleButton"};
        c.left = false;
        cases.push_back(c);
    }
    {
        ClickCase c{"AlarmsOffNeverMark"};
        c.alarmOn = false;
        cases.push_back(c);
    }
    {
        ClickCase c{"AlarmsOffNeverUnmark"};
        c.alarmOn = false;
        c.bell = kBellImage;
        c.existing = 1;
        cases.push_back(c);
    }
    {
        ClickCase c{"NoRowUnderTheMouse"};
        c.noRow = true;
        cases.push_back(c);
    }
    {
        ClickCase c{"AlarmListIgnoresClicks"};
        c.kind = ListingKind::AlarmList;
        c.lines1 = "ТВЦ";
        c.button = "Все каналы";
        c.buttonImage = -1;
        cases.push_back(c);
    }
    {
        ClickCase c = mark("SearchViewChannelAfterTheComma", "ТВЦ");
        c.kind = ListingKind::Search;
        c.lines1 = "Среда, ТВЦ";
        c.button = "Все каналы";
        c.buttonImage = -1;
        cases.push_back(c);
    }
    {
        ClickCase c = mark("ChannelWeekTakesTheButton", "НТВ");
        c.lines1 = "Среда";
        c.button = "НТВ";
        c.buttonImage = 3;
        cases.push_back(c);
    }
    {
        ClickCase c = mark("AllChannelsDayTakesColumnOne", "СТС");
        c.lines1 = "СТС";
        c.button = "Все каналы";
        c.buttonImage = -1;
        cases.push_back(c);
    }
    {
        ClickCase c{"FullListLeavesTheRowUnmarked"};
        c.fullList = true;
        cases.push_back(c);
    }
    {
        ClickCase c{"FullListStillUnmarks"};
        c.fullList = true;
        c.existing = 1;
        c.bell = kBellImage;
        c.action = MarkingAction::Unmark;
        c.alarmIndex = AlarmCapacity;
        cases.push_back(c);
    }
    {
        // Listed unmarked although an entry exists: a second entry is made.
        ClickCase c = mark("UnmarkedRowWithAnEntryMarksAgain", "ТВЦ");
        c.existing = 1;
        cases.push_back(c);
    }
    {
        ClickCase c{"NowViewOpensTheChannelWithAnyButton"};
        c.kind = ListingKind::Now;
        c.left = false;
        c.lines1 = "НТВ";
        c.start = at(9, 17, 30);
        c.button = "Все каналы";
        c.buttonImage = -1;
        c.action = MarkingAction::OpenChannel;
        c.channelIndex = 1;
        cases.push_back(c);
    }
    {
        // Opening the channel is all: the future programme is not marked as well.
        ClickCase c{"NowViewDoesNotGoOnToMark"};
        c.kind = ListingKind::Now;
        c.lines1 = "СТС";
        c.button = "Все каналы";
        c.buttonImage = -1;
        c.action = MarkingAction::OpenChannel;
        c.channelIndex = 2;
        cases.push_back(c);
    }
    {
        ClickCase c{"NowViewChannelNotInTheMenu"};
        c.kind = ListingKind::Now;
        c.lines1 = "тВЦ";
        c.button = "Все каналы";
        c.buttonImage = -1;
        cases.push_back(c);
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, MarkingTest, ::testing::ValuesIn(clickCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ListingKindTest, ByTheModeComposed) {
    EXPECT_EQ(listingKind(8), ListingKind::Now);
    EXPECT_EQ(listingKind(11), ListingKind::Search);
    EXPECT_EQ(listingKind(12), ListingKind::AlarmList);
    EXPECT_EQ(listingKind(13), ListingKind::AlarmList);
    for (int mode : {0, 6, 9, 10, 7}) {
        EXPECT_EQ(listingKind(mode), ListingKind::Other) << mode;
    }
}

TEST(RowChannelTest, CutTo255) {
    const std::string longName(300, 'n');
    EXPECT_EQ(rowChannel(ListingKind::Other, longName, "", -1).size(), 255u);
    EXPECT_EQ(rowChannel(ListingKind::Other, "", longName, 0).size(), 255u);
    EXPECT_EQ(rowChannel(ListingKind::Search, cp("Среда, ") + longName, "", -1).size(), 255u);
}

TEST(MarkingEntryTest, TextCutTo255AndTypeKeptAsAByte) {
    Settings settings;
    ListingRow row;
    row.lines4 = std::string(400, 't');
    row.imageIndex4 = 3;
    row.startTime = kSoon;
    const std::string button = cp("ТВЦ");
    const MarkingClick click{ListingKind::Other, true, &row, button, 2, kNow};
    MarkingDecision decision = TarnList3MouseDown(click, settings, {});
    ASSERT_EQ(decision.action, MarkingAction::Mark);
    EXPECT_EQ(decision.entry.Description, std::string(255, 't'));
    EXPECT_EQ(decision.entry.Type, 3);
    row.imageIndex4 = -1; // no type of its own: the stored "none"
    decision = TarnList3MouseDown(click, settings, {});
    EXPECT_EQ(decision.entry.Type, 14);
}

// A mark and an unmark carried out on the list and the row, as the window does.
TEST(ApplyMarkingTest, MarkSortsAndSetsTheBellUnmarkRemovesTheFirstMatch) {
    Settings settings;
    addAlarm(settings, "ТВЦ", at(9, 20, 0));
    ListingRow row;
    row.lines4 = cp("Новости");
    row.imageIndex4 = 5;
    row.startTime = kSoon;
    const std::string button = cp("ТВЦ");
    const MarkingClick click{ListingKind::Other, true, &row, button, 2, kNow};

    applyMarking(TarnList3MouseDown(click, settings, {}), settings, row);
    EXPECT_EQ(row.imageIndex1, kBellImage);
    ASSERT_EQ(settings.AlarmCount, 2);
    EXPECT_EQ(settings.Alarms[1].Time, kSoon) << "sorted after the add";

    // The same programme shown again without its bell: a second entry.
    row.imageIndex1 = -1;
    applyMarking(TarnList3MouseDown(click, settings, {}), settings, row);
    ASSERT_EQ(settings.AlarmCount, 3);

    applyMarking(TarnList3MouseDown(click, settings, {}), settings, row);
    EXPECT_EQ(row.imageIndex1, -1);
    ASSERT_EQ(settings.AlarmCount, 2);
    EXPECT_EQ(findAlarm(settings, button, kSoon), 1) << "only the first of the two went";

    // The entry left behind is gone already (the timer took it): only the bell goes.
    AlarmDelete(settings, 1);
    row.imageIndex1 = kBellImage;
    applyMarking(TarnList3MouseDown(click, settings, {}), settings, row);
    EXPECT_EQ(row.imageIndex1, -1);
    EXPECT_EQ(settings.AlarmCount, 1);
}

} // namespace
} // namespace kanavo::test
