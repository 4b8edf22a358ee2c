#include "schedule/WeekChannels.h"

#include "base/Cp1251.h"
#include "base/Errors.h"
#include "settings/ChannelPrefs.h"

#include <algorithm>
#include <utility>

namespace kanavo {
namespace {

std::string storedName(const std::string& name) {
    return name.substr(0, SettingTextLimit);
}

void rememberChannel(Settings& settings, const std::string& name) {
    if (channelPrefsIndex(settings.ChannelPrefs, name, false) != std::string::npos) {
        return;
    }
    const std::size_t position = settings.ChannelPrefs.size();
    if (position >= static_cast<std::size_t>(ChannelCapacity)) {
        return;
    }
    settings.ChannelPrefs.push_back(name);
    settings.ChannelShift[position] = 0;
}

ChannelLine readChannelLine(std::string_view line) {
    // The number is the text before the first blank: a line without one has an empty
    // number, which is no integer either.
    if (line.find(' ') == std::string_view::npos) {
        throw EConvertError(std::string());
    }
    return parseChannelLine(line);
}

} // namespace

WeekChannelList buildWeekChannels(const ScheduleText& schedule, Settings& settings, int logoCount) {
    WeekChannelList result;
    const bool selectedOnly = settings.ChannelFilter == 2;
    const std::size_t canals = schedule.findLine(kCanalsLine);
    std::size_t k = canals == ScheduleText::npos ? 0 : canals + 1;
    try {
        for (; k < schedule.size(); ++k) {
            const ChannelLine line = readChannelLine(schedule[k]);
            const int logo = line.number >= 0 && line.number < logoCount ? line.number : 0;
            const std::string name = storedName(line.name);
            rememberChannel(settings, name);
            if (!selectedOnly || channelPrefsIndex(settings.ChannelPrefs, name, true) != std::string::npos) {
                result.channels.push_back({line.name, logo, static_cast<int>(result.channels.size())});
            }
            if (settings.ChannelFilter == 1 &&
                result.channels.size() >= static_cast<std::size_t>(kCentralChannelCount)) {
                break;
            }
            if (k + 1 < schedule.size() && schedule[k + 1] == kCanalsEndLine) {
                break;
            }
        }
    } catch (const EConvertError& e) {
        result.error = e.what();
    }
    if (selectedOnly) {
        // Every offered channel is chosen, so each has a place in ChannelPrefs.
        std::vector<std::pair<std::size_t, WeekChannel>> ordered;
        for (WeekChannel& channel : result.channels) {
            ordered.emplace_back(channelPrefsIndex(settings.ChannelPrefs, storedName(channel.name), true),
                                 std::move(channel));
        }
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        result.channels.clear();
        for (auto& [place, channel] : ordered) {
            channel.tag = static_cast<int>(result.channels.size());
            result.channels.push_back(std::move(channel));
        }
    }
    return result;
}

ScheduleText builtInChannelList() {
    return ScheduleText(std::vector<std::string>{
        std::string(kCanalsLine), "1 " + cp1251::fromUtf8("Первый канал").value(),
        "2 " + cp1251::fromUtf8("РТР").value(), "3 " + cp1251::fromUtf8("ТВЦ").value(),
        "4 " + cp1251::fromUtf8("НТВ").value(), "5 " + cp1251::fromUtf8("Культура").value(),
        "6 " + cp1251::fromUtf8("СТС").value(), std::string(kCanalsEndLine)});
}

} // namespace kanavo
