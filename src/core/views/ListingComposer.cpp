#include "views/ListingComposer.h"

#include "base/Cp1251.h"
#include "schedule/DatedProgrammes.h"
#include "settings/ChannelPrefs.h"
#include "views/BroadcastDay.h"
#include "views/DayNames.h"
#include "views/GapSort.h"
#include "views/SearchWords.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kanavo {
namespace {

std::string text(std::string_view utf8) {
    return cp1251::fromUtf8(utf8).value();
}

std::string noDataMessage(const std::string& dayPhrase, const std::string& channel) {
    return text("Извините, на ") + dayPhrase + text(" по каналу ") + channel + text(" нет данных.");
}

// The reminders of the list, found by channel and exact start time.
class BellMarks {
public:
    explicit BellMarks(const Settings& settings) {
        const int count = std::clamp(settings.AlarmCount, 0, AlarmCapacity);
        for (int n = 1; n <= count; ++n) {
            m_entries.push_back(&settings.Alarms[static_cast<std::size_t>(n)]);
        }
        std::sort(m_entries.begin(), m_entries.end(),
                  [](const TAlarmEntry* a, const TAlarmEntry* b) { return a->Time < b->Time; });
    }

    // The bell image when a reminder is set on this programme, else -1.
    int imageFor(const std::string& channel, TDateTime start) const {
        auto it = std::lower_bound(m_entries.begin(), m_entries.end(), start,
                                   [](const TAlarmEntry* e, TDateTime t) { return e->Time < t; });
        for (; it != m_entries.end() && (*it)->Time == start; ++it) {
            if ((*it)->Canal == channel) {
                return kBellImage;
            }
        }
        return -1;
    }

private:
    std::vector<const TAlarmEntry*> m_entries;
};

class Composition {
public:
    Composition(const ListingComposer& composer, const Col1TextWidth& width, ViewState& state)
        : m_week(composer.week()), m_settings(composer.settings()), m_width(width), m_state(state),
          m_now(composer.clock().now()), m_bells(composer.settings()) {}

    Listing run(int mode) {
        m_listing.mode = mode;
        m_name = DayPhrase(m_state.CurrentDay);
        switch (mode) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
            channelDay();
            break;
        case kNowDay:
            onAirNow();
            break;
        case 9:
            allChannelsDay();
            break;
        case 10:
            channelWeek();
            break;
        case 11:
            search();
            break;
        case 12:
        case 13:
            alarmList(mode == 13);
            break;
        default:
            break;
        }
        finish();
        m_state.currentMode = mode;
        return std::move(m_listing);
    }

private:
    const std::vector<WeekChannel>& channels() const {
        static const std::vector<WeekChannel> none;
        return m_week.channels ? *m_week.channels : none;
    }

    int width(std::string_view text) const { return m_width ? m_width(text, m_listing.images1) : 0; }

    void growCol1(const std::string& text) {
        const int needed = width(text);
        if (needed > m_listing.col1Width) {
            m_listing.col1Width = needed + 8;
        }
    }

    void releaseDays() { m_state.selectedDay = -1; }

    // Calls `visit` with each shown programme of the channel's day section, in order;
    // false when the week has no such section.
    template <typename Visit>
    bool walk(const std::string& channel, int day, TDateTime base, int dayOffset, MidnightRule rule,
              bool smallHours, Visit&& visit) const {
        if (!m_week.schedule) {
            return false;
        }
        return forEachDatedProgramme(*m_week.schedule, channel, day, base, dayOffset,
                                     channelShift(m_settings, channel), rule, smallHours,
                                     [&](const DatedProgramme& p) {
                                         // Hidden types are walked too: each start ends the
                                         // programme before it.
                                         if (m_state.TypeShown(p.entry->type)) {
                                             visit(p);
                                         }
                                     });
    }

    ListingRow programmeRow(const DatedProgramme& p) const {
        ListingRow row;
        row.lines4 = std::string(p.entry->title);
        row.imageIndex4 = p.entry->type;
        row.startTime = p.start;
        row.endTime = p.end;
        return row;
    }

    void channelDay() {
        const std::string channel = m_state.channelButton.caption;
        const int day = m_state.CurrentDay;
        m_listing.heading = text("Программа передач канала ") + channel + text(" на ") + m_name + ", " +
                            formatDate(m_week.WeekStart + day) + text(" года.");
        m_state.searchCanCaption = channel + text(" на неделю");
        m_state.searchDayCaption = text("Все каналы на ") + m_name;
        m_listing.images1 = RowImages::Type;
        m_listing.col1Width = m_settings.AlarmOn ? width("") : 0;
        const bool found = walk(channel, day, m_week.WeekStart, day, MidnightRule::CarryOn, false,
                                [&](const DatedProgramme& p) {
                                    ListingRow row = programmeRow(p);
                                    row.imageIndex1 = m_bells.imageFor(channel, p.start);
                                    m_listing.add(std::move(row));
                                });
        if (!found) {
            m_listing.addMessage(noDataMessage(m_name, channel));
        }
    }

    void onAirNow() {
        m_listing.heading =
            text("Программа передач, идущих по всем каналам сейчас, ") + formatDate(m_now) + text(" года.");
        m_state.channelButton.enterAllChannels();
        m_state.searchCanCaption = m_state.channelButton.rememberedName + text(" на неделю");
        m_state.searchDayCaption = text("Все каналы на cегодня"); // the "c" is a Latin letter
        m_listing.images1 = RowImages::SmallCanal;
        m_listing.col1Width = width("");
        const BroadcastDay today = broadcastDay(m_now, m_settings.DayStartTime);
        const TDateTime todayDate = std::floor(m_now);
        for (const WeekChannel& channel : channels()) {
            walk(channel.name, today.index, todayDate, 0, MidnightRule::NowView, today.beforeStart,
                 [&](const DatedProgramme& p) {
                     if (p.start < m_now && m_now < p.end) {
                         ListingRow row = programmeRow(p);
                         row.lines1 = channel.name;
                         row.imageIndex1 = channel.logo;
                         growCol1(channel.name);
                         m_listing.add(std::move(row));
                     }
                 });
        }
        if (m_listing.rows.empty()) {
            m_listing.addMessage(text("Сейчас ничего по телевидению не показывают."));
        }
    }

    void allChannelsDay() {
        m_listing.heading = text("Программа передач всех каналов на ") + m_name + ".";
        m_state.channelButton.enterAllChannels();
        if (m_state.CurrentDay == kNowDay || m_state.selectedDay == kNowDay) {
            m_listing.heading = text("Программа передач всех каналов на сегодня.");
            m_state.CurrentDay = TodayIndex(m_now, m_settings.DayStartTime);
            m_name = DayPhrase(m_state.CurrentDay);
        }
        m_state.selectedDay = m_state.CurrentDay;
        m_listing.images1 = RowImages::Type;
        m_listing.col1Width = m_settings.AlarmOn ? 10 : 0;
        const int day = m_state.CurrentDay;
        for (const WeekChannel& channel : channels()) {
            const bool found = walk(channel.name, day, m_week.WeekStart, day, MidnightRule::CarryOn, false,
                                    [&](const DatedProgramme& p) {
                                        ListingRow row = programmeRow(p);
                                        row.lines1 = channel.name;
                                        row.imageIndex1 = m_bells.imageFor(channel.name, p.start);
                                        growCol1(channel.name);
                                        m_listing.add(std::move(row));
                                    });
            if (!found) {
                m_listing.addMessage(noDataMessage(m_name, channel.name));
            }
        }
        auto& rows = m_listing.rows;
        gapSortByStartTime(
            static_cast<int>(rows.size()),
            [&rows](int i) { return rows[static_cast<std::size_t>(i)].startTime; },
            [&rows](int a, int b) {
                std::swap(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]);
            });
    }

    void channelWeek() {
        m_state.channelButton.leaveAllChannels();
        releaseDays();
        const std::string channel = m_state.channelButton.caption;
        m_listing.heading = text("Программа передач канала ") + channel + text(" на неделю.");
        m_listing.images1 = RowImages::Type;
        // The day names are the only thing that tells the days apart here, so the column
        // is there with or without reminders.
        m_listing.col1Width = width(dayCaption(6)) + 10;
        for (int day = 0; day < 7; ++day) {
            const bool found = walk(channel, day, m_week.WeekStart, day, MidnightRule::CarryOn, false,
                                    [&](const DatedProgramme& p) {
                                        ListingRow row = programmeRow(p);
                                        row.lines1 = dayCaption(day);
                                        row.imageIndex1 = m_bells.imageFor(channel, p.start);
                                        m_listing.add(std::move(row));
                                    });
            if (!found) {
                m_listing.addMessage(noDataMessage(DayPhrase(day), channel));
            }
        }
    }

    void search() {
        releaseDays();
        m_state.channelButton.enterAllChannels();
        m_listing.heading = text("Поиск программ передач на всех каналах на всю неделю.");
        m_listing.images1 = RowImages::Type;
        m_listing.col1Width = m_settings.AlarmOn ? 10 : 0;
        const SearchWords words(m_state.searchText);
        auto& rows = m_listing.rows;
        for (int day = 0; day < 7; ++day) {
            for (const WeekChannel& channel : channels()) {
                walk(channel.name, day, m_week.WeekStart, day, MidnightRule::CarryOn, false,
                     [&](const DatedProgramme& p) {
                         if (m_listing.full() || !words.matches(p.entry->title)) {
                             return;
                         }
                         ListingRow row = programmeRow(p);
                         row.lines1 = dayCaption(day) + ", " + channel.name;
                         row.imageIndex1 = m_bells.imageFor(channel.name, p.start);
                         growCol1(row.lines1);
                         m_listing.add(std::move(row));
                     });
            }
        }
        // Each match goes before the first row that starts later, so equal starts keep the
        // order they were found in: a stable sort of the matches in that order.
        std::stable_sort(rows.begin(), rows.end(),
                         [](const ListingRow& a, const ListingRow& b) { return a.startTime < b.startTime; });
        if (rows.empty()) {
            m_listing.addMessage(text("Ничего не найдено."));
        }
    }

    void alarmList(bool todayOnly) {
        releaseDays();
        const auto& all = channels();
        m_state.channelButton.enterAllChannelsResetting(all.empty() ? std::string() : all.front().name,
                                                        all.empty() ? -1 : all.front().logo);
        m_listing.heading = todayOnly ? text("Список передач на сегодня, на которых установлено оповещение.")
                                      : text("Список передач, на которых установлено оповещение.");
        m_listing.images1 = RowImages::SmallCanal;
        m_listing.col3Width = 0;
        m_listing.col1Width = 1;
        const double today = std::floor(m_now);
        const int count = std::clamp(m_settings.AlarmCount, 0, AlarmCapacity);
        for (int n = 1; n <= count; ++n) {
            const TAlarmEntry& alarm = m_settings.Alarms[static_cast<std::size_t>(n)];
            if (todayOnly && std::floor(alarm.Time) != today) {
                continue;
            }
            ListingRow row;
            row.lines1 = todayOnly ? alarm.Canal
                                   : alarm.Canal + ", " + longDayName(dayOfWeek(alarm.Time)) + " (" +
                                         formatDate(alarm.Time) + ")";
            row.lines4 = alarm.Description;
            row.imageIndex4 = alarm.Type;
            row.startTime = alarm.Time;
            row.imageIndex1 = 0;
            const auto channel = std::find_if(
                all.begin(), all.end(), [&alarm](const WeekChannel& c) { return c.name == alarm.Canal; });
            if (channel != all.end()) {
                row.imageIndex1 = channel->logo;
            }
            growCol1(row.lines1);
            m_listing.add(std::move(row));
        }
        if (!m_listing.rows.empty()) {
            m_listing.alarmPopup = true;
        } else {
            m_listing.addMessage(
                todayOnly ? text("Оповещение ни на какие передачи, идущие сегодня, не установлено.")
                          : text("Оповещение ни на какие передачи не установлено."));
        }
    }

    void finish() {
        const auto& rows = m_listing.rows;
        const auto future = std::find_if(rows.begin(), rows.end(), [this](const ListingRow& r) {
            return !r.isMessage() && r.startTime > m_now;
        });
        m_listing.firstFutureIndex = future == rows.end() ? -1 : static_cast<int>(future - rows.begin());
    }

    const ComposerWeek& m_week;
    const Settings& m_settings;
    const Col1TextWidth& m_width;
    ViewState& m_state;
    const TDateTime m_now;
    const BellMarks m_bells;
    Listing m_listing;
    std::string m_name; // DayPhrase of the day composed
};

} // namespace

ListingComposer::ListingComposer(const Settings& settings, const Clock& clock, Col1TextWidth col1TextWidth)
    : m_settings(settings), m_clock(clock), m_col1TextWidth(std::move(col1TextWidth)) {}

Listing ListingComposer::WriteTV(int mode, ViewState& state) const {
    return Composition(*this, m_col1TextWidth, state).run(mode);
}

} // namespace kanavo
