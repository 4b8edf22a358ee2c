#include "alarms/AutoAlarm.h"

#include "alarms/AlarmList.h"
#include "base/Cp1251.h"
#include "schedule/ProgrammeTime.h"
#include "settings/ChannelPrefs.h"

#include <algorithm>

namespace kanavo {
namespace {

constexpr std::size_t kShortStringLimit = 255;

} // namespace

KeywordEntry::KeywordEntry(std::string_view entry) {
    const std::string lower = cp1251::toLower(entry);
    std::string_view rest = lower;
    for (std::string& part : m_parts) {
        if (rest.empty()) {
            part = m_parts[0];
        } else if (const std::size_t blank = rest.find(' '); blank != std::string_view::npos) {
            part = std::string(rest.substr(0, blank));
            rest.remove_prefix(blank + 1);
        } else {
            part = std::string(rest);
            rest = {};
        }
        // An empty part is found nowhere, so the entry can never match.
        m_usable = m_usable && !part.empty();
    }
}

bool KeywordEntry::matches(std::string_view lowerLine) const {
    return m_usable && std::all_of(m_parts.begin(), m_parts.end(), [lowerLine](const std::string& part) {
               return lowerLine.find(part) != std::string_view::npos;
           });
}

int MenuAutoAlarmApplyClick(const AutoAlarmWeek& week, Settings& settings, TDateTime now) {
    const int keywordCount = std::clamp(settings.AutoAlarmCount, 0, AutoAlarmCapacity);
    if (keywordCount == 0 || week.schedule == nullptr || week.channels == nullptr) {
        return 0;
    }
    std::vector<KeywordEntry> keywords;
    keywords.reserve(static_cast<std::size_t>(keywordCount));
    for (int k = 1; k <= keywordCount; ++k) {
        keywords.emplace_back(settings.AutoAlarmWords[static_cast<std::size_t>(k)]);
    }
    auto matchesAny = [&keywords](std::string_view lowerLine) {
        return std::any_of(keywords.begin(), keywords.end(),
                           [lowerLine](const KeywordEntry& k) { return k.matches(lowerLine); });
    };

    const ScheduleText& text = *week.schedule;
    int added = 0;
    for (int day = dayOfWeek(now); day <= 6; ++day) {
        for (const WeekChannel& channel : *week.channels) {
            const auto section = text.daySection(channel.name, day);
            if (!section) {
                continue;
            }
            const std::string canal = channel.name.substr(0, kShortStringLimit);
            const int shift = channelShift(settings, channel.name);
            // Every line up to the next header, the closing one included.
            for (std::size_t i = section->first; i < section->end; ++i) {
                const std::string& line = text[i];
                const std::string lowerLine =
                    cp1251::toLower(std::string_view(line).substr(0, kShortStringLimit));
                if (!matchesAny(lowerLine)) {
                    continue;
                }
                const std::optional<int> minutes = entryMinutes(line);
                // A type code outside the fifteen types would not fit an entry's type
                // (below "(" it is negative), and the listing never shows such a line.
                const int type = entryType(line);
                if (!minutes || type < 0) {
                    continue;
                }
                // Every line keeps its own section's date: no carry past midnight.
                const TDateTime start = programmeTime(week.WeekStart, *minutes, day, shift);
                if (!(start > now) || findAlarm(settings, canal, start) != 0) {
                    continue;
                }
                TAlarmEntry entry{start, canal, std::string(entryTitle(line).substr(0, kShortStringLimit)),
                                  static_cast<std::uint8_t>(type)};
                if (AlarmAdd(settings, std::move(entry))) {
                    ++added;
                }
            }
            AlarmSort(settings);
        }
    }
    return added;
}

} // namespace kanavo
