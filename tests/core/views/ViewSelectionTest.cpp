#include "ViewsFixture.h"

#include "views/DayNames.h"
#include "views/ViewSelection.h"

namespace kanavo::test {
namespace {

class ViewSelectionTest : public ViewsFixture {
protected:
    ViewSelectionTest() {
        setChannels({"Первый", "Второй", "Третий"});
        setSchedule({"[Первый0]", entry(0, "06:00", "Новости"), entry(1, "07:00", "Фильм"),
                     entry(0, "08:00", ""), "[Второй2]", entry(0, "06:00", "Утро"), entry(0, "07:00", "")});
        setNow(9, 12, 12, 0); // Wednesday noon
        selection.weekOpened(kMonday);
        compositions.clear();
    }

    ViewState& view() { return selection.state(); }
    std::string shownChannel() { return utf8(view().channelButton.caption); }

    std::vector<int> compositions; // the mode of every listing composed
    ViewSelection selection{composer, [this](const Listing& l) { compositions.push_back(l.mode); }};
};

TEST_F(ViewSelectionTest, WeekOpensOnItsFirstChannel) {
    EXPECT_EQ(shownChannel(), "Первый");
    EXPECT_EQ(view().selectedDay, kMonday);
    EXPECT_EQ(selection.listing().rows.size(), 2u);
    EXPECT_TRUE(selection.listing().scrollToTop);
}

TEST_F(ViewSelectionTest, CommandsThatChangeNothingComposeNothing) {
    selection.MenuViewDayClick(kMonday); // the checked day
    selection.MenuCanalClick(0);         // the channel on show
    selection.TypeClick(3);              // alone it only flips the type
    selection.MenuCanalClick(17);        // no such channel
    EXPECT_TRUE(compositions.empty());
    EXPECT_EQ(view().typeImages[3], 18);
}

TEST_F(ViewSelectionTest, EveryOtherCommandComposesExactlyOnce) {
    struct Step {
        const char* name;
        std::function<void()> run;
        int mode;
    };
    const std::vector<Step> steps = {
        {"another day", [&] { selection.MenuViewDayClick(kWednesday); }, kWednesday},
        {"another channel", [&] { selection.MenuCanalClick(1); }, kWednesday},
        {"type button", [&] { selection.TBItemType1Click(1); }, kWednesday},
        {"show none", [&] { selection.PopupExtTypeYesClick(1); }, kWednesday},
        {"show all", [&] { selection.PopupExtTypeYesClick(0); }, kWednesday},
        {"channel week", [&] { selection.SearchCanClick(); }, 10},
        {"all channels day", [&] { selection.SearchDayClick(); }, 9},
        {"search", [&] { selection.SearchClick(); }, 11},
        {"the same day after a search", [&] { selection.MenuViewDayClick(kWednesday); }, kWednesday},
        {"Enter in the search field",
         [&] { EXPECT_TRUE(selection.SearchTextKeyDown(ViewSelection::kKeyEnter)); }, 11},
        {"now", [&] { selection.MenuViewDayClick(kNowDay); }, kNowDay},
    };
    for (const Step& step : steps) {
        compositions.clear();
        step.run();
        EXPECT_EQ(compositions, std::vector<int>{step.mode}) << step.name;
    }
}

TEST_F(ViewSelectionTest, KeysOutsideTheViewCommandsComposeNothing) {
    EXPECT_FALSE(selection.SearchTextKeyDown('A'));
    EXPECT_EQ(selection.FormKeyDown(ViewSelection::kKeyF1), KeyRequest::OpenHelp);
    EXPECT_EQ(selection.FormKeyDown(ViewSelection::kKeyUp), KeyRequest::ScrollUp);
    EXPECT_EQ(selection.FormKeyDown(ViewSelection::kKeyDown), KeyRequest::ScrollDown);
    EXPECT_EQ(selection.FormKeyDown('X'), KeyRequest::None);
    EXPECT_TRUE(compositions.empty());
}

TEST_F(ViewSelectionTest, ArrowKeysStepThroughTheChannelsAndWrapAround) {
    selection.FormKeyDown(ViewSelection::kKeyLeft);
    EXPECT_EQ(shownChannel(), "Третий");
    EXPECT_EQ(view().CurrentChannelIndex, 2);
    selection.FormKeyDown(ViewSelection::kKeyRight);
    EXPECT_EQ(shownChannel(), "Первый");
    selection.FormKeyDown(ViewSelection::kKeyRight);
    EXPECT_EQ(shownChannel(), "Второй");
    EXPECT_EQ(compositions.size(), 3u);
}

TEST_F(ViewSelectionTest, HidingEveryTypeEmptiesTheDayAndShowingAllRestoresIt) {
    selection.PopupExtTypeYesClick(1);
    EXPECT_TRUE(selection.listing().rows.empty()) << "no message row either";
    for (int t = 0; t < kProgrammeTypeCount; ++t) {
        EXPECT_EQ(view().typeImages[static_cast<std::size_t>(t)], t + 15);
    }
    selection.PopupExtTypeYesClick(0);
    EXPECT_EQ(selection.listing().rows.size(), 2u);
    for (int t = 0; t < kProgrammeTypeCount; ++t) {
        EXPECT_EQ(view().typeImages[static_cast<std::size_t>(t)], t);
    }
}

TEST_F(ViewSelectionTest, TypeFilterRecomposesTheViewOnShow) {
    selection.SearchDayClick();
    selection.TBItemType1Click(0);
    EXPECT_EQ(compositions.back(), 9) << "not a day of the channel \"Все каналы\"";
    EXPECT_EQ(utf8(selection.listing().rows.front().lines4),
              "Извините, на понедельник по каналу Второй нет данных.");
}

TEST_F(ViewSelectionTest, DayClickAfterTwoNowViewsReturnsToTheChannelBefore) {
    selection.MenuCanalClick(1);
    selection.MenuViewDayClick(kNowDay);
    selection.compose(kNowDay); // the timer's refresh
    EXPECT_EQ(shownChannel(), "Все каналы");
    selection.MenuViewDayClick(kWednesday);
    EXPECT_EQ(shownChannel(), "Второй");
    EXPECT_EQ(view().channelButton.image, 2);
}

TEST_F(ViewSelectionTest, DayClickFromAnAlarmListWithNothingRememberedShowsTheFirstChannel) {
    view().channelButton.show(allChannelsCaption(), -1);
    view().channelButton.rememberedImage = -1;
    selection.MenuViewDayClick(kWednesday);
    EXPECT_EQ(shownChannel(), "Первый");
}

struct NowChannelCase {
    const char* name;
    int day;
    int hours;
    int expectedDay;
};

class NowChannelTest : public ViewSelectionTest, public ::testing::WithParamInterface<NowChannelCase> {};

TEST_P(NowChannelTest, ChannelChosenFromNowOpensTodaysBroadcastDay) {
    const NowChannelCase& c = GetParam();
    setNow(c.day, 12, c.hours, 0);
    selection.MenuViewDayClick(kNowDay);
    compositions.clear();
    selection.MenuCanalClick(1);
    EXPECT_EQ(compositions, std::vector<int>{c.expectedDay});
    EXPECT_EQ(view().CurrentDay, c.expectedDay);
    EXPECT_EQ(view().selectedDay, c.expectedDay);
    EXPECT_EQ(shownChannel(), "Второй");
}

INSTANTIATE_TEST_SUITE_P(Moments, NowChannelTest,
                         ::testing::Values(NowChannelCase{"thursday_small_hours", 10, 3, 2},
                                           NowChannelCase{"monday_small_hours", 7, 3, 0},
                                           NowChannelCase{"sunday_evening", 13, 20, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kanavo::test
