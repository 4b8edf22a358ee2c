#pragma once
// Where the settings live between runs: one key holding sections, each section holding
// named string values. Every value is text, whatever it means; what a value means is the
// business of SettingsIo. Names and values are Windows-1251. Names are compared without
// regard to ASCII letter case, as the settings names always were.

#include <optional>
#include <string>
#include <string_view>

namespace kanavo {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nullopt when the section or the value is missing or the stored
    // text cannot be read (a damaged file, a character outside the code page).
    virtual std::optional<std::string> readValue(std::string_view section, std::string_view name) const = 0;
    // Creates the section when needed. A section name must be non-empty printable text
    // without "]", a value name non-empty printable text without "=" that does not begin
    // with "[", ";" or "#"; neither may begin or end with a blank. Other names are a
    // programming error (std::invalid_argument). Any value text is accepted.
    virtual void writeValue(std::string_view section, std::string_view name, std::string_view value) = 0;
    // Nothing happens when the value does not exist.
    virtual void deleteValue(std::string_view section, std::string_view name) = 0;
};

} // namespace kanavo
