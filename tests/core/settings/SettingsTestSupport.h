#pragma once
// Helpers shared by the settings tests: listing a folder, and a store that records
// every call.

#include "TestFiles.h"
#include "settings/IniDocument.h"
#include "settings/SettingsIo.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kanavo::test {

// The moment and screen the load and save tests run at.
inline TDateTime now() {
    return encodeDate(2026, 12, 7) + encodeTime(20, 0);
}
inline LoadEnvironment environment() {
    return {now(), 1920, 1080};
}

inline std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path().filename());
    }
    return files;
}

// An in-memory store that also keeps the order of every read and write.
class RecordingStore final : public SettingsStore {
public:
    struct Call {
        char kind; // 'r' read, 'w' write
        std::string section;
        std::string name;
    };

    std::optional<std::string> readValue(std::string_view section, std::string_view name) const override {
        m_calls.push_back({'r', std::string(section), std::string(name)});
        return m_values.readValue(section, name);
    }
    void writeValue(std::string_view section, std::string_view name, std::string_view value) override {
        m_calls.push_back({'w', std::string(section), std::string(name)});
        m_values.writeValue(section, name, value);
    }
    void deleteValue(std::string_view section, std::string_view name) override {
        m_values.deleteValue(section, name);
    }

    IniDocument& values() { return m_values; }
    std::vector<Call>& calls() const { return m_calls; }

private:
    IniDocument m_values;
    mutable std::vector<Call> m_calls;
};

} // namespace kanavo::test
