#include "AppOptions.h"

#include "base/DateTime.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kanavo;

TEST(AppOptions, CommandLinesAreReadOrRefused) {
    struct Case {
        const char* name;
        std::vector<const char*> arguments;
        std::optional<std::string> home;
        std::optional<std::string> config;
        bool help, version, check;
        std::string error; // empty: accepted
    };
    const Case cases[] = {
        {"nothing", {"kanavo"}, {}, {}, false, false, false, ""},
        {"folders and check",
         {"kanavo", "--home", "/h", "--config", "/c.ini", "--check"},
         "/h",
         "/c.ini",
         false,
         false,
         true,
         ""},
        {"values after '='",
         {"kanavo", "--home=/h", "--config=/c.ini"},
         "/h",
         "/c.ini",
         false,
         false,
         false,
         ""},
        // A value that looks like an option is still the value, as getopt reads it.
        {"option-like value", {"kanavo", "--home", "--check"}, "--check", {}, false, false, false, ""},
        {"help", {"kanavo", "--help"}, {}, {}, true, false, false, ""},
        {"short help", {"kanavo", "-h"}, {}, {}, true, false, false, ""},
        {"version", {"kanavo", "--version"}, {}, {}, false, true, false, ""},
        {"help beside a bad option",
         {"kanavo", "--bogus", "--help"},
         {},
         {},
         true,
         false,
         false,
         "unknown option --bogus"},
        {"unknown option", {"kanavo", "--chek"}, {}, {}, false, false, false, "unknown option --chek"},
        {"a file name", {"kanavo", "week.knv"}, {}, {}, false, false, false, "unexpected argument week.knv"},
        {"after the end of options",
         {"kanavo", "--", "--check"},
         {},
         {},
         false,
         false,
         false,
         "unexpected argument --check"},
        {"bare end of options", {"kanavo", "--check", "--"}, {}, {}, false, false, true, ""},
        {"home without a folder",
         {"kanavo", "--home"},
         {},
         {},
         false,
         false,
         false,
         "--home needs a folder name"},
        {"empty config", {"kanavo", "--config="}, {}, {}, false, false, false, "--config needs a file name"},
    };
    for (const Case& c : cases) {
        const AppOptions options = parseAppOptions(c.arguments);
        EXPECT_EQ(options.error, c.error) << c.name;
        if (!c.error.empty()) {
            EXPECT_EQ(options.help, c.help) << c.name;
            continue;
        }
        EXPECT_EQ(options.home, c.home ? std::optional<std::filesystem::path>(*c.home) : std::nullopt)
            << c.name;
        EXPECT_EQ(options.config, c.config ? std::optional<std::filesystem::path>(*c.config) : std::nullopt)
            << c.name;
        EXPECT_EQ(options.help, c.help) << c.name;
        EXPECT_EQ(options.version, c.version) << c.name;
        EXPECT_EQ(options.check, c.check) << c.name;
    }
}

TEST(AppOptions, ClockStartIsAMomentOrRefused) {
    const char* spaced[] = {"kanavo", "--clock", "09.12.2026 20:44"};
    EXPECT_EQ(parseAppOptions(spaced).clockStart, encodeDate(2026, 12, 9) + encodeTime(20, 44));
    const char* joined[] = {"kanavo", "--clock=09.12.2026 20:44:30"};
    EXPECT_EQ(parseAppOptions(joined).clockStart, encodeDate(2026, 12, 9) + encodeTime(20, 44, 30));
    for (const char* bad : {"tomorrow", "31.02.2026 10:00"}) {
        const char* line[] = {"kanavo", "--clock", bad};
        const AppOptions options = parseAppOptions(line);
        EXPECT_FALSE(options.clockStart.has_value()) << bad;
        EXPECT_FALSE(options.error.empty()) << bad;
    }
    const char* missing[] = {"kanavo", "--clock"};
    EXPECT_FALSE(parseAppOptions(missing).error.empty());
}

TEST(AppOptions, BoxesWaitForAPersonOnlyWhereOneCanAnswer) {
    struct Case {
        bool check;
        std::optional<std::string_view> noModal;
        std::string_view platform;
        bool unattended;
    };
    const Case cases[] = {
        {false, std::nullopt, "xcb", false},
        {false, "0", "wayland", false},
        {false, "", "xcb", false},
        {true, std::nullopt, "xcb", true},
        {false, "1", "xcb", true},
        {false, std::nullopt, "offscreen", true},
        {false, std::nullopt, "minimal", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(runsUnattended(c.check, c.noModal, c.platform), c.unattended)
            << "check " << c.check << ", KANAVO_NO_MODAL " << c.noModal.value_or("unset") << ", "
            << c.platform;
    }
}
