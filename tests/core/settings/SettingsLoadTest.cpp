#include "SettingsTestSupport.h"

#include "settings/SettingsIo.h"

#include <gtest/gtest.h>

using namespace kanavo;
using kanavo::test::cp;
using kanavo::test::environment;
using kanavo::test::now;
using kanavo::test::RecordingStore;

namespace {

Settings loadText(std::string_view iniText) {
    return loadSettings(IniDocument::parse(iniText), environment());
}

Settings loadOne(std::string_view section, std::string_view name, std::string_view value) {
    IniDocument store;
    store.writeValue(section, name, value);
    return loadSettings(store, environment());
}

} // namespace

TEST(SettingsLoad, FirstRunGivesTheDefaults) {
    const Settings s = loadSettings(IniDocument(), environment());
    EXPECT_EQ(s.Form, (FormPosition{0, 0, 1920, 1080, true}));
    EXPECT_EQ(s.Panels, PanelSetup{});
    for (bool hidden : s.Panels.TypeHidden) {
        EXPECT_FALSE(hidden);
    }
    EXPECT_EQ(s.Panels.FastCanalPlace, 1);
    EXPECT_EQ(s.Panels.TypesExtPlace, 1);
    EXPECT_EQ(s.Panels.SearchPlace, 1);
    EXPECT_TRUE(s.ChannelPrefs.empty());
    EXPECT_EQ(s.AlarmCount, 0);
    EXPECT_EQ(s.PrintColumns, 3);
    EXPECT_EQ(s.PrintMarginLeft, 20);
    EXPECT_EQ(s.PrintMarginBottom, 20);
    EXPECT_EQ(s.PrintFontSize, 10);
    EXPECT_EQ(s.PrintFontStyle, "0000");
    EXPECT_EQ(s.DayStartTime, "05:00");
    EXPECT_EQ(s.ProxyPort, 3128);
    EXPECT_EQ(s.ProxyHost, defaultProxyHost());
    EXPECT_TRUE(s.SingleInstance);
    EXPECT_TRUE(s.AlarmOn);
    EXPECT_TRUE(s.AutoDeleteOld);

    Settings expected;
    expected.Form.Width = 1920;
    expected.Form.Height = 1080;
    EXPECT_EQ(s, expected);
}

TEST(SettingsLoad, BooleansAreIntegersAndAnythingElseIsTheDefault) {
    struct Case {
        const char* text;
        bool whenDefaultTrue;
        bool whenDefaultFalse;
    };
    const Case cases[] = {
        {"0", false, false}, {"1", true, true},    {"2", true, true},     {"-1", true, true},
        {"x", true, false},  {"", true, false},    {" 1", true, false},   {"1.0", true, false},
        {"+1", true, true},  {"00", false, false}, {"true", true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(loadOne("Setup option", "Confirm quit", c.text).ConfirmQuit, c.whenDefaultTrue) << c.text;
        EXPECT_EQ(loadOne("Setup option", "Proxy", c.text).UseProxy, c.whenDefaultFalse) << c.text;
    }
}

TEST(SettingsLoad, IntegersThatDoNotParseTakeTheirDefault) {
    struct Case {
        const char* text;
        int left;
        int width;
    };
    const Case cases[] = {
        {"abc", 0, 1920},
        {"-20", -20, -20},
        {"+7", 7, 7},
        {"2147483647", 2147483647, 2147483647},
        {"2147483648", 0, 1920},
        {"-2147483648", -2147483647 - 1, -2147483647 - 1},
        {"", 0, 1920},
        {"12 ", 0, 1920},
        {"0x10", 0, 1920},
        {"+-3", 0, 1920},
        {"-", 0, 1920},
        {"1e3", 0, 1920},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(loadOne("Form position", "Left", c.text).Form.Left, c.left) << c.text;
        EXPECT_EQ(loadOne("Form position", "Width", c.text).Form.Width, c.width) << c.text;
    }
}

TEST(SettingsLoad, TextsAreCutTo255Characters) {
    std::string longName;
    for (int i = 0; i < 300; ++i) {
        longName += cp("Ж");
    }
    const Settings s = loadText("[Setup option]\nSkin=" + cp1251::toUtf8(longName) +
                                "\n[Setup canal]\nCanal0=" + cp1251::toUtf8(longName) + "\n");
    EXPECT_EQ(s.SkinName, longName.substr(0, 255));
    ASSERT_EQ(s.ChannelPrefs.size(), 1u);
    EXPECT_EQ(s.ChannelPrefs[0], longName.substr(0, 255));
    EXPECT_EQ(loadOne("Setup option", "Skin", std::string(255, 'a')).SkinName, std::string(255, 'a'));
}

TEST(SettingsLoad, DayStartTimeOfAnotherFormIsTheDefault) {
    const std::pair<const char*, const char*> cases[] = {
        {"06:30", "06:30"}, {" 5:00", " 5:00"}, {"5:00", "5:00"},    {"23:59", "23:59"},
        {"24:00", "05:00"}, {"12:60", "05:00"}, {"ab:cd", "05:00"},  {"0530", "05:00"},
        {"5:0", "05:00"},   {"", "05:00"},      {"05:00 ", "05:00"}, {"-1:00", "05:00"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(loadOne("Setup option", "Time begin", text).DayStartTime, expected) << text;
    }
}

TEST(SettingsLoad, TypesOfTheWrongLengthSwitchEveryTypeOn) {
    struct Case {
        const char* text;
        std::vector<int> hidden;
    };
    const Case cases[] = {
        {"100000000000001", {0, 14}}, {"011000000000000", {1, 2}},
        {"1x1?00000000000", {0, 2}},  {"1", {}},
        {"1000000000000010", {}},     {"", {}},
    };
    for (const Case& c : cases) {
        const Settings s = loadOne("Setup panel", "types", c.text);
        std::vector<int> hidden;
        for (int k = 0; k < ProgrammeTypeCount; ++k) {
            if (s.Panels.TypeHidden[static_cast<std::size_t>(k)]) {
                hidden.push_back(k);
            }
        }
        EXPECT_EQ(hidden, c.hidden) << c.text;
    }
}

TEST(SettingsLoad, PanelPlacesAreKeptAsStoredForTheWindowToJudge) {
    const Settings s = loadText("[Setup panel]\nfastcanal=7\ntypesext=0\npanelsearch=2\npanelcanal=abc\n");
    EXPECT_EQ(s.Panels.FastCanalPlace, 7);
    EXPECT_EQ(s.Panels.TypesExtPlace, 0);
    EXPECT_EQ(s.Panels.SearchPlace, 2);
    EXPECT_EQ(s.Panels.CanalPanelWidth, 90);
    EXPECT_EQ(s.Panels.TypePanelWidth, 150);
}

TEST(SettingsLoad, ChannelsAreReadUpToTheFirstMissingOrEmptyName) {
    const Settings gap = loadText("[Setup canal]\n"
                                  "Custom clock=1\nClock=-3\n"
                                  "Canal0=ORT\nCanal clock0=2\n"
                                  "Canal1=*NTV\n"
                                  "Canal2=\nCanal clock2=5\n"
                                  "Canal3=Lost\nCanal clock3=7\n");
    EXPECT_TRUE(gap.PerChannelShift);
    EXPECT_EQ(gap.TimeZoneShift, -3);
    EXPECT_EQ(gap.ChannelPrefs, (std::vector<std::string>{"ORT", "*NTV"}));
    EXPECT_EQ(gap.ChannelShift[0], 2);
    EXPECT_EQ(gap.ChannelShift[1], 0);
    EXPECT_EQ(gap.ChannelShift[2], 0);
    EXPECT_EQ(gap.ChannelShift[3], 0);

    const Settings missing = loadText("[Setup canal]\nCanal0=A\nCanal2=C\n");
    EXPECT_EQ(missing.ChannelPrefs, std::vector<std::string>{"A"});

    // Beyond the 201 positions of ChannelShift nothing more can be held.
    IniDocument many;
    for (int n = 0; n < 205; ++n) {
        many.writeValue("Setup canal", "Canal" + std::to_string(n), "C" + std::to_string(n));
        many.writeValue("Setup canal", "Canal clock" + std::to_string(n), std::to_string(n % 7));
    }
    const Settings full = loadSettings(many, environment());
    ASSERT_EQ(full.ChannelPrefs.size(), 201u);
    EXPECT_EQ(full.ChannelPrefs[200], "C200");
    EXPECT_EQ(full.ChannelShift[200], 200 % 7);
}

TEST(SettingsLoad, AutoAlarmKeywordsFollowTheirCountWithinTheTable) {
    const Settings three = loadText("[Setup alarm]\nAuto alarm=1\nAuto alarm count=3\n"
                                    "Autoalarm1=football\nAutoalarm3=\" hockey \"\nAutoalarm4=extra\n");
    EXPECT_TRUE(three.AutoAlarmOn);
    EXPECT_EQ(three.AutoAlarmCount, 3);
    EXPECT_EQ(three.AutoAlarmWords[1], "football");
    EXPECT_EQ(three.AutoAlarmWords[2], "");
    EXPECT_EQ(three.AutoAlarmWords[3], " hockey ");
    EXPECT_EQ(three.AutoAlarmWords[4], "");

    IniDocument many;
    many.writeValue("Setup alarm", "Auto alarm count", "250");
    for (int k = 1; k <= 250; ++k) {
        many.writeValue("Setup alarm", "Autoalarm" + std::to_string(k), "w" + std::to_string(k));
    }
    const Settings capped = loadSettings(many, environment());
    EXPECT_EQ(capped.AutoAlarmCount, 200);
    EXPECT_EQ(capped.AutoAlarmWords[200], "w200");

    EXPECT_EQ(loadOne("Setup alarm", "Auto alarm count", "-4").AutoAlarmCount, 0);
}

TEST(SettingsLoad, OnlyFutureAlarmsWithChannelAndTextAreKept) {
    struct Case {
        const char* name;
        const char* time;
        const char* canal;
        const char* description;
        const char* type; // nullptr: missing
        bool kept;
        int expectedType;
    };
    const Case cases[] = {
        {"future", "07.12.2026 20:01", "ORT", "News", "3", true, 3},
        {"a minute ago", "07.12.2026 19:59", "ORT", "News", "3", false, 0},
        {"exactly now", "07.12.2026 20:00", "ORT", "News", "3", false, 0},
        {"empty channel", "08.12.2026 10:00", "", "News", "3", false, 0},
        {"empty text", "08.12.2026 10:00", "ORT", "", "3", false, 0},
        {"impossible date", "31.02.2027 10:00", "ORT", "News", "3", false, 0},
        {"no time", "0", "ORT", "News", "3", false, 0},
        {"type missing", "08.12.2026 10:00", "ORT", "News", nullptr, true, 14},
        {"type too large", "08.12.2026 10:00", "ORT", "News", "300", true, 14},
        {"type negative", "08.12.2026 10:00", "ORT", "News", "-1", true, 14},
        {"type not a number", "08.12.2026 10:00", "ORT", "News", "film", true, 14},
        {"type 255", "08.12.2026 10:00", "ORT", "News", "255", true, 255},
        {"with seconds", "08.12.2026 10:00:30", "ORT", "News", "0", true, 0},
    };
    for (const Case& c : cases) {
        IniDocument store;
        store.writeValue("Setup alarm", "Alarm count", "1");
        store.writeValue("Setup alarm", "Alarm1time", c.time);
        store.writeValue("Setup alarm", "Alarm1canal", c.canal);
        store.writeValue("Setup alarm", "Alarm1description", c.description);
        if (c.type) {
            store.writeValue("Setup alarm", "Alarm1Type", c.type);
        }
        const Settings s = loadSettings(store, environment());
        EXPECT_EQ(s.AlarmCount, c.kept ? 1 : 0) << c.name;
        if (c.kept && s.AlarmCount == 1) {
            EXPECT_EQ(s.Alarms[1].Time, *parseDateTime(c.time)) << c.name;
            EXPECT_EQ(s.Alarms[1].Canal, c.canal) << c.name;
            EXPECT_EQ(s.Alarms[1].Description, c.description) << c.name;
            EXPECT_EQ(s.Alarms[1].Type, c.expectedType) << c.name;
        }
    }
}

TEST(SettingsLoad, DroppedAlarmsCloseUpTheNumbering) {
    const Settings s =
        loadText("[Setup alarm]\nAlarm count=4\n"
                 "Alarm1time=08.12.2026 09:00\nAlarm1canal=A\nAlarm1description=one\n"
                 "Alarm2time=07.12.2026 19:59\nAlarm2canal=B\nAlarm2description=past\n"
                 "Alarm3time=08.12.2026 07:00\nAlarm3canal=C\nAlarm3description=three\n"
                 "Alarm4time=08.12.2026 08:00\nAlarm4canal=D\nAlarm4description=\n"
                 "Alarm5time=08.12.2026 08:00\nAlarm5canal=E\nAlarm5description=beyond the count\n");
    ASSERT_EQ(s.AlarmCount, 2);
    EXPECT_EQ(s.Alarms[1].Description, "one");
    EXPECT_EQ(s.Alarms[2].Description, "three");
    EXPECT_EQ(s.Alarms[3], TAlarmEntry{});
}

TEST(SettingsLoad, AlarmsNeverOutgrowTheTable) {
    IniDocument store;
    store.writeValue("Setup alarm", "Alarm count", "600");
    for (int n = 1; n <= 600; ++n) {
        const std::string prefix = "Alarm" + std::to_string(n);
        store.writeValue("Setup alarm", prefix + "time", "09.12.2026 10:00");
        store.writeValue("Setup alarm", prefix + "canal", "C");
        store.writeValue("Setup alarm", prefix + "description", std::to_string(n));
    }
    const Settings s = loadSettings(store, environment());
    EXPECT_EQ(s.AlarmCount, AlarmCapacity);
    EXPECT_EQ(s.Alarms[AlarmCapacity].Description, "500");

    EXPECT_EQ(loadOne("Setup alarm", "Alarm count", "-3").AlarmCount, 0);
}

TEST(SettingsLoad, SectionsAreReadInTheirOrderAndEachAlarmTimeFirst) {
    RecordingStore store;
    store.values().writeValue("Setup alarm", "Alarm count", "1");
    loadSettings(store, environment());
    std::vector<std::string> sections;
    for (const auto& call : store.calls()) {
        if (sections.empty() || sections.back() != call.section) {
            sections.push_back(call.section);
        }
    }
    EXPECT_EQ(sections, (std::vector<std::string>{"Setup option", "Form position", "Setup panel",
                                                  "Setup canal", "Setup alarm", "Printer option"}));
    std::vector<std::string> alarmReads;
    for (const auto& call : store.calls()) {
        if (call.name.starts_with("Alarm1")) {
            alarmReads.push_back(call.name);
        }
    }
    EXPECT_EQ(alarmReads,
              (std::vector<std::string>{"Alarm1time", "Alarm1canal", "Alarm1description", "Alarm1Type"}));
}

TEST(SettingsLoad, AValueOutsideTheCodePageIsMissing) {
    const Settings s = loadText("[Setup option]\nSkin=\xE2\x98\x83 snow\nProxy com=\xD0\x9F\n");
    EXPECT_EQ(s.SkinName, "");
    EXPECT_EQ(s.ProxyHost, cp("П"));
}
