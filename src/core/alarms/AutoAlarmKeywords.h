#pragma once
// The keyword list as TAutoAlarmForm edits it: the lines, the selected line, the edit's
// text and which of Добавить, Заменить and Удалить are enabled. The dialog forwards its
// events here and mirrors the state; OK stores the lines into Settings.
//
// Lines are held to what OK can store: a text longer than 255 characters is cut when it
// is taken from the edit, and Add stays disabled while the list holds AutoAlarmCapacity
// lines, so no keyword the person sees is dropped silently at OK.

#include "settings/Settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace kanavo {

class AutoAlarmKeywords {
public:
    // Dialog start (MenuAutoAlarmClick, FormShow): the stored entries, line 0 selected,
    // the check box from AutoAlarmOn, the edit empty.
    void load(const Settings& settings);

    // AutoAlarmEditChange: an empty edit disables Add and Replace; otherwise Add is
    // enabled (unless the list is full), and Replace too when a line is selected (without
    // a selection Replace keeps its state).
    void setEditText(std::string_view text);
    // A click in the list box; -1 or a number past the end selects nothing.
    void select(int line);
    void setApplyAlways(bool on) { m_applyAlways = on; }

    // ButtonAddClick: appends the edit's text, empties the edit, selects the new line.
    // Nothing while Add is disabled.
    void add();
    // ButtonDelClick: deletes the selected line; the line now at its place (or the new
    // last line) is selected. Nothing without a selection.
    void remove();
    // ButtonRepClick: the selected line takes the edit's text. Nothing without a
    // selection or while Replace is disabled.
    void replace();

    // OK: AutoAlarmOn and the entries (at most AutoAlarmCapacity, each at most 255
    // characters). The caller then applies the auto-alarm when AutoAlarmOn is set.
    void store(Settings& settings) const;
    // After OK or Cancel: an empty list and edit, for the next run.
    void clear();

    const std::vector<std::string>& lines() const { return m_lines; }
    int selected() const { return m_selected; }
    const std::string& editText() const { return m_edit; }
    bool applyAlways() const { return m_applyAlways; }
    bool addEnabled() const { return m_addEnabled; }
    bool replaceEnabled() const { return m_replaceEnabled; }
    bool deleteEnabled() const { return !m_lines.empty(); }

private:
    std::vector<std::string> m_lines;
    int m_selected = -1;
    std::string m_edit;
    bool m_applyAlways = false;
    bool m_addEnabled = false;
    bool m_replaceEnabled = false;
};

} // namespace kanavo
