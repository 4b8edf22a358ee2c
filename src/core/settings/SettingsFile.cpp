#include "settings/SettingsFile.h"

#include "settings/IniSettingsFile.h"

namespace kanavo {

Settings loadSettingsFile(const std::filesystem::path& file, const LoadEnvironment& environment) {
    return loadSettings(IniSettingsFile(file), environment);
}

WriteStatus saveSettingsFile(const std::filesystem::path& file, const Settings& settings) {
    IniSettingsFile store(file);
    saveSettings(settings, store);
    return store.save();
}

bool readSingleInstanceFile(const std::filesystem::path& file) {
    return readSingleInstance(IniSettingsFile(file));
}

} // namespace kanavo
