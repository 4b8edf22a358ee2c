#pragma once
// Every setting the program keeps between runs, under the names the rest of the program
// uses for them. Texts are Windows-1251, at most SettingTextLimit characters once loaded.
// The values are plain data: whoever owns a setting reads and changes it here, and only
// a save (SettingsIo.h) makes a change permanent.
//
// A default-constructed Settings is a first run, except for the window's width and
// height, which default to the primary screen and are filled in by the load.

#include "alarms/AlarmEntry.h"

#include <array>
#include <string>
#include <vector>

namespace kanavo {

inline constexpr std::size_t SettingTextLimit = 255;
// ChannelPrefs holds at most this many names: ChannelShift has positions 0..200.
inline constexpr int ChannelCapacity = 201;
// AutoAlarmWords positions 1..200.
inline constexpr int AutoAlarmCapacity = 200;
inline constexpr int ProgrammeTypeCount = 15;
// The main window's left coordinate while it waits off-screen after a minimised start.
inline constexpr int ParkedLeft = -5555;

// The proxy host shown until the user enters one (Windows-1251).
const std::string& defaultProxyHost();

// Section "Form position". The load fills it from the file; the window applies it (or,
// with LoadMinimized, keeps it as its parked bounds and stays at ParkedLeft). Before a
// save the window puts its own state here: Maximize when it is maximised, otherwise its
// bounds, with Left = ParkedLeft while it is still parked.
struct FormPosition {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Maximize = true;

    friend bool operator==(const FormPosition&, const FormPosition&) = default;
};

// Section "Setup panel". Loaded as stored; the window applies the places it knows
// (0..4, search 0..2; any other number leaves a panel where the design puts it) and the
// type filter, and before a save puts back what its menus and panels show.
struct PanelSetup {
    // Position k: programme type k is switched off by the type filter.
    std::array<bool, ProgrammeTypeCount> TypeHidden{};
    int FastCanalPlace = 1; // 0 not shown, 1 top, 2 bottom, 3 left, 4 right
    int TypesExtPlace = 1;  // same numbering, the programme-type panel
    int SearchPlace = 1;    // 0 not shown, 1 top, 2 bottom
    int CanalPanelWidth = 90;
    int TypePanelWidth = 150;

    friend bool operator==(const PanelSetup&, const PanelSetup&) = default;
};

struct Settings {
    // "Setup option"
    bool AutoDeleteOld = true;
    bool UseProxy = false;
    std::string ProxyHost = defaultProxyHost();
    int ProxyPort = 3128;
    bool StartWithWindows = false;
    std::string DayStartTime = "05:00";
    bool ShowInfoTip = true;
    int InfoTipCount = 0;
    bool LoadMinimized = false;
    std::string SkinName;
    bool ConfirmQuit = true;
    bool SingleInstance = true;
    bool MinimizeTray = true;
    bool ShowEndTime = true;
    bool ShowGridLines = true;
    bool ShowTypeIcons = true;
    int ChannelFilter = 0; // 0 all, 1 central, 2 selected
    bool ColorLogos = false;

    FormPosition Form;
    PanelSetup Panels;

    // "Setup canal"
    bool PerChannelShift = false;
    int TimeZoneShift = 0;
    // Every channel ever seen, in the user's order, "*" before one that is not selected;
    // at most ChannelCapacity names. ChannelShift[i] belongs to ChannelPrefs[i].
    std::vector<std::string> ChannelPrefs;
    std::array<int, ChannelCapacity> ChannelShift{};

    // "Setup alarm"
    bool AutoAlarmOn = false;
    int AutoAlarmCount = 0;                                        // 0 .. AutoAlarmCapacity
    std::array<std::string, AutoAlarmCapacity + 1> AutoAlarmWords; // positions 1 .. count
    bool AlarmOn = true;
    bool AlarmSound = false;
    bool AlarmSoundLoop = false;
    std::string AlarmSoundFile;
    int AlarmLead = 0; // minutes
    AlarmTable Alarms{};
    int AlarmCount = 0; // entries 1 .. AlarmCount of Alarms

    // "Printer option"
    bool PrintLandscape = false;
    bool PrintNewDayPage = false;
    int PrintColumns = 3;
    int PrintLineSpacing = 0;
    int PrintTextLimit = 0;
    int PrintMarginLeft = 20;
    int PrintMarginRight = 20;
    int PrintMarginTop = 20;
    int PrintMarginBottom = 20;
    std::string PrintFontName;
    int PrintFontSize = 10;
    std::string PrintFontStyle = "0000"; // bold, italic, underline, strike-out

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace kanavo
