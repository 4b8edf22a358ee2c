// list: one view of a weekly file as the program composes it, row by row on the terminal.
#include "CommandLine.h"
#include "Commands.h"

#include "base/Cp1251.h"
#include "schedule/WeekChannels.h"
#include "schedule/WeekOpener.h"
#include "settings/DayStart.h"
#include "views/DayNames.h"
#include "views/ListingComposer.h"

#include <iostream>
#include <limits>
#include <sstream>

namespace kanavo::knvtool {
namespace {

struct FixedClock : Clock {
    TDateTime moment = 0;
    TDateTime now() const override { return moment; }
};

std::string timeField(TDateTime value) {
    return value == 0 ? std::string() : formatDateTimeMinutes(value);
}

} // namespace

int runList(int argc, char** argv) {
    static const char* usage = "knvtool list FILE.knv [--mode N] [--day D] [--channel NAME] [--search TEXT] "
                               "[--now \"dd.mm.yyyy hh:nn[:ss]\"] [--day-start hh:mm] [--shift H] "
                               "[--hide-types a,b,...]";
    Arguments args(argc, argv, {});
    const auto modeText = args.take("--mode");
    const auto dayText = args.take("--day");
    const auto channelText = args.take("--channel");
    const auto searchText = args.take("--search");
    const auto nowText = args.take("--now");
    const auto dayStartText = args.take("--day-start");
    const auto shiftText = args.take("--shift");
    const auto hideText = args.take("--hide-types");
    const auto files = args.positional(1, usage);

    Settings settings;
    if (shiftText) {
        settings.TimeZoneShift = parseNumber(*shiftText, "--shift", -24, 24);
    }
    if (dayStartText) {
        if (!parseDayStart(*dayStartText)) {
            throw CommandError("--day-start takes a time in the form hh:mm, not " + *dayStartText);
        }
        settings.DayStartTime = *dayStartText;
    }
    FixedClock clock;
    clock.moment = localNow();
    if (nowText) {
        const auto moment = parseDateTime(*nowText);
        if (!moment) {
            throw CommandError("--now takes a moment in the form \"dd.mm.yyyy hh:nn[:ss]\", not " + *nowText);
        }
        clock.moment = *moment;
    }

    const std::optional<WeekItem> item = readWeekItem(files[0]);
    if (!item) {
        throw CommandError(files[0] + " is not a weekly programme file");
    }
    const OpenWeek week = openWeekItem(
        *item, clock.moment, false, [](std::size_t) { return std::size_t{0}; }, looksLikeGif);
    const WeekChannelList channels =
        buildWeekChannels(week.schedule, settings, std::numeric_limits<int>::max());
    if (channels.error) {
        std::cerr << "knvtool list: " << cp1251::toUtf8(*channels.error) << "\n";
    }

    ViewState state;
    state.CurrentDay = dayText ? parseNumber(*dayText, "--day", 0, kNowDay) : 0;
    if (state.CurrentDay == 7) {
        throw CommandError("--day takes 0..6 (Monday..Sunday) or 8 (now), not 7");
    }
    state.selectedDay = state.CurrentDay;
    if (channelText) {
        state.channelButton.show(toCp1251(*channelText, "--channel"), -1);
        for (const WeekChannel& channel : channels.channels) {
            if (channel.name == state.channelButton.caption) {
                state.channelButton.image = channel.logo;
            }
        }
    } else if (!channels.channels.empty()) {
        state.channelButton.show(channels.channels.front().name, channels.channels.front().logo);
    }
    if (searchText) {
        state.searchText = toCp1251(*searchText, "--search");
    }
    if (hideText) {
        std::stringstream list(*hideText);
        for (std::string type; std::getline(list, type, ',');) {
            const int t = parseNumber(type, "--hide-types", 0, kProgrammeTypeCount - 1);
            state.typeImages[static_cast<std::size_t>(t)] = t + kProgrammeTypeCount;
        }
    }
    const int mode = modeText ? parseNumber(*modeText, "--mode", std::numeric_limits<int>::min(),
                                            std::numeric_limits<int>::max())
                              : state.CurrentDay;

    // The terminal has no font: a column is as wide as its text is long.
    ListingComposer composer(settings, clock,
                             [](std::string_view text, RowImages) { return static_cast<int>(text.size()); });
    composer.setWeek({&week.schedule, week.WeekStart, &channels.channels});
    const Listing listing = composer.WriteTV(mode, state);

    std::cout << cp1251::toUtf8(listing.heading) << "\n";
    for (const ListingRow& row : listing.rows) {
        std::cout << cp1251::toUtf8(row.lines1) << "\t" << timeField(row.startTime) << "\t"
                  << timeField(row.endTime) << "\t" << row.imageIndex1 << "\t" << row.imageIndex4 << "\t"
                  << cp1251::toUtf8(row.lines4) << "\n";
    }
    return 0;
}

} // namespace kanavo::knvtool
