#pragma once
// The weeks of the "TV" folder as the main window holds them: the week menu, the open
// week and its channels. FindKNVFile scans the folder and opens a week,
// MenuViewWeeksClick opens one from the menu, MenuViewWeeksP rebuilds the channel list
// (also after the settings dialog changes the channel filter or choice). The window
// mirrors menu(), week() and WeekChannels() into its controls after each call.

#include "base/UserMessages.h"
#include "schedule/WeekChannels.h"
#include "schedule/WeekMenu.h"
#include "schedule/WeekOpener.h"
#include "settings/Settings.h"

#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace kanavo {

// The messages of the scan and the open, Windows-1251.
const std::string& noWeekFolderMessage();
std::string cannotOpenWeekMessage(const std::filesystem::path& file);

struct WeekServices {
    UserMessages* messages = nullptr;
    std::function<TDateTime()> now; // local time; only its date is used
    BannerPick pickBanner = clockSeededBannerPick();
    BannerCheck bannerLoads = looksLikeGif;
    // Whether the scan may delete the files it trims when AutoDeleteOld is on; tools
    // that only look at a folder turn it off.
    bool mayDeleteOld = true;
};

class WeekLibrary {
public:
    // `programDir` is ProgramDir; the weeks live in its "TV" folder. `settings` is read for
    // AutoDeleteOld, ChannelFilter and AutoAlarmOn, and ChannelPrefs and ChannelShift
    // grow by the channels met.
    WeekLibrary(std::filesystem::path programDir, Settings& settings, WeekServices services);

    std::filesystem::path weekFolder() const { return m_programDir / kWeekFolderName; }

    // The number of channel logos (the window's logo image list); larger numbers get logo 0.
    void setLogoCount(int count) { m_logoCount = count; }

    // Rebuilds the week menu from the folder and opens a week. Returns false, after the
    // message, when the folder is missing and cannot be made: the menu then stays empty.
    bool FindKNVFile();

    // Opens the menu item at `index`. Nothing happens (false) when it is the open week or
    // there is no such item. A file that fails to open is reported, leaves the menu (it
    // stays on the disk) and the newest remaining week is opened instead; when none is
    // left, the built-in week. Returns true when the menu or the open week changed.
    bool MenuViewWeeksClick(std::size_t index);

    // Opens the checked week again (a new skin, new logos); false when none is checked.
    bool reopen();

    // Rebuilds WeekChannels() from the open week's schedule and the current settings.
    void MenuViewWeeksP();

    const WeekMenu& menu() const { return m_menu; }
    bool hasOpenWeek() const { return m_week.has_value(); }
    // The open week; an empty one before any open.
    const OpenWeek& week() const;
    const std::vector<WeekChannel>& WeekChannels() const { return m_channels; }

private:
    TDateTime today() const;
    void show(const std::string& text) const;

    std::filesystem::path m_programDir;
    Settings& m_settings;
    WeekServices m_services;
    int m_logoCount = std::numeric_limits<int>::max();
    WeekMenu m_menu;
    std::optional<OpenWeek> m_week;
    std::vector<WeekChannel> m_channels;
};

// A path in Windows-1251 for a message; characters the code page lacks become "?".
std::string pathText(const std::filesystem::path& path);

} // namespace kanavo
