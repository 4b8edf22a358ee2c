#pragma once
// Small helpers shared by the settings tests: a scratch folder removed afterwards, files
// as text, Windows-1251 literals written in UTF-8, and a store that records every call.

#include "base/Cp1251.h"
#include "settings/IniDocument.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace kanavo::test {

inline std::string cp(std::string_view utf8) {
    return cp1251::fromUtf8(utf8).value();
}

class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("kanavo-settings-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

inline void writeText(const std::filesystem::path& path, std::string_view text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

inline std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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
