#pragma once
// Windows-1251, the 8-bit Cyrillic code page of the weekly files, the settings and
// every text of the core. One table converts to and from UTF-8 at the edges, and one
// case rule serves every case-insensitive comparison and search.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kanavo::cp1251 {

// Every byte has a UTF-8 form (0x98, unassigned in the code page, maps to U+0098).
std::string toUtf8(std::string_view text);

// The Windows-1251 form of UTF-8 text; nullopt when a character has none or the
// UTF-8 is malformed. `badCharacter`, when given, receives the offending character
// (or the malformed bytes) as UTF-8.
std::optional<std::string> fromUtf8(std::string_view utf8, std::string* badCharacter = nullptr);
// The same with "?" for each character that has no Windows-1251 form (and for each
// malformed sequence): for text typed by the user or named by the system.
std::string fromUtf8Lossy(std::string_view utf8);

// Lower case by the code page's own letters: Latin A-Z, Cyrillic А-Я, Ё and the other
// Cyrillic capitals of the page (Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Є Ї І Ѕ).
namespace detail {
// The lower-case form of every byte; searches lower-case every character they read.
extern const std::uint8_t* const kLowerCase;
} // namespace detail
inline char toLower(char c) {
    return static_cast<char>(detail::kLowerCase[static_cast<std::uint8_t>(c)]);
}
std::string toLower(std::string_view text);

// Whole-text equality without regard to case.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Case-insensitive ordering in the manner of the desktop's locale-aware comparison:
// letters compared in lower case, Ё/ё between Е and Ж. Zero exactly when equalsIgnoreCase.
int compareIgnoreCase(std::string_view a, std::string_view b);

} // namespace kanavo::cp1251
