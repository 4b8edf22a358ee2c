#include "SettingsTestSupport.h"

#include "settings/SettingsIo.h"

#include <gtest/gtest.h>

using namespace kanavo;
using kanavo::test::environment;
using kanavo::test::now;
using kanavo::test::RecordingStore;

namespace {

std::vector<std::string> writtenNames(const RecordingStore& store, std::string_view section) {
    std::vector<std::string> names;
    for (const auto& call : store.calls()) {
        if (call.kind == 'w' && call.section == section) {
            names.push_back(call.name);
        }
    }
    return names;
}

} // namespace

TEST(SettingsSave, WritesTheSectionsInOrderVersionFirst) {
    Settings s;
    s.Form.Maximize = false;
    s.ChannelPrefs = {"A", "*B"};
    s.AutoAlarmCount = 1;
    s.AlarmCount = 1;
    s.Alarms[1] = {now() + 1, "A", "News", 2};
    RecordingStore store;
    saveSettings(s, store);

    std::vector<std::string> sections;
    for (const auto& call : store.calls()) {
        if (sections.empty() || sections.back() != call.section) {
            sections.push_back(call.section);
        }
    }
    EXPECT_EQ(sections, (std::vector<std::string>{"Version", "Form position", "Setup option", "Setup panel",
                                                  "Setup canal", "Setup alarm", "Printer option"}));
    EXPECT_EQ(store.values().readValue("Version", "Version"), "2.1");
    EXPECT_EQ(writtenNames(store, "Form position"),
              (std::vector<std::string>{"Maximize", "Left", "Top", "Width", "Height"}));
    EXPECT_EQ(writtenNames(store, "Setup panel"),
              (std::vector<std::string>{"types", "fastcanal", "typesext", "panelsearch", "panelcanal",
                                        "paneltype"}));
    EXPECT_EQ(writtenNames(store, "Setup canal"),
              (std::vector<std::string>{"Custom clock", "Clock", "Canal0", "Canal clock0", "Canal1",
                                        "Canal clock1"}));
    EXPECT_EQ(
        writtenNames(store, "Setup alarm"),
        (std::vector<std::string>{"Auto alarm", "Auto alarm count", "Autoalarm1", "Alarm", "Alarm sound",
                                  "Alarm sound cycle", "Alarm sound file", "Alarm minute", "Alarm count",
                                  "Alarm1Type", "Alarm1time", "Alarm1canal", "Alarm1description"}));
    const std::vector<std::string> options = writtenNames(store, "Setup option");
    ASSERT_EQ(options.size(), 18u);
    EXPECT_EQ(options.front(), "Auto delete knv file");
    EXPECT_EQ(options[11], "Two copies");
    EXPECT_EQ(options.back(), "Color fast canal");
    const std::vector<std::string> printer = writtenNames(store, "Printer option");
    ASSERT_EQ(printer.size(), 12u);
    EXPECT_EQ(printer.front(), "Album");
    EXPECT_EQ(printer.back(), "Font style");
}

TEST(SettingsSave, ValuesAreWrittenInTheirTextForms) {
    Settings s;
    s.UseProxy = true;
    s.ConfirmQuit = false;
    s.TimeZoneShift = -10;
    s.Panels.TypeHidden[0] = true;
    s.Panels.TypeHidden[14] = true;
    s.AlarmCount = 1;
    s.Alarms[1] = {encodeDate(2026, 12, 7) + encodeTime(20, 5, 40), "A", "B", 7};
    IniDocument store;
    saveSettings(s, store);
    EXPECT_EQ(store.readValue("Setup option", "Proxy"), "1");
    EXPECT_EQ(store.readValue("Setup option", "Confirm quit"), "0");
    EXPECT_EQ(store.readValue("Setup canal", "Clock"), "-10");
    EXPECT_EQ(store.readValue("Setup panel", "types"), "100000000000001");
    EXPECT_EQ(store.readValue("Setup alarm", "Alarm1time"), "07.12.2026 20:05");
    EXPECT_EQ(store.readValue("Setup alarm", "Alarm1Type"), "7");
}

TEST(SettingsSave, FormPositionFollowsTheWindowState) {
    struct Case {
        const char* name;
        FormPosition window;
        FormPosition nextLoad; // with bounds 10, 20, 800, 600 stored by an earlier close
    };
    const Case cases[] = {
        {"maximised keeps the stored bounds", {1, 2, 3, 4, true}, {10, 20, 800, 600, true}},
        {"normal writes its bounds", {-7, 5, 640, 480, false}, {-7, 5, 640, 480, false}},
        {"still parked writes nothing", {ParkedLeft, 0, 1024, 768, false}, {10, 20, 800, 600, false}},
    };
    for (const Case& c : cases) {
        IniDocument store =
            IniDocument::parse("[Form position]\nMaximize=0\nLeft=10\nTop=20\nWidth=800\nHeight=600\n");
        Settings s;
        s.Form = c.window;
        saveSettings(s, store);
        EXPECT_EQ(loadSettings(store, environment()).Form, c.nextLoad) << c.name;
    }

    IniDocument empty;
    Settings parked;
    parked.Form = {ParkedLeft, 0, 1024, 768, false};
    saveSettings(parked, empty);
    EXPECT_EQ(empty.readValue("Form position", "Maximize"), std::nullopt);
    EXPECT_EQ(loadSettings(empty, environment()).Form, (FormPosition{0, 0, 1920, 1080, true}));
}

TEST(SettingsSave, ExpiredAlarmsVanishAndTheRestAreRenumbered) {
    IniDocument store =
        IniDocument::parse("[Setup alarm]\nAlarm count=3\n"
                           "Alarm1time=07.12.2026 21:00\nAlarm1canal=A\nAlarm1description=one\n"
                           "Alarm1Type=1\n"
                           "Alarm2time=07.12.2026 19:59\nAlarm2canal=B\nAlarm2description=past\n"
                           "Alarm2Type=2\n"
                           "Alarm3time=07.12.2026 22:00\nAlarm3canal=C\nAlarm3description=three\n"
                           "Alarm3Type=3\n");
    const Settings loaded = loadSettings(store, environment());
    saveSettings(loaded, store);
    EXPECT_EQ(store.readValue("Setup alarm", "Alarm count"), "2");
    EXPECT_EQ(store.readValue("Setup alarm", "Alarm1description"), "one");
    EXPECT_EQ(store.readValue("Setup alarm", "Alarm2description"), "three");
    EXPECT_EQ(store.readValue("Setup alarm", "Alarm2canal"), "C");
    EXPECT_EQ(store.readValue("Setup alarm", "Alarm2Type"), "3");
    EXPECT_EQ(store.readValue("Setup alarm", "Alarm2time"), "07.12.2026 22:00");
}

TEST(SettingsSave, TheChannelListNeverShrinksInTheStore) {
    IniDocument store = IniDocument::parse("[Setup canal]\nCanal0=A\nCanal1=B\nCanal2=C\nCanal clock2=4\n");
    Settings s;
    s.ChannelPrefs = {"*A", "B"};
    saveSettings(s, store);
    EXPECT_EQ(loadSettings(store, environment()).ChannelPrefs, (std::vector<std::string>{"*A", "B", "C"}));
    EXPECT_EQ(loadSettings(store, environment()).ChannelShift[2], 4);
}

TEST(SettingsSave, CountsBeyondTheTablesAreNotWritten) {
    Settings s;
    s.ChannelPrefs.assign(210, "X");
    s.AutoAlarmCount = 999;
    s.AlarmCount = 999;
    RecordingStore store;
    saveSettings(s, store);
    EXPECT_EQ(store.values().readValue("Setup canal", "Canal200"), "X");
    EXPECT_EQ(store.values().readValue("Setup canal", "Canal201"), std::nullopt);
    EXPECT_EQ(store.values().readValue("Setup alarm", "Auto alarm count"), "200");
    EXPECT_EQ(store.values().readValue("Setup alarm", "Alarm count"), "500");
    EXPECT_EQ(store.values().readValue("Setup alarm", "Alarm501time"), std::nullopt);
}
