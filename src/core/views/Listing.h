#pragma once
// One composed view of the programme listing: its rows, its heading and the column set-up
// the list control takes from it. The window copies it into the list as it stands.

#include "base/DateTime.h"

#include <optional>
#include <string>
#include <vector>

namespace kanavo {

// What column 1's image numbers refer to.
enum class RowImages {
    Type,       // the programme-type icons (the bell is image 30)
    SmallCanal, // the small channel logos
};

inline constexpr int kBellImage = 30;

struct ListingRow {
    std::string lines1; // column-1 text (Windows-1251), empty in the views without one
    std::string lines4; // main text
    int imageIndex1 = -1;
    int imageIndex4 = -1;
    TDateTime startTime = 0;
    TDateTime endTime = 0;

    // A row that carries a sentence instead of a programme: no images, no times.
    bool isMessage() const { return imageIndex1 == -2; }
    friend bool operator==(const ListingRow&, const ListingRow&) = default;
};

struct Listing {
    // The list holds rows 0..5000; a view that would need more stops adding at the last.
    static constexpr int kCapacity = 5001;

    int mode = 7;
    std::string heading; // LabelDay
    std::vector<ListingRow> rows;
    RowImages images1 = RowImages::Type;
    int col1Width = 0;
    // Set by the alarm lists only (0: they have no end times); the column keeps this width
    // in every later view until the settings are applied again.
    std::optional<int> col3Width;
    // The alarm popup menu goes with the list (an alarm list with rows).
    bool alarmPopup = false;
    // The first row whose start lies after the moment of composing, -1 for none; the
    // window scrolls it to the third visible row.
    int firstFutureIndex = -1;
    // The window first scrolls the list back to its top (a day chosen anew).
    bool scrollToTop = false;

    bool full() const { return static_cast<int>(rows.size()) >= kCapacity; }
    // Appends unless full; false when the row was not taken.
    bool add(ListingRow row);
    // A message row. When the list is mirrored into a control, the row after it must read
    // start time 0 too, so that nothing below counts as a programme to come.
    bool addMessage(std::string text);
};

} // namespace kanavo
