#include "settings/ChannelPrefs.h"

#include "base/Cp1251.h"

namespace kanavo {

std::size_t channelPrefsIndex(const std::vector<std::string>& prefs, std::string_view name, bool chosenOnly) {
    for (std::size_t i = 0; i < prefs.size(); ++i) {
        std::string_view pref = prefs[i];
        if (!chosenOnly && pref.starts_with('*') && cp1251::equalsIgnoreCase(pref.substr(1), name)) {
            return i;
        }
        if (cp1251::equalsIgnoreCase(pref, name)) {
            return i;
        }
    }
    return std::string::npos;
}

int channelShift(const Settings& settings, std::string_view name) {
    if (!settings.PerChannelShift) {
        return settings.TimeZoneShift;
    }
    // Names are remembered by the part a settings file keeps.
    const std::size_t index =
        channelPrefsIndex(settings.ChannelPrefs, name.substr(0, SettingTextLimit), false);
    return index < settings.ChannelShift.size() ? settings.ChannelShift[index] : 0;
}

} // namespace kanavo
