#pragma once
// The week menu "Неделя": one item per weekly file of the "TV" folder, oldest week first,
// with the check mark on the open week. This is the menu's whole state; the window only
// mirrors it.

#include "base/DateTime.h"
#include "schedule/WeeklyFile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kanavo {

inline constexpr std::string_view kWeekFolderName = "TV";
// The item that stands for the built-in channel list when no weekly file can be read.
inline constexpr std::string_view kBuiltInWeekCaption = "01.01.2002 - 07.01.2002";
inline constexpr std::string_view kBuiltInWeekHint = "test";

struct WeekItem {
    std::string caption;        // "DD.MM.YYYY - DD.MM.YYYY", Windows-1251
    std::filesystem::path path; // the weekly file; empty for the built-in week
    WeekRange range;            // the caption's two dates
    bool checked = false;

    bool builtIn() const { return path.empty(); }
    // What the item's hint shows: the file's full path, or "test" for the built-in week.
    std::string hint() const { return builtIn() ? std::string(kBuiltInWeekHint) : path.string(); }
};

WeekItem builtInWeekItem();

// The item of one file from its first text line; nullopt when the file cannot be read,
// does not begin with the magic, or its caption does not hold two valid dates (such a week
// cannot be put in date order, so it is left out like a foreign file).
std::optional<WeekItem> readWeekItem(const std::filesystem::path& file);

// The regular files of `folder` whose names end in ".knv" in any letter case, in the
// order the file system lists them; empty when the folder cannot be read.
std::vector<std::filesystem::path> listWeekFiles(const std::filesystem::path& folder);

class WeekMenu {
public:
    // The scan keeps more than this many weeks only down to kKeptWeeks.
    static constexpr std::size_t kTrimAbove = 6;
    static constexpr std::size_t kKeptWeeks = 5;

    const std::vector<WeekItem>& items() const { return m_items; }
    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    const WeekItem& operator[](std::size_t index) const { return m_items[index]; }

    void clear() { m_items.clear(); }
    // Before the first item whose first day is later, so weeks of the same first day keep
    // the order they were added in. Returns the item's index.
    std::size_t insertByFirstDay(WeekItem item);
    std::size_t append(WeekItem item);
    void remove(std::size_t index);

    // With more than kTrimAbove items, removes the oldest until kKeptWeeks remain; returns
    // the removed items, oldest first.
    std::vector<WeekItem> trimOldest();

    // The week to open on a scan: the second-newest when it holds `today`, else the
    // newest. The menu must not be empty.
    std::size_t choose(TDateTime today) const;

    std::optional<std::size_t> checkedIndex() const;
    // The check mark on `index` and on no other item.
    void check(std::size_t index);
    void uncheckAll();

private:
    std::vector<WeekItem> m_items;
};

// Whether the day `today` (any time of it) lies within the range, both ends included.
bool weekHolds(const WeekRange& range, TDateTime today);

} // namespace kanavo
