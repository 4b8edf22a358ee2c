#include "alarms/AutoAlarmKeywords.h"

#include <algorithm>

namespace kanavo {
namespace {

constexpr std::size_t kShortStringLimit = 255;

} // namespace

void AutoAlarmKeywords::load(const Settings& settings) {
    const int count = std::clamp(settings.AutoAlarmCount, 0, AutoAlarmCapacity);
    m_lines.clear();
    for (int k = 1; k <= count; ++k) {
        m_lines.push_back(settings.AutoAlarmWords[static_cast<std::size_t>(k)].substr(0, kShortStringLimit));
    }
    m_selected = m_lines.empty() ? -1 : 0;
    m_applyAlways = settings.AutoAlarmOn;
    m_replaceEnabled = false;
    setEditText({});
}

void AutoAlarmKeywords::setEditText(std::string_view text) {
    m_edit = std::string(text.substr(0, kShortStringLimit));
    if (m_edit.empty()) {
        m_addEnabled = false;
        m_replaceEnabled = false;
        return;
    }
    m_addEnabled = m_lines.size() < static_cast<std::size_t>(AutoAlarmCapacity);
    if (m_selected >= 0) {
        m_replaceEnabled = true;
    }
}

void AutoAlarmKeywords::select(int line) {
    m_selected = line >= 0 && line < static_cast<int>(m_lines.size()) ? line : -1;
}

void AutoAlarmKeywords::add() {
    if (!m_addEnabled) {
        return;
    }
    m_lines.push_back(m_edit);
    m_selected = static_cast<int>(m_lines.size()) - 1;
    setEditText({});
}

void AutoAlarmKeywords::remove() {
    if (m_selected < 0) {
        return;
    }
    m_lines.erase(m_lines.begin() + m_selected);
    m_selected = std::min(m_selected, static_cast<int>(m_lines.size()) - 1);
    // Room again for a line the edit already holds.
    if (!m_edit.empty()) {
        m_addEnabled = true;
    }
}

void AutoAlarmKeywords::replace() {
    if (m_selected < 0 || !m_replaceEnabled) {
        return;
    }
    m_lines[static_cast<std::size_t>(m_selected)] = m_edit;
}

void AutoAlarmKeywords::store(Settings& settings) const {
    settings.AutoAlarmOn = m_applyAlways;
    const std::size_t count = std::min(m_lines.size(), static_cast<std::size_t>(AutoAlarmCapacity));
    settings.AutoAlarmCount = static_cast<int>(count);
    for (std::size_t k = 0; k < count; ++k) {
        settings.AutoAlarmWords[k + 1] = m_lines[k].substr(0, kShortStringLimit);
    }
}

void AutoAlarmKeywords::clear() {
    m_lines.clear();
    m_selected = -1;
    setEditText({});
}

} // namespace kanavo
