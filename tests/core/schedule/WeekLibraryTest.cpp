#include "schedule/WeekLibrary.h"

#include "WeekTestSupport.h"

#include <gtest/gtest.h>

using namespace kanavo;
using namespace kanavo::test;

namespace {

const TDateTime kFirstMonday = encodeDate(2026, 12, 7);

TDateTime monday(int week) {
    return kFirstMonday + 7 * week;
}

std::string captionOf(int week) {
    return formatDate(monday(week)) + " - " + formatDate(monday(week) + 6);
}

class WeekLibraryTest : public ::testing::Test {
protected:
    std::filesystem::path tv(const std::string& name) const { return home.path() / "TV" / name; }

    // Weekly files week0.knv .. for the weeks from kFirstMonday on.
    void writeWeeks(int count) {
        for (int i = 0; i < count; ++i) {
            writeBytes(tv("week" + std::to_string(i) + ".knv"), weeklyFile(monday(i)));
        }
    }

    WeekLibrary& library() {
        if (!m_library) {
            WeekServices services;
            services.messages = &messages;
            services.now = [this] { return now; };
            services.pickBanner = [this](std::size_t count) {
                bannerCounts.push_back(count);
                return picked;
            };
            m_library.emplace(home.path() / "", settings, services);
        }
        return *m_library;
    }

    std::vector<std::string> captions() {
        std::vector<std::string> result;
        for (const WeekItem& item : library().menu().items()) {
            result.push_back(item.caption);
        }
        return result;
    }

    std::optional<std::string> checkedCaption() {
        const auto index = library().menu().checkedIndex();
        return index ? std::optional<std::string>(library().menu()[*index].caption) : std::nullopt;
    }

    ScratchFolder home;
    Settings settings;
    RecordedMessages messages;
    TDateTime now = encodeDate(2030, 6, 1) + 0.5; // after every week, unless a test says otherwise
    std::size_t picked = 0;
    std::vector<std::size_t> bannerCounts;

private:
    std::optional<WeekLibrary> m_library;
};

} // namespace

TEST_F(WeekLibraryTest, WithoutWeeklyFilesTheBuiltInWeekOpens) {
    ASSERT_TRUE(library().FindKNVFile());
    EXPECT_TRUE(std::filesystem::is_directory(home.path() / "TV"));
    ASSERT_EQ(library().menu().size(), 1u);
    const WeekItem& item = library().menu()[0];
    EXPECT_EQ(item.caption, "01.01.2002 - 07.01.2002");
    EXPECT_EQ(item.hint(), "test");
    EXPECT_TRUE(item.checked);
    EXPECT_EQ(library().WeekChannels().size(), 6u);
    EXPECT_EQ(library().WeekChannels()[0].name, cp("Первый канал"));
    EXPECT_EQ(library().week().WeekStart, encodeDate(2002, 1, 1));
    EXPECT_FALSE(library().week().banner);
    EXPECT_FALSE(library().week().holdsToday);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WeekLibraryTest, AFolderThatCannotBeMadeIsReportedAndNothingOpens) {
    writeText(home.path() / "TV", "a file where the folder should be");
    EXPECT_FALSE(library().FindKNVFile());
    EXPECT_EQ(messages.shown, (std::vector<std::string>{cp("Не найдена директория с файлами ТВ программ")}));
    EXPECT_TRUE(library().menu().empty());
    EXPECT_FALSE(library().hasOpenWeek());
    EXPECT_TRUE(library().WeekChannels().empty());
}

TEST_F(WeekLibraryTest, TheScanKeepsTheFiveNewestOfMoreThanSix) {
    struct Case {
        const char* name;
        int files;
        bool autoDeleteOld;
        bool mayDelete;
        int listed;
        int leftOnDisk;
    };
    const Case cases[] = {
        {"seven, deleting", 7, true, true, 5, 5},   {"seven, keeping", 7, false, true, 5, 7},
        {"seven, tool look", 7, true, false, 5, 7}, {"six are all kept", 6, true, true, 6, 6},
        {"nine, deleting", 9, true, true, 5, 5},    {"two", 2, true, true, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        Settings caseSettings;
        caseSettings.AutoDeleteOld = c.autoDeleteOld;
        for (int i = 0; i < c.files; ++i) {
            writeBytes(folder.path() / "TV" / ("w" + std::to_string(i) + ".knv"), weeklyFile(monday(i)));
        }
        WeekServices services;
        services.now = [this] { return now; };
        services.mayDeleteOld = c.mayDelete;
        WeekLibrary weeks(folder.path() / "", caseSettings, services);
        ASSERT_TRUE(weeks.FindKNVFile());
        ASSERT_EQ(weeks.menu().size(), static_cast<std::size_t>(c.listed));
        EXPECT_EQ(weeks.menu()[0].caption, captionOf(c.files - c.listed));
        EXPECT_TRUE(weeks.menu().items().back().checked);
        EXPECT_EQ(weeks.menu().items().back().path,
                  folder.path() / "TV" / ("w" + std::to_string(c.files - 1) + ".knv"));
        int onDisk = 0;
        for (int i = 0; i < c.files; ++i) {
            const bool exists =
                std::filesystem::exists(folder.path() / "TV" / ("w" + std::to_string(i) + ".knv"));
            onDisk += exists;
            if (i >= c.files - c.listed) {
                EXPECT_TRUE(exists) << i;
            }
        }
        EXPECT_EQ(onDisk, c.leftOnDisk);
    }
}

TEST_F(WeekLibraryTest, TheScanOpensTheSecondNewestWeekOnlyWhenItHoldsToday) {
    struct Case {
        const char* name;
        TDateTime today;
        int opened; // week number
    };
    // Weeks 0..4 on disk.
    const Case cases[] = {
        {"Monday of the second-newest", monday(3), 3},
        {"Sunday night of the second-newest", monday(3) + 6.999, 3},
        {"Monday of the newest", monday(4), 4},
        {"before every week", monday(0) - 1, 4},
        {"in an older week", monday(1) + 2, 4},
    };
    writeWeeks(5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        now = c.today;
        WeekServices services;
        services.now = [this] { return now; };
        WeekLibrary weeks(home.path() / "", settings, services);
        ASSERT_TRUE(weeks.FindKNVFile());
        const auto checked = weeks.menu().checkedIndex();
        ASSERT_TRUE(checked);
        EXPECT_EQ(weeks.menu()[*checked].caption, captionOf(c.opened));
        EXPECT_EQ(weeks.week().WeekStart, monday(c.opened));
        EXPECT_EQ(weeks.week().lastDay, monday(c.opened) + 6);
    }
}

TEST_F(WeekLibraryTest, ForeignAndBrokenFilesNeverStopTheScan) {
    writeBytes(tv("good.knv"), weeklyFile(monday(0)));
    writeText(tv("notes.knv"), "[CANALS]\r\n1 A\r\n[CANALS_END]\r\n");
    std::vector<std::uint8_t> badMagic = weeklyFile(monday(5));
    badMagic[7] = '3';
    writeBytes(tv("badmagic.knv"), badMagic);
    std::vector<std::uint8_t> truncated = weeklyFile(monday(1), weekContent());
    truncated.resize(truncated.size() - 20);
    writeBytes(tv("truncated.knv"), truncated);
    std::vector<std::uint8_t> corrupt = weeklyFile(monday(2));
    std::fill(corrupt.begin() + kWeekHeaderSize + 2, corrupt.end(), 0x5A);
    writeBytes(tv("corrupt.knv"), corrupt);
    writeText(tv("baddates.knv"), "Kanavo v2.1 31.02.2027 - 06.03.2027\r\n");

    ASSERT_TRUE(library().FindKNVFile());
    // The newest, corrupt, fails; then the truncated one; the good week opens.
    EXPECT_EQ(messages.shown, (std::vector<std::string>{
                                  cp("Ошибка: Невозможно открыть файл ") + tv("corrupt.knv").string(),
                                  cp("Ошибка: Невозможно открыть файл ") + tv("truncated.knv").string()}));
    EXPECT_EQ(captions(), (std::vector<std::string>{captionOf(0)}));
    EXPECT_EQ(checkedCaption(), captionOf(0));
    EXPECT_EQ(library().WeekChannels().size(), 2u);
    for (const char* name :
         {"good.knv", "notes.knv", "badmagic.knv", "truncated.knv", "corrupt.knv", "baddates.knv"}) {
        EXPECT_TRUE(std::filesystem::exists(tv(name))) << name; // refused files stay on the disk
    }
}

TEST_F(WeekLibraryTest, AWeekThatCannotOpenGivesWayToTheBuiltInWeekWhenNoneIsLeft) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
    };
    WeekContent noBanner = weekContent();
    noBanner.banners.clear();
    WeekContent notAPicture = weekContent();
    notAPicture.banners = {{"http://banner/one", {'P', 'N', 'G'}}};
    std::vector<std::uint8_t> headerOnly = weeklyFile(monday(0));
    headerOnly.resize(kWeekHeaderSize - 2);
    const Case cases[] = {
        {"no banner stream", weeklyFile(monday(0), noBanner)},
        {"a banner that is no picture", weeklyFile(monday(0), notAPicture)},
        {"a header line and nothing else", headerOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        writeBytes(tv("only.knv"), c.file);
        library().FindKNVFile();
        EXPECT_EQ(messages.shown, (std::vector<std::string>{cp("Ошибка: Невозможно открыть файл ") +
                                                            tv("only.knv").string()}));
        EXPECT_EQ(captions(), (std::vector<std::string>{"01.01.2002 - 07.01.2002"}));
        EXPECT_EQ(checkedCaption(), "01.01.2002 - 07.01.2002");
        EXPECT_EQ(library().WeekChannels().size(), 6u);
        EXPECT_TRUE(std::filesystem::exists(tv("only.knv")));
    }
}

TEST_F(WeekLibraryTest, OpeningTakesTheScheduleAndOneBannerPickedAmongTheRest) {
    WeekContent content = weekContent({"1 A", "2 B", "3 C"});
    content.banners = {{"http://b.example/", tinyGif(2)}, {"http://a.example/", tinyGif(1)}};
    writeBytes(tv("week.knv"), weeklyFile(monday(0), content));
    picked = 1;
    library().FindKNVFile();
    EXPECT_EQ(bannerCounts, (std::vector<std::size_t>{2}));
    const OpenWeek& week = library().week();
    ASSERT_TRUE(week.banner);
    // Streams stand in name order: the second is b.
    EXPECT_EQ(week.banner->address, "http://b.example/");
    EXPECT_EQ(week.banner->gif, tinyGif(2));
    EXPECT_EQ(week.schedule.lines(), ScheduleText(content.schedule).lines());
    EXPECT_EQ(library().WeekChannels().size(), 3u);
    EXPECT_EQ(settings.ChannelPrefs, (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(WeekLibraryTest, ClickingTheOpenWeekDoesNothing) {
    writeWeeks(3);
    library().FindKNVFile();
    ASSERT_EQ(checkedCaption(), captionOf(2));
    std::filesystem::remove(tv("week2.knv"));
    EXPECT_FALSE(library().MenuViewWeeksClick(2));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(library().week().WeekStart, monday(2));

    EXPECT_TRUE(library().MenuViewWeeksClick(0));
    EXPECT_EQ(checkedCaption(), captionOf(0));
    EXPECT_EQ(library().week().WeekStart, monday(0));
    EXPECT_FALSE(library().MenuViewWeeksClick(7));
}

TEST_F(WeekLibraryTest, ReopenReadsTheOpenWeekAgainOrFallsBack) {
    writeWeeks(2);
    library().FindKNVFile();
    ASSERT_EQ(checkedCaption(), captionOf(1));
    library().MenuViewWeeksClick(0);
    EXPECT_TRUE(library().reopen());
    EXPECT_EQ(checkedCaption(), captionOf(0));
    EXPECT_EQ(library().week().WeekStart, monday(0));

    // The file went away: the newest remaining week opens, as after a failed click.
    std::filesystem::remove(tv("week0.knv"));
    EXPECT_TRUE(library().reopen());
    EXPECT_EQ(checkedCaption(), captionOf(1));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(WeekLibraryTest, AFailedOpenFallsBackToTheNewestRemainingWeek) {
    const std::string cannotOpen = cp("Ошибка: Невозможно открыть файл ");
    writeWeeks(4);
    library().FindKNVFile(); // week 3 open
    std::filesystem::remove(tv("week0.knv"));
    EXPECT_TRUE(library().MenuViewWeeksClick(0));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{cannotOpen + tv("week0.knv").string()}));
    // Week 3, the newest, stays open as it was.
    EXPECT_EQ(captions(), (std::vector<std::string>{captionOf(1), captionOf(2), captionOf(3)}));
    EXPECT_EQ(checkedCaption(), captionOf(3));
    EXPECT_EQ(library().week().WeekStart, monday(3));

    // With an older week open, the newest opens instead.
    messages.shown.clear();
    library().MenuViewWeeksClick(0);
    ASSERT_EQ(checkedCaption(), captionOf(1));
    writeBytes(tv("week2.knv"), {1, 2, 3});
    EXPECT_TRUE(library().MenuViewWeeksClick(1));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{cannotOpen + tv("week2.knv").string()}));
    EXPECT_EQ(captions(), (std::vector<std::string>{captionOf(1), captionOf(3)}));
    EXPECT_EQ(checkedCaption(), captionOf(3));
    EXPECT_EQ(library().week().WeekStart, monday(3));
}

TEST_F(WeekLibraryTest, TheOpenWeekSaysWhetherItHoldsToday) {
    struct Case {
        const char* name;
        TDateTime today;
        bool autoAlarmOn;
        bool holdsToday;
        int firstDay;
        bool autoAlarm;
    };
    const Case cases[] = {
        {"today inside, auto-alarm on", monday(0) + 3.5, true, true, kOpenOnNow, true},
        {"today inside, auto-alarm off", monday(0) + 6.2, false, true, kOpenOnNow, false},
        {"the day after the week", monday(1), true, false, kOpenOnMonday, false},
        {"the day before the week", monday(0) - 0.1, true, false, kOpenOnMonday, false},
    };
    writeWeeks(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        now = c.today;
        Settings caseSettings;
        caseSettings.AutoAlarmOn = c.autoAlarmOn;
        WeekServices services;
        services.now = [this] { return now; };
        WeekLibrary weeks(home.path() / "", caseSettings, services);
        weeks.FindKNVFile();
        EXPECT_EQ(weeks.week().holdsToday, c.holdsToday);
        EXPECT_EQ(weeks.week().firstDay, c.firstDay);
        EXPECT_EQ(weeks.week().shouldApplyAutoAlarm, c.autoAlarm);
    }
}

TEST_F(WeekLibraryTest, ABadChannelLineEndsTheChannelsNotTheOpen) {
    writeBytes(tv("week.knv"), weeklyFile(monday(0), weekContent({"1 A", "two B", "3 C"})));
    now = monday(0) + 1;
    library().FindKNVFile();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"'two' is not a valid integer value"}));
    ASSERT_EQ(library().WeekChannels().size(), 1u);
    EXPECT_EQ(library().WeekChannels()[0].name, "A");
    EXPECT_EQ(checkedCaption(), captionOf(0));
    EXPECT_TRUE(library().week().holdsToday);
}

TEST_F(WeekLibraryTest, TheChannelListFollowsTheFilterAndTheLogoCount) {
    writeBytes(tv("week.knv"), weeklyFile(monday(0), weekContent({"1 A", "2 B", "9 C"})));
    library().setLogoCount(5);
    library().FindKNVFile();
    EXPECT_EQ(library().WeekChannels(), (std::vector<WeekChannel>{{"A", 1, 0}, {"B", 2, 1}, {"C", 0, 2}}));

    // The settings dialog unchooses A and asks for the chosen channels only.
    settings.ChannelPrefs = {"C", "*A", "B"};
    settings.ChannelFilter = 2;
    library().MenuViewWeeksP();
    EXPECT_EQ(library().WeekChannels(), (std::vector<WeekChannel>{{"C", 0, 0}, {"B", 2, 1}}));
}

TEST(WeekMessages, APathOutsideTheCodePageIsShownWithQuestionMarks) {
    EXPECT_EQ(pathText("/tmp/Неделя/a.knv"), cp("/tmp/Неделя/a.knv"));
    EXPECT_EQ(pathText("/tmp/週/a.knv"), "/tmp/?/a.knv");
    EXPECT_EQ(cannotOpenWeekMessage("/x.knv"), cp("Ошибка: Невозможно открыть файл /x.knv"));
}
