#include "schedule/WeeklyFile.h"

#include "base/Cp1251.h"
#include "base/Errors.h"

#include <stdexcept>

namespace kanavo {

std::string firstTextLine(std::span<const std::uint8_t> fileStart) {
    constexpr std::size_t kMaxLine = 255;
    std::string line;
    for (std::size_t i = 0; i < fileStart.size() && line.size() < kMaxLine; ++i) {
        const auto c = static_cast<char>(fileStart[i]);
        if (c == '\r' || c == '\n') {
            break;
        }
        line += c;
    }
    return line;
}

std::optional<std::string> weekCaptionOf(std::string_view headerLine) {
    if (!headerLine.starts_with(kWeekMagic)) {
        return std::nullopt;
    }
    if (headerLine.size() <= kWeekCaptionOffset) {
        return std::string();
    }
    return std::string(headerLine.substr(kWeekCaptionOffset, kWeekCaptionLength));
}

std::optional<WeekRange> parseWeekCaption(std::string_view caption) {
    if (caption.size() < kWeekCaptionLength) {
        return std::nullopt;
    }
    const auto first = parseDate(caption.substr(0, 10));
    const auto last = parseDate(caption.substr(13, 10));
    if (!first || !last) {
        return std::nullopt;
    }
    return WeekRange{*first, *last};
}

std::string makeWeekHeader(TDateTime monday) {
    // The two free characters after the magic carry the minor version and a blank.
    return std::string(kWeekMagic) + "1 " + formatDate(monday) + " - " + formatDate(monday + 6) + "\r\n";
}

void loadWeekContainer(std::span<const std::uint8_t> file, TQuorStreams& streams) {
    if (file.size() < kWeekHeaderSize) {
        throw ECorruptFile("File is corrupt.", "shorter than the weekly file header");
    }
    MemoryStream container(std::vector<std::uint8_t>(file.begin() + kWeekHeaderSize, file.end()));
    streams.LoadFromStream(container);
}

WeekContent readWeekContent(std::span<const std::uint8_t> file, TQuorStreams& streams) {
    loadWeekContainer(file, streams);
    WeekContent content;
    const std::vector<std::uint8_t> schedule = streamBytes(streams, kScheduleStreamName);
    content.schedule.assign(schedule.begin(), schedule.end());
    streams.RemoveStream(kScheduleStreamName);
    for (int i = 0; i < streams.Count(); ++i) {
        content.banners.push_back({streams.Names(i), streamBytes(streams, streams.Names(i))});
    }
    streams.Clear();
    return content;
}

std::vector<std::uint8_t> writeWeeklyFile(TDateTime monday, const WeekContent& content, bool store) {
    TQuorStreams streams;
    streams.Compressed = !store;
    streams.AddStream(kScheduleStreamName,
                      std::vector<std::uint8_t>(content.schedule.begin(), content.schedule.end()));
    for (const Banner& banner : content.banners) {
        if (banner.address.empty() || cp1251::equalsIgnoreCase(banner.address, kScheduleStreamName)) {
            throw std::invalid_argument("a banner needs an address other than the schedule's stream name");
        }
        streams.AddStream(banner.address, banner.gif);
    }
    const std::string header = makeWeekHeader(monday);
    MemoryStream file;
    file.write(header.data(), header.size());
    streams.SaveToStream(file);
    return std::move(file.buffer());
}

} // namespace kanavo
