#pragma once
// A click on a row of the programme listing (TarnList3MouseDown): in the now view it opens
// the row's channel; elsewhere a left click on a programme still to come sets a reminder
// on it, or takes the reminder off when the row shows the bell. The decision is made here
// from what the window shows; the window carries it out (applyMarking) and repaints the
// row. Nothing is recomposed.
//
// Which view is on show is told by the mode composed last rather than by words in the
// heading: the channel views put the channel's name into their heading, and a channel
// whose name held "оповещение" or "Поиск про" would otherwise pass for an alarm list or
// the search.
//
// A click in the now view only opens the channel. Going on to marking there would act on
// whatever row of the new listing lies under the mouse, a programme the person never
// clicked; the now view's own rows are all on air and could not be marked anyway.

#include "alarms/AlarmEntry.h"
#include "schedule/WeekChannels.h"
#include "settings/Settings.h"
#include "views/Listing.h"

#include <string>
#include <string_view>
#include <vector>

namespace kanavo {

enum class ListingKind {
    AlarmList, // every reminder, or today's (modes 12, 13): the alarm popup serves there
    Now,       // what every channel shows now (mode 8)
    Search,    // the title search (mode 11)
    Other,     // the day and week views
};
// From the mode composed last (ViewState::currentMode, Listing::mode).
ListingKind listingKind(int mode);

struct MarkingClick {
    ListingKind kind = ListingKind::Other;
    bool leftButton = false;
    const ListingRow* row = nullptr; // the row under the mouse, or none
    // The channel button: its caption and its logo number (-1 while it shows no channel).
    std::string_view buttonCaption;
    int buttonImage = -1;
    TDateTime now = 0;
};

// The channel a row belongs to, at most 255 characters: the channel button's caption
// while it shows a channel; in the search view column 1 after its first ", " (day name,
// ", ", channel); otherwise the whole of column 1.
std::string rowChannel(ListingKind kind, std::string_view lines1, std::string_view buttonCaption,
                       int buttonImage);

enum class MarkingAction {
    Nothing,
    OpenChannel, // run the channel menu's item `channelIndex`
    Mark,        // append `entry`, sort, show the bell on the row
    Unmark,      // clear the row's bell and delete entry `alarmIndex` (0: none matched)
};

struct MarkingDecision {
    MarkingAction action = MarkingAction::Nothing;
    int channelIndex = -1; // OpenChannel: position in the week's channel list
    TAlarmEntry entry;     // Mark
    int alarmIndex = 0;    // Unmark

    friend bool operator==(const MarkingDecision&, const MarkingDecision&) = default;
};

// `channels` is the week's channel list in menu order. A full list (AlarmCapacity
// entries) turns a mark into Nothing; AlarmOn off turns every mark and unmark into Nothing.
MarkingDecision TarnList3MouseDown(const MarkingClick& click, const Settings& settings,
                                   const std::vector<WeekChannel>& channels);

// Carries out Mark and Unmark on the list and the row clicked; the other actions are the
// window's.
void applyMarking(const MarkingDecision& decision, Settings& settings, ListingRow& row);

} // namespace kanavo
