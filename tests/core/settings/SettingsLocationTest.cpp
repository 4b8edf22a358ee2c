#include "settings/SettingsLocation.h"

#include <gtest/gtest.h>
#include <map>

using namespace kanavo;

namespace {

EnvironmentLookup environmentOf(std::map<std::string, std::string> values) {
    return [values](const char* name) -> std::optional<std::string> {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
}

} // namespace

TEST(SettingsLocation, TheConfigurationFolderComesFromXdgOrHome) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> environment;
        const char* settings;
        const char* autostart;
    };
    const Case cases[] = {
        {"XDG set",
         {{"XDG_CONFIG_HOME", "/x/conf"}, {"HOME", "/home/u"}},
         "/x/conf/Quelmar+/Kanavo2.ini",
         "/x/conf/autostart"},
        {"XDG empty",
         {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}},
         "/home/u/.config/Quelmar+/Kanavo2.ini",
         "/home/u/.config/autostart"},
        {"XDG relative",
         {{"XDG_CONFIG_HOME", "conf"}, {"HOME", "/home/u"}},
         "/home/u/.config/Quelmar+/Kanavo2.ini",
         "/home/u/.config/autostart"},
        {"XDG unset",
         {{"HOME", "/home/u"}},
         "/home/u/.config/Quelmar+/Kanavo2.ini",
         "/home/u/.config/autostart"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(defaultSettingsPath(environmentOf(c.environment)), c.settings) << c.name;
        EXPECT_EQ(autostartFolder(environmentOf(c.environment)), c.autostart) << c.name;
    }
}

TEST(SettingsLocation, TheConfigOptionNamesAnotherFile) {
    struct Case {
        std::vector<const char*> arguments;
        std::optional<std::string> file;
        bool error;
    };
    const Case cases[] = {
        {{"kanavo"}, std::nullopt, false},
        {{"kanavo", "--config", "/p/k.ini"}, "/p/k.ini", false},
        {{"kanavo", "--config=/p/k.ini"}, "/p/k.ini", false},
        {{"kanavo", "--config", "a.ini", "--config=b.ini"}, "b.ini", false},
        {{"kanavo", "--", "--config", "a.ini"}, std::nullopt, false},
        {{"kanavo", "--configure", "a.ini"}, std::nullopt, false},
        {{"kanavo", "--config"}, std::nullopt, true},
        {{"kanavo", "--config="}, std::nullopt, true},
        {{"kanavo", "--config", ""}, std::nullopt, true},
    };
    for (const Case& c : cases) {
        const ConfigOption option = findConfigOption(c.arguments);
        const std::string shown = c.arguments.size() > 1 ? c.arguments[1] : "(none)";
        EXPECT_EQ(option.file ? std::optional<std::string>(option.file->string()) : std::nullopt, c.file)
            << shown;
        EXPECT_EQ(!option.error.empty(), c.error) << shown;
    }
    const auto home = environmentOf({{"HOME", "/home/u"}});
    const std::vector<const char*> plain = {"kanavo"};
    EXPECT_EQ(settingsPath(findConfigOption(plain), home), "/home/u/.config/Quelmar+/Kanavo2.ini");
    const std::vector<const char*> given = {"kanavo", "--config", "/p/k.ini"};
    EXPECT_EQ(settingsPath(findConfigOption(given), home), "/p/k.ini");
}
