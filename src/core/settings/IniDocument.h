#pragma once
// The settings file's text in memory: "[section]" lines, each followed by "name=value"
// lines, UTF-8. Values are escaped so that every text comes back exactly as written:
//   \\  backslash      \"  double quote     \n \r \t  line feed, return, tab
//   \xHH  the character U+00HH (written for the other control characters)
// A value that begins or ends with a blank, or begins with a double quote, is written
// between double quotes. Blanks around names, around "=" and at the ends of an unquoted
// value are not part of them, so hand-edited files read as expected.
//
// Reading never fails. Lines that are not a section, a value or a comment (";" or "#"
// first), lines that are not UTF-8 or hold control characters, and values outside any
// section are left out, as are the values of a section whose header is broken. A value
// with a broken escape or quote is kept (a save writes it back untouched) but reads as
// missing.

#include "settings/SettingsStore.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kanavo {

class IniDocument final : public SettingsStore {
public:
    IniDocument() = default;
    static IniDocument parse(std::string_view text);
    // The file text: a comment line, then the sections in the order they were first
    // created, each with its values in the order they were first written.
    std::string serialize() const;

    std::optional<std::string> readValue(std::string_view section, std::string_view name) const override;
    void writeValue(std::string_view section, std::string_view name, std::string_view value) override;
    void deleteValue(std::string_view section, std::string_view name) override;

    bool empty() const { return m_sections.empty(); }

    // The escaped form of a Windows-1251 text, and back (nullopt when the form is broken
    // or a character has no Windows-1251 form). Exposed for tests.
    static std::string encodeValue(std::string_view cp1251Text);
    static std::optional<std::string> decodeValue(std::string_view stored);

private:
    struct Entry {
        std::string name;   // UTF-8 as it appears in the file
        std::string stored; // the text after "=", escaped
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::map<std::string, std::size_t> index; // lower-case name -> entry
    };

    Section* findSection(std::string_view utf8Name);
    const Section* findSection(std::string_view utf8Name) const;
    Section& addSection(std::string_view utf8Name);
    static void setEntry(Section& section, std::string_view utf8Name, std::string stored);

    std::vector<Section> m_sections;
    std::map<std::string, std::size_t> m_sectionIndex; // lower-case name -> section
};

} // namespace kanavo
