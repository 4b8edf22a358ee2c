#include "schedule/WeekOpener.h"

#include "schedule/WeekChannels.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace kanavo {
namespace {

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return bytes;
}

} // namespace

BannerPick clockSeededBannerPick() {
    return [](std::size_t count) {
        std::mt19937 generator(
            static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(generator);
    };
}

bool looksLikeGif(const Banner& banner) {
    constexpr std::size_t kHeaderAndScreen = 13;
    const auto& gif = banner.gif;
    const std::string_view signature(reinterpret_cast<const char*>(gif.data()),
                                     std::min<std::size_t>(6, gif.size()));
    return gif.size() >= kHeaderAndScreen && (signature == "GIF87a" || signature == "GIF89a");
}

OpenWeek openWeekItem(const WeekItem& item, TDateTime today, bool autoAlarmOn, const BannerPick& pick,
                      const BannerCheck& bannerLoads) {
    OpenWeek week;
    if (item.builtIn()) {
        week.schedule = builtInChannelList();
    } else {
        const std::vector<std::uint8_t> file = readWholeFile(item.path);
        TQuorStreams streams;
        WeekContent content = readWeekContent(file, streams);
        if (content.banners.empty()) {
            throw std::runtime_error("no banner stream");
        }
        const std::size_t chosen = pick(content.banners.size()) % content.banners.size();
        Banner& banner = content.banners[chosen];
        if (!bannerLoads(banner)) {
            throw std::runtime_error("the banner picture does not load");
        }
        week.schedule = ScheduleText(content.schedule);
        week.banner = std::move(banner);
    }
    week.WeekStart = item.range.firstDay;
    week.lastDay = item.range.lastDay;
    week.holdsToday = weekHolds(item.range, today);
    week.firstDay = week.holdsToday ? kOpenOnNow : kOpenOnMonday;
    week.shouldApplyAutoAlarm = week.holdsToday && autoAlarmOn;
    return week;
}

} // namespace kanavo
