#include "settings/IniDocument.h"

#include "base/Cp1251.h"

#include <cstdint>
#include <stdexcept>

namespace kanavo {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeaderComment =
    "; Kanavo 2.1 settings, UTF-8. In values \\\\ \\\" \\n \\r \\t \\xHH are escapes;"
    " a value in double quotes keeps its blanks.\n";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

bool isControl(unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

// Well-formed UTF-8 (shortest forms, no surrogates) without control characters other
// than the tab: anything else in a line is damage, not settings.
bool isCleanLine(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size()) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (b < 0x80) {
            if (isControl(b)) {
                return false;
            }
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t cp = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + length > line.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(line[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool hasControl(std::string_view text) {
    for (char c : text) {
        if (isControl(static_cast<unsigned char>(c)) || c == '\t') {
            return true;
        }
    }
    return false;
}

bool edgeBlank(std::string_view text) {
    return !text.empty() && (text.front() == ' ' || text.back() == ' ');
}

std::string checkedSectionName(std::string_view cp1251Name) {
    std::string name = cp1251::toUtf8(cp1251Name);
    if (name.empty() || hasControl(name) || edgeBlank(name) || name.find(']') != std::string::npos) {
        throw std::invalid_argument("unusable settings section name: " + name);
    }
    return name;
}

std::string checkedValueName(std::string_view cp1251Name) {
    std::string name = cp1251::toUtf8(cp1251Name);
    if (name.empty() || hasControl(name) || edgeBlank(name) || name.find('=') != std::string::npos ||
        name.front() == '[' || name.front() == ';' || name.front() == '#') {
        throw std::invalid_argument("unusable settings value name: " + name);
    }
    return name;
}

} // namespace

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
    std::size_t current = kNoSection;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (!isCleanLine(line)) {
            continue;
        }
        line = trim(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            // A broken header drops the values below it rather than filing them under
            // the section above.
            current = kNoSection;
            if (line.back() == ']' && line.size() >= 2) {
                const std::string_view name = trim(line.substr(1, line.size() - 2));
                if (!name.empty() && name.find(']') == std::string_view::npos) {
                    const Section* existing = document.findSection(name);
                    if (!existing) {
                        document.addSection(name);
                        existing = &document.m_sections.back();
                    }
                    current = static_cast<std::size_t>(existing - document.m_sections.data());
                }
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == kNoSection || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view name = trim(line.substr(0, equals));
        if (name.empty()) {
            continue;
        }
        setEntry(document.m_sections[current], name, std::string(trim(line.substr(equals + 1))));
    }
    return document;
}

std::string IniDocument::serialize() const {
    std::string out(kHeaderComment);
    for (const Section& section : m_sections) {
        out += '\n';
        out += '[';
        out += section.name;
        out += "]\n";
        for (const Entry& entry : section.entries) {
            out += entry.name;
            out += '=';
            out += entry.stored;
            out += '\n';
        }
    }
    return out;
}

std::optional<std::string> IniDocument::readValue(std::string_view section, std::string_view name) const {
    const Section* found = findSection(cp1251::toUtf8(section));
    if (!found) {
        return std::nullopt;
    }
    const auto it = found->index.find(asciiLower(cp1251::toUtf8(name)));
    if (it == found->index.end()) {
        return std::nullopt;
    }
    return decodeValue(found->entries[it->second].stored);
}

void IniDocument::writeValue(std::string_view section, std::string_view name, std::string_view value) {
    const std::string sectionName = checkedSectionName(section);
    const std::string valueName = checkedValueName(name);
    Section* found = findSection(sectionName);
    if (!found) {
        found = &addSection(sectionName);
    }
    setEntry(*found, valueName, encodeValue(value));
}

void IniDocument::deleteValue(std::string_view section, std::string_view name) {
    Section* found = findSection(cp1251::toUtf8(section));
    if (!found) {
        return;
    }
    const auto it = found->index.find(asciiLower(cp1251::toUtf8(name)));
    if (it == found->index.end()) {
        return;
    }
    const std::size_t removed = it->second;
    found->entries.erase(found->entries.begin() + static_cast<std::ptrdiff_t>(removed));
    found->index.erase(it);
    for (auto& [key, position] : found->index) {
        if (position > removed) {
            --position;
        }
    }
}

std::string IniDocument::encodeValue(std::string_view cp1251Text) {
    const std::string utf8 = cp1251::toUtf8(cp1251Text);
    const bool quoted = !utf8.empty() && (utf8.front() == ' ' || utf8.front() == '"' || utf8.back() == ' ');
    std::string out;
    out.reserve(utf8.size() + 2);
    if (quoted) {
        out += '"';
    }
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += quoted ? "\\\"" : "\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20 || u == 0x7F) {
                static const char kHex[] = "0123456789ABCDEF";
                out += "\\x";
                out += kHex[u >> 4];
                out += kHex[u & 0x0F];
            } else {
                out += c;
            }
        }
    }
    if (quoted) {
        out += '"';
    }
    return out;
}

std::optional<std::string> IniDocument::decodeValue(std::string_view stored) {
    const bool quoted = !stored.empty() && stored.front() == '"';
    std::string utf8;
    utf8.reserve(stored.size());
    std::size_t i = quoted ? 1 : 0;
    bool closed = false;
    while (i < stored.size()) {
        const char c = stored[i];
        if (quoted && c == '"') {
            closed = true;
            ++i;
            break;
        }
        if (c != '\\') {
            utf8 += c;
            ++i;
            continue;
        }
        if (i + 1 >= stored.size()) {
            return std::nullopt;
        }
        switch (stored[i + 1]) {
        case '\\':
            utf8 += '\\';
            break;
        case '"':
            utf8 += '"';
            break;
        case 'n':
            utf8 += '\n';
            break;
        case 'r':
            utf8 += '\r';
            break;
        case 't':
            utf8 += '\t';
            break;
        case 'x': {
            const int high = i + 2 < stored.size() ? hexValue(stored[i + 2]) : -1;
            const int low = i + 3 < stored.size() ? hexValue(stored[i + 3]) : -1;
            if (high < 0 || low < 0) {
                return std::nullopt;
            }
            appendUtf8(utf8, static_cast<char32_t>(high * 16 + low));
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
        i += 2;
    }
    if (quoted && (!closed || !trim(stored.substr(i)).empty())) {
        return std::nullopt;
    }
    return cp1251::fromUtf8(utf8);
}

IniDocument::Section* IniDocument::findSection(std::string_view utf8Name) {
    const auto it = m_sectionIndex.find(asciiLower(utf8Name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const IniDocument::Section* IniDocument::findSection(std::string_view utf8Name) const {
    const auto it = m_sectionIndex.find(asciiLower(utf8Name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

IniDocument::Section& IniDocument::addSection(std::string_view utf8Name) {
    m_sectionIndex.emplace(asciiLower(utf8Name), m_sections.size());
    m_sections.push_back(Section{std::string(utf8Name), {}, {}});
    return m_sections.back();
}

void IniDocument::setEntry(Section& section, std::string_view utf8Name, std::string stored) {
    const auto [it, added] = section.index.emplace(asciiLower(utf8Name), section.entries.size());
    if (added) {
        section.entries.push_back(Entry{std::string(utf8Name), std::move(stored)});
    } else {
        section.entries[it->second].stored = std::move(stored);
    }
}

} // namespace kanavo
