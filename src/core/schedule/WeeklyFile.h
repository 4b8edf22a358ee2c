#pragma once
// The weekly programme file: a 37-byte text header ("Kanavo v2.", two free characters,
// "DD.MM.YYYY - DD.MM.YYYY", CR LF) followed by one container holding the schedule
// stream "KNV" and one or more banner streams (GIF data named by their web address).

#include "base/DateTime.h"
#include "schedule/QuorStreamCol.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kanavo {

inline constexpr std::size_t kWeekHeaderSize = 37;
inline constexpr std::string_view kWeekMagic = "Kanavo v2.";
inline constexpr std::string_view kScheduleStreamName = "KNV";
inline constexpr std::size_t kWeekCaptionOffset = 12;
inline constexpr std::size_t kWeekCaptionLength = 23;

// The first text line of a file: up to the first CR or LF, at most 255 characters.
std::string firstTextLine(std::span<const std::uint8_t> fileStart);

// The week's caption "DD.MM.YYYY - DD.MM.YYYY" from a header line, or nullopt when the
// line does not begin with the magic. A short line gives a short caption.
std::optional<std::string> weekCaptionOf(std::string_view headerLine);

struct WeekRange {
    TDateTime firstDay = 0; // midnight of the Monday
    TDateTime lastDay = 0;  // midnight of the Sunday
};

// The two dates of a caption (characters 1..10 and 14..23); nullopt when either is not
// a valid date.
std::optional<WeekRange> parseWeekCaption(std::string_view caption);

// The 37-byte header of the week starting on `monday`.
std::string makeWeekHeader(TDateTime monday);

struct Banner {
    std::string address; // the stream name: the address a click on the banner opens
    std::vector<std::uint8_t> gif;
};

struct WeekContent {
    std::string schedule; // the "KNV" stream, Windows-1251
    std::vector<Banner> banners;
};

// Loads the container behind the header of a whole weekly file into `streams`.
// Throws ECorruptFile("File is corrupt.") for a file shorter than its header, and
// whatever TQuorStreams::LoadFromStream throws.
void loadWeekContainer(std::span<const std::uint8_t> file, TQuorStreams& streams);

// The schedule and the banners of a whole weekly file; `streams` is used for the load and
// left empty. Throws as loadWeekContainer does.
WeekContent readWeekContent(std::span<const std::uint8_t> file, TQuorStreams& streams);

// A whole weekly file for the week starting on `monday`, lh5-compressed unless `store`.
std::vector<std::uint8_t> writeWeeklyFile(TDateTime monday, const WeekContent& content, bool store = false);

} // namespace kanavo
