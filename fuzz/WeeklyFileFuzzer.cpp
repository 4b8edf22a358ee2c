// Any byte sequence as a weekly file: header, container, and the schedule text read the
// way the viewer reads it (channel lines and every day section of every channel).
#include "base/Errors.h"
#include "schedule/ScheduleText.h"
#include "schedule/WeeklyFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kanavo;
    const std::span<const std::uint8_t> file(data, size);
    if (const auto caption = weekCaptionOf(firstTextLine(file))) {
        parseWeekCaption(*caption);
    }
    TQuorStreams streams;
    WeekContent content;
    try {
        content = readWeekContent(file, streams);
    } catch (const ECorruptFile&) {
        return 0;
    } catch (const EStreamError&) {
        return 0;
    }
    const ScheduleText text(content.schedule);
    std::size_t k = text.findLine(kCanalsLine);
    while (k != ScheduleText::npos && k + 1 < text.size()) {
        ++k;
        try {
            const ChannelLine channel = parseChannelLine(text[k]);
            for (int day = 0; day < 7; ++day) {
                if (const auto section = text.daySection(channel.name, day)) {
                    sectionEntries(text, *section);
                }
            }
        } catch (const EConvertError&) {
            break;
        }
        if (text[k + 1 < text.size() ? k + 1 : k] == kCanalsEndLine) {
            break;
        }
    }
    return 0;
}
