#pragma once
// The settings file on disk: read whole when opened, changed in memory, written back
// whole and atomically by save(). A missing, unreadable, oversized or damaged file opens
// as an empty store (or with its readable lines only), so the program always starts.

#include "settings/AtomicFile.h"
#include "settings/IniDocument.h"

#include <cstdint>
#include <filesystem>

namespace kanavo {

class IniSettingsFile final : public SettingsStore {
public:
    // Files larger than this are not settings files; they open as empty.
    static constexpr std::uintmax_t MaxFileSize = 16u << 20;

    explicit IniSettingsFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return m_path; }
    IniDocument& document() { return m_document; }
    const IniDocument& document() const { return m_document; }

    std::optional<std::string> readValue(std::string_view section, std::string_view name) const override;
    void writeValue(std::string_view section, std::string_view name, std::string_view value) override;
    void deleteValue(std::string_view section, std::string_view name) override;

    // Replaces the file with the store's text. On failure the file on disk is the one
    // that was there before, and the status says why.
    [[nodiscard]] WriteStatus save() const;

    // The file's bytes, or empty when it is missing, unreadable or too large.
    static std::string readFileText(const std::filesystem::path& path);

private:
    std::filesystem::path m_path;
    IniDocument m_document;
};

} // namespace kanavo
