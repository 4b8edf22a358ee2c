#include "alarms/Marking.h"

#include "alarms/AlarmList.h"

#include <algorithm>

namespace kanavo {
namespace {

constexpr std::size_t kShortStringLimit = 255;

std::string cut(std::string_view text) {
    return std::string(text.substr(0, kShortStringLimit));
}

// A row's type as an entry keeps it: a byte 0..14, 14 standing for none.
std::uint8_t entryTypeOf(int imageIndex4) {
    return static_cast<std::uint8_t>(imageIndex4 >= 0 && imageIndex4 < ProgrammeTypeCount ? imageIndex4 : 14);
}

} // namespace

ListingKind listingKind(int mode) {
    switch (mode) {
    case 8:
        return ListingKind::Now;
    case 11:
        return ListingKind::Search;
    case 12:
    case 13:
        return ListingKind::AlarmList;
    default:
        return ListingKind::Other;
    }
}

std::string rowChannel(ListingKind kind, std::string_view lines1, std::string_view buttonCaption,
                       int buttonImage) {
    if (buttonImage != -1) {
        return cut(buttonCaption);
    }
    if (kind == ListingKind::Search) {
        // Day name, ", ", channel. Without the separator the whole text is the best guess.
        const std::size_t comma = lines1.find(", ");
        return cut(comma == std::string_view::npos ? lines1 : lines1.substr(comma + 2));
    }
    return cut(lines1);
}

MarkingDecision TarnList3MouseDown(const MarkingClick& click, const Settings& settings,
                                   const std::vector<WeekChannel>& channels) {
    MarkingDecision decision;
    const ListingRow* row = click.row;
    if (click.kind == ListingKind::AlarmList || row == nullptr) {
        return decision;
    }
    if (click.kind == ListingKind::Now) {
        // Any button opens the channel; see the header on why marking stops here.
        const auto channel = std::find_if(channels.begin(), channels.end(),
                                          [row](const WeekChannel& c) { return c.name == row->lines1; });
        if (channel != channels.end()) {
            decision.action = MarkingAction::OpenChannel;
            decision.channelIndex = static_cast<int>(channel - channels.begin());
        }
        return decision;
    }
    // A programme that has begun, and a row without a time, cannot be marked or unmarked.
    if (!click.leftButton || !settings.AlarmOn || !(click.now < row->startTime)) {
        return decision;
    }
    const std::string canal = rowChannel(click.kind, row->lines1, click.buttonCaption, click.buttonImage);
    if (row->imageIndex1 != -1) {
        decision.action = MarkingAction::Unmark;
        decision.alarmIndex = findAlarm(settings, canal, row->startTime);
        return decision;
    }
    if (alarmCount(settings) >= AlarmCapacity) {
        return decision; // full: not even the image changes
    }
    decision.action = MarkingAction::Mark;
    decision.entry = {row->startTime, canal, cut(row->lines4), entryTypeOf(row->imageIndex4)};
    return decision;
}

void applyMarking(const MarkingDecision& decision, Settings& settings, ListingRow& row) {
    switch (decision.action) {
    case MarkingAction::Mark:
        if (AlarmAdd(settings, decision.entry)) {
            row.imageIndex1 = kBellImage;
            AlarmSort(settings);
        }
        break;
    case MarkingAction::Unmark:
        row.imageIndex1 = -1;
        AlarmDelete(settings, decision.alarmIndex);
        break;
    default:
        break;
    }
}

} // namespace kanavo
