#include "alarms/AutoAlarm.h"

#include "alarms/AlarmList.h"
#include "base/Cp1251.h"
#include "schedule/DatedProgrammes.h"
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
            const std::string canal = channel.name.substr(0, kShortStringLimit);
            // Dated as the listing dates them, so that each reminder is a programme the
            // listing shows, at the start it shows, with its bell.
            const bool found = forEachDatedProgramme(
                text, channel.name, day, week.WeekStart, day, channelShift(settings, channel.name),
                MidnightRule::CarryOn, false, [&](const DatedProgramme& programme) {
                    const std::string& line = text[programme.entry->line];
                    // A type code outside the fifteen types would not fit an entry's type
                    // (below "(" it is negative), and the listing never shows such a line.
                    const int type = programme.entry->type;
                    if (type < 0 ||
                        !matchesAny(cp1251::toLower(std::string_view(line).substr(0, kShortStringLimit)))) {
                        return;
                    }
                    if (!(programme.start > now) || findAlarm(settings, canal, programme.start) != 0) {
                        return;
                    }
                    TAlarmEntry entry{programme.start, canal,
                                      std::string(programme.entry->title.substr(0, kShortStringLimit)),
                                      static_cast<std::uint8_t>(type)};
                    if (AlarmAdd(settings, std::move(entry))) {
                        ++added;
                    }
                });
            if (!found) {
                continue;
            }
            AlarmSort(settings);
        }
    }
    return added;
}

} // namespace kanavo
