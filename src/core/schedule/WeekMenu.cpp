#include "schedule/WeekMenu.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace kanavo {

WeekItem builtInWeekItem() {
    WeekItem item;
    item.caption = std::string(kBuiltInWeekCaption);
    item.range = parseWeekCaption(kBuiltInWeekCaption).value();
    return item;
}

std::optional<WeekItem> readWeekItem(const std::filesystem::path& file) {
    // The header line is at most 255 characters.
    std::vector<std::uint8_t> start(256);
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    in.read(reinterpret_cast<char*>(start.data()), static_cast<std::streamsize>(start.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    start.resize(static_cast<std::size_t>(in.gcount()));
    const std::optional<std::string> caption = weekCaptionOf(firstTextLine(start));
    if (!caption) {
        return std::nullopt;
    }
    const std::optional<WeekRange> range = parseWeekCaption(*caption);
    if (!range) {
        return std::nullopt;
    }
    return WeekItem{*caption, file, *range, false};
}

std::vector<std::filesystem::path> listWeekFiles(const std::filesystem::path& folder) {
    constexpr std::string_view kExtension = ".knv";
    std::vector<std::filesystem::path> files;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() < kExtension.size()) {
            continue;
        }
        std::string extension = name.substr(name.size() - kExtension.size());
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        std::error_code typeError;
        if (extension == kExtension && it->is_regular_file(typeError)) {
            files.push_back(it->path());
        }
    }
    return files;
}

std::size_t WeekMenu::insertByFirstDay(WeekItem item) {
    const auto later = std::find_if(m_items.begin(), m_items.end(), [&](const WeekItem& existing) {
        return existing.range.firstDay > item.range.firstDay;
    });
    return static_cast<std::size_t>(m_items.insert(later, std::move(item)) - m_items.begin());
}

std::size_t WeekMenu::append(WeekItem item) {
    m_items.push_back(std::move(item));
    return m_items.size() - 1;
}

void WeekMenu::remove(std::size_t index) {
    if (index < m_items.size()) {
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::vector<WeekItem> WeekMenu::trimOldest() {
    std::vector<WeekItem> removed;
    if (m_items.size() <= kTrimAbove) {
        return removed;
    }
    const auto cut = m_items.begin() + static_cast<std::ptrdiff_t>(m_items.size() - kKeptWeeks);
    removed.assign(std::make_move_iterator(m_items.begin()), std::make_move_iterator(cut));
    m_items.erase(m_items.begin(), cut);
    return removed;
}

std::size_t WeekMenu::choose(TDateTime today) const {
    const std::size_t last = m_items.size() - 1;
    if (m_items.size() >= 2 && weekHolds(m_items[last - 1].range, today)) {
        return last - 1;
    }
    return last;
}

std::optional<std::size_t> WeekMenu::checkedIndex() const {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].checked) {
            return i;
        }
    }
    return std::nullopt;
}

void WeekMenu::uncheckAll() {
    for (WeekItem& item : m_items) {
        item.checked = false;
    }
}

void WeekMenu::check(std::size_t index) {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_items[i].checked = i == index;
    }
}

bool weekHolds(const WeekRange& range, TDateTime today) {
    const TDateTime day = std::floor(today);
    return range.firstDay <= day && day <= range.lastDay;
}

} // namespace kanavo
