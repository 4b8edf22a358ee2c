#include "settings/SettingsIo.h"

#include "settings/DayStart.h"

#include <algorithm>
#include <charconv>

namespace kanavo {
namespace {

constexpr std::string_view kSetupOption = "Setup option";
constexpr std::string_view kFormPosition = "Form position";
constexpr std::string_view kSetupPanel = "Setup panel";
constexpr std::string_view kSetupCanal = "Setup canal";
constexpr std::string_view kSetupAlarm = "Setup alarm";
constexpr std::string_view kPrinterOption = "Printer option";
constexpr std::string_view kVersion = "Version";
constexpr std::string_view kVersionText = "2.1";
constexpr std::string_view kTwoCopies = "Two copies";

std::string numbered(std::string_view prefix, int n, std::string_view suffix = {}) {
    std::string name(prefix);
    name += std::to_string(n);
    name += suffix;
    return name;
}

class SectionReader {
public:
    SectionReader(const SettingsStore& store, std::string_view section)
        : m_store(store), m_section(section) {}

    std::optional<std::string> text(std::string_view name) const {
        std::optional<std::string> value = m_store.readValue(m_section, name);
        if (value && value->size() > SettingTextLimit) {
            value->resize(SettingTextLimit);
        }
        return value;
    }
    std::string text(std::string_view name, std::string_view fallback) const {
        const std::optional<std::string> value = text(name);
        return value ? *value : std::string(fallback);
    }
    int integer(std::string_view name, int fallback) const {
        const std::optional<std::string> value = text(name);
        const std::optional<int> number = value ? parseSettingInteger(*value) : std::nullopt;
        return number ? *number : fallback;
    }
    bool boolean(std::string_view name, bool fallback) const { return integer(name, fallback ? 1 : 0) != 0; }

private:
    const SettingsStore& m_store;
    std::string_view m_section;
};

class SectionWriter {
public:
    SectionWriter(SettingsStore& store, std::string_view section) : m_store(store), m_section(section) {}

    void text(std::string_view name, std::string_view value) { m_store.writeValue(m_section, name, value); }
    void integer(std::string_view name, int value) { text(name, std::to_string(value)); }
    void boolean(std::string_view name, bool value) { text(name, value ? "1" : "0"); }

private:
    SettingsStore& m_store;
    std::string_view m_section;
};

void loadSetupOption(const SettingsStore& store, Settings& s) {
    const SectionReader r(store, kSetupOption);
    s.AutoDeleteOld = r.boolean("Auto delete knv file", true);
    s.UseProxy = r.boolean("Proxy", false);
    s.ProxyHost = r.text("Proxy com", defaultProxyHost());
    s.ProxyPort = r.integer("Proxy port", 3128);
    s.StartWithWindows = r.boolean("AutoLoad", false);
    s.DayStartTime = r.text("Time begin", "05:00");
    if (!parseDayStart(s.DayStartTime)) {
        s.DayStartTime = "05:00";
    }
    s.ShowInfoTip = r.boolean("Info tip", true);
    s.InfoTipCount = r.integer("Info tip count", 0);
    s.LoadMinimized = r.boolean("Load minimized", false);
    s.SkinName = r.text("Skin", "");
    s.ConfirmQuit = r.boolean("Confirm quit", true);
    s.SingleInstance = r.boolean(kTwoCopies, true);
    s.MinimizeTray = r.boolean("Minimize tray", true);
    s.ShowEndTime = r.boolean("View end", true);
    s.ShowGridLines = r.boolean("View lines", true);
    s.ShowTypeIcons = r.boolean("View type", true);
    s.ChannelFilter = r.integer("View canal", 0);
    s.ColorLogos = r.boolean("Color fast canal", false);
}

void loadFormPosition(const SettingsStore& store, const LoadEnvironment& environment, Settings& s) {
    const SectionReader r(store, kFormPosition);
    s.Form.Left = r.integer("Left", 0);
    s.Form.Top = r.integer("Top", 0);
    s.Form.Width = r.integer("Width", environment.screenWidth);
    s.Form.Height = r.integer("Height", environment.screenHeight);
    s.Form.Maximize = r.boolean("Maximize", true);
}

void loadSetupPanel(const SettingsStore& store, Settings& s) {
    const SectionReader r(store, kSetupPanel);
    std::string types = r.text("types", "000000000000000");
    if (types.size() != static_cast<std::size_t>(ProgrammeTypeCount)) {
        types.assign(ProgrammeTypeCount, '0');
    }
    for (int k = 0; k < ProgrammeTypeCount; ++k) {
        s.Panels.TypeHidden[static_cast<std::size_t>(k)] = types[static_cast<std::size_t>(k)] == '1';
    }
    s.Panels.FastCanalPlace = r.integer("fastcanal", 1);
    s.Panels.TypesExtPlace = r.integer("typesext", 1);
    s.Panels.SearchPlace = r.integer("panelsearch", 1);
    s.Panels.CanalPanelWidth = r.integer("panelcanal", 90);
    s.Panels.TypePanelWidth = r.integer("paneltype", 150);
}

void loadSetupCanal(const SettingsStore& store, Settings& s) {
    const SectionReader r(store, kSetupCanal);
    s.PerChannelShift = r.boolean("Custom clock", false);
    s.TimeZoneShift = r.integer("Clock", 0);
    s.ChannelPrefs.clear();
    // ChannelShift has no room beyond its 201 positions.
    for (int n = 0; n < ChannelCapacity; ++n) {
        std::optional<std::string> name = r.text(numbered("Canal", n));
        if (!name || name->empty()) {
            break;
        }
        s.ChannelPrefs.push_back(std::move(*name));
        s.ChannelShift[static_cast<std::size_t>(n)] = r.integer(numbered("Canal clock", n), 0);
    }
}

void loadSetupAlarm(const SettingsStore& store, const LoadEnvironment& environment, Settings& s) {
    const SectionReader r(store, kSetupAlarm);
    s.AutoAlarmOn = r.boolean("Auto alarm", false);
    s.AutoAlarmCount = std::clamp(r.integer("Auto alarm count", 0), 0, AutoAlarmCapacity);
    for (int k = 1; k <= s.AutoAlarmCount; ++k) {
        s.AutoAlarmWords[static_cast<std::size_t>(k)] = r.text(numbered("Autoalarm", k), "");
    }
    s.AlarmOn = r.boolean("Alarm", true);
    s.AlarmSound = r.boolean("Alarm sound", false);
    s.AlarmSoundLoop = r.boolean("Alarm sound cycle", false);
    s.AlarmSoundFile = r.text("Alarm sound file", "");
    s.AlarmLead = r.integer("Alarm minute", 0);

    // A save never writes more alarms than the table holds, so a larger count is a
    // hand edit; reading past the table's size could keep nothing more.
    const int stored = std::clamp(r.integer("Alarm count", 0), 0, AlarmCapacity);
    s.AlarmCount = 0;
    for (int n = 1; n <= stored; ++n) {
        const std::optional<TDateTime> time = parseDateTime(r.text(numbered("Alarm", n, "time"), "0"));
        TAlarmEntry entry;
        entry.Canal = r.text(numbered("Alarm", n, "canal"), "");
        entry.Description = r.text(numbered("Alarm", n, "description"), "");
        const int type = r.integer(numbered("Alarm", n, "Type"), 14);
        entry.Type = static_cast<std::uint8_t>(type >= 0 && type <= 255 ? type : 14);
        if (!time || !(environment.now < *time) || entry.Canal.empty() || entry.Description.empty()) {
            continue;
        }
        entry.Time = *time;
        s.Alarms[static_cast<std::size_t>(++s.AlarmCount)] = std::move(entry);
    }
}

void loadPrinterOption(const SettingsStore& store, Settings& s) {
    const SectionReader r(store, kPrinterOption);
    s.PrintLandscape = r.boolean("Album", false);
    s.PrintNewDayPage = r.boolean("New day", false);
    s.PrintColumns = r.integer("Column", 3);
    s.PrintLineSpacing = r.integer("String offset", 0);
    s.PrintTextLimit = r.integer("Max symbols", 0);
    s.PrintMarginLeft = r.integer("Left offset", 20);
    s.PrintMarginRight = r.integer("Right offset", 20);
    s.PrintMarginTop = r.integer("Top offset", 20);
    s.PrintMarginBottom = r.integer("Bottom offset", 20);
    s.PrintFontName = r.text("Font name", "");
    s.PrintFontSize = r.integer("Font size", 10);
    s.PrintFontStyle = r.text("Font style", "0000");
}

void saveFormPosition(const FormPosition& form, SettingsStore& store) {
    SectionWriter w(store, kFormPosition);
    if (form.Maximize) {
        // The bounds of the last unmaximised close stay for the next restore.
        w.boolean("Maximize", true);
    } else if (form.Left != ParkedLeft) {
        w.boolean("Maximize", false);
        w.integer("Left", form.Left);
        w.integer("Top", form.Top);
        w.integer("Width", form.Width);
        w.integer("Height", form.Height);
    }
    // Still parked after a minimised start: the stored bounds were never left.
}

void saveSetupOption(const Settings& s, SettingsStore& store) {
    SectionWriter w(store, kSetupOption);
    w.boolean("Auto delete knv file", s.AutoDeleteOld);
    w.boolean("Proxy", s.UseProxy);
    w.text("Proxy com", s.ProxyHost);
    w.integer("Proxy port", s.ProxyPort);
    w.boolean("AutoLoad", s.StartWithWindows);
    w.text("Time begin", s.DayStartTime);
    w.boolean("Info tip", s.ShowInfoTip);
    w.integer("Info tip count", s.InfoTipCount);
    w.boolean("Load minimized", s.LoadMinimized);
    w.text("Skin", s.SkinName);
    w.boolean("Confirm quit", s.ConfirmQuit);
    w.boolean(kTwoCopies, s.SingleInstance);
    w.boolean("Minimize tray", s.MinimizeTray);
    w.boolean("View end", s.ShowEndTime);
    w.boolean("View lines", s.ShowGridLines);
    w.boolean("View type", s.ShowTypeIcons);
    w.integer("View canal", s.ChannelFilter);
    w.boolean("Color fast canal", s.ColorLogos);
}

void saveSetupPanel(const PanelSetup& panels, SettingsStore& store) {
    SectionWriter w(store, kSetupPanel);
    std::string types;
    for (bool hidden : panels.TypeHidden) {
        types += hidden ? '1' : '0';
    }
    w.text("types", types);
    w.integer("fastcanal", panels.FastCanalPlace);
    w.integer("typesext", panels.TypesExtPlace);
    w.integer("panelsearch", panels.SearchPlace);
    w.integer("panelcanal", panels.CanalPanelWidth);
    w.integer("paneltype", panels.TypePanelWidth);
}

void saveSetupCanal(const Settings& s, SettingsStore& store) {
    SectionWriter w(store, kSetupCanal);
    w.boolean("Custom clock", s.PerChannelShift);
    w.integer("Clock", s.TimeZoneShift);
    const int count = std::min(static_cast<int>(s.ChannelPrefs.size()), ChannelCapacity);
    for (int i = 0; i < count; ++i) {
        w.text(numbered("Canal", i), s.ChannelPrefs[static_cast<std::size_t>(i)]);
        w.integer(numbered("Canal clock", i), s.ChannelShift[static_cast<std::size_t>(i)]);
    }
}

void saveSetupAlarm(const Settings& s, SettingsStore& store) {
    SectionWriter w(store, kSetupAlarm);
    const int keywords = std::clamp(s.AutoAlarmCount, 0, AutoAlarmCapacity);
    w.boolean("Auto alarm", s.AutoAlarmOn);
    w.integer("Auto alarm count", keywords);
    for (int k = 1; k <= keywords; ++k) {
        w.text(numbered("Autoalarm", k), s.AutoAlarmWords[static_cast<std::size_t>(k)]);
    }
    w.boolean("Alarm", s.AlarmOn);
    w.boolean("Alarm sound", s.AlarmSound);
    w.boolean("Alarm sound cycle", s.AlarmSoundLoop);
    w.text("Alarm sound file", s.AlarmSoundFile);
    w.integer("Alarm minute", s.AlarmLead);
    const int alarms = std::clamp(s.AlarmCount, 0, AlarmCapacity);
    w.integer("Alarm count", alarms);
    for (int n = 1; n <= alarms; ++n) {
        const TAlarmEntry& entry = s.Alarms[static_cast<std::size_t>(n)];
        w.integer(numbered("Alarm", n, "Type"), entry.Type);
        w.text(numbered("Alarm", n, "time"), formatDateTimeMinutes(entry.Time));
        w.text(numbered("Alarm", n, "canal"), entry.Canal);
        w.text(numbered("Alarm", n, "description"), entry.Description);
    }
}

void savePrinterOption(const Settings& s, SettingsStore& store) {
    SectionWriter w(store, kPrinterOption);
    w.boolean("Album", s.PrintLandscape);
    w.boolean("New day", s.PrintNewDayPage);
    w.integer("Column", s.PrintColumns);
    w.integer("String offset", s.PrintLineSpacing);
    w.integer("Max symbols", s.PrintTextLimit);
    w.integer("Left offset", s.PrintMarginLeft);
    w.integer("Right offset", s.PrintMarginRight);
    w.integer("Top offset", s.PrintMarginTop);
    w.integer("Bottom offset", s.PrintMarginBottom);
    w.text("Font name", s.PrintFontName);
    w.integer("Font size", s.PrintFontSize);
    w.text("Font style", s.PrintFontStyle);
}

} // namespace

std::optional<int> parseSettingInteger(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

Settings loadSettings(const SettingsStore& store, const LoadEnvironment& environment) {
    Settings s;
    loadSetupOption(store, s);
    loadFormPosition(store, environment, s);
    loadSetupPanel(store, s);
    loadSetupCanal(store, s);
    loadSetupAlarm(store, environment, s);
    loadPrinterOption(store, s);
    return s;
}

void saveSettings(const Settings& settings, SettingsStore& store) {
    SectionWriter(store, kVersion).text(kVersion, kVersionText);
    saveFormPosition(settings.Form, store);
    saveSetupOption(settings, store);
    saveSetupPanel(settings.Panels, store);
    saveSetupCanal(settings, store);
    saveSetupAlarm(settings, store);
    savePrinterOption(settings, store);
}

bool readSingleInstance(const SettingsStore& store) {
    return SectionReader(store, kSetupOption).boolean(kTwoCopies, true);
}

} // namespace kanavo
