// weeks: the week menu and the channels of the week that opens, as the program finds
// them at start in DIR/TV.
#include "CommandLine.h"
#include "Commands.h"

#include "base/Cp1251.h"
#include "base/ProgramDir.h"
#include "schedule/WeekLibrary.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"

#include <iostream>
#include <limits>

namespace kanavo::knvtool {
namespace {

class TerminalMessages : public UserMessages {
public:
    void showMessage(const std::string& text) override {
        std::cerr << "knvtool weeks: " << cp1251::toUtf8(text) << "\n";
    }
    // Nothing here asks; a question would be answered No, which changes nothing.
    bool askYesNo(const std::string& text) override {
        showMessage(text);
        return false;
    }
};

} // namespace

int runWeeks(int argc, char** argv) {
    static const char* usage =
        "knvtool weeks DIR [--config FILE] [--today DD.MM.YYYY] [--logos N] [--delete-old]";
    Arguments args(argc, argv, {"--delete-old"});
    const auto config = args.take("--config");
    const auto todayText = args.take("--today");
    const auto logosText = args.take("--logos");
    const bool deleteOld = args.takeFlag("--delete-old");
    const auto dirs = args.positional(1, usage);

    TDateTime now = localNow();
    if (todayText) {
        const auto day = parseDate(*todayText);
        if (!day) {
            throw CommandError("--today takes a date in the form DD.MM.YYYY, not " + *todayText);
        }
        now = *day;
    }
    // Read only: channels met here are added to this copy and never saved.
    ConfigOption option;
    if (config) {
        option.file = *config;
    }
    Settings settings = loadSettingsFile(settingsPath(option), LoadEnvironment{now, 0, 0});

    TerminalMessages messages;
    WeekServices services;
    services.messages = &messages;
    services.now = [now] { return now; };
    services.mayDeleteOld = deleteOld;
    WeekLibrary library(programDir(HomeOption{std::filesystem::path(dirs[0]), {}}, nullptr), settings,
                        services);
    if (logosText) {
        library.setLogoCount(parseNumber(*logosText, "--logos", 0, std::numeric_limits<int>::max()));
    }
    if (!library.FindKNVFile()) {
        return 1;
    }
    for (const WeekItem& item : library.menu().items()) {
        std::cout << cp1251::toUtf8(item.caption) << "\t" << item.hint() << "\t" << (item.checked ? "*" : "")
                  << "\n";
    }
    std::cout << "\n";
    for (const WeekChannel& channel : library.WeekChannels()) {
        std::cout << channel.tag << "\t" << channel.logo << "\t" << cp1251::toUtf8(channel.name) << "\n";
    }
    return 0;
}

} // namespace kanavo::knvtool
