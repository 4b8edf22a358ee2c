#include "settings/IniSettingsFile.h"

#include <fstream>
#include <iterator>

namespace kanavo {

IniSettingsFile::IniSettingsFile(std::filesystem::path path)
    : m_path(std::move(path)), m_document(IniDocument::parse(readFileText(m_path))) {}

std::optional<std::string> IniSettingsFile::readValue(std::string_view section, std::string_view name) const {
    return m_document.readValue(section, name);
}

void IniSettingsFile::writeValue(std::string_view section, std::string_view name, std::string_view value) {
    m_document.writeValue(section, name, value);
}

void IniSettingsFile::deleteValue(std::string_view section, std::string_view name) {
    m_document.deleteValue(section, name);
}

WriteStatus IniSettingsFile::save() const {
    if (m_path.empty()) {
        return WriteStatus::failure("no settings file location (neither XDG_CONFIG_HOME nor HOME is set)");
    }
    return replaceFileAtomically(m_path, m_document.serialize());
}

std::string IniSettingsFile::readFileText(const std::filesystem::path& path) {
    if (path.empty()) {
        return {};
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return {};
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > MaxFileSize) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || text.size() > MaxFileSize) {
        return {};
    }
    return text;
}

} // namespace kanavo
