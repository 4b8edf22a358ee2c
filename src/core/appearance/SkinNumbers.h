#pragma once
// The numbers of a skin file: decimal with an optional sign, or hexadecimal after "$",
// "0x" or "0X". Blanks around the number are ignored. A value that is not a number, or
// that does not fit, reads as missing, so the key takes its default.

#include "appearance/SkinColor.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace kanavo {

// A 32-bit integer. Hexadecimal gives the 32-bit pattern of up to eight digits ("$FFFFFFFF"
// is -1); decimal must lie within the signed 32-bit range.
std::optional<std::int32_t> parseSkinInteger(std::string_view text);

// A colour. As parseSkinInteger, and decimal up to 4294967295 too: the desktop colours are
// written that way (2147483661 is the highlight colour), above the signed range.
std::optional<SkinColor> parseSkinColor(std::string_view text);

// A boolean: an integer, non-zero meaning true.
std::optional<bool> parseSkinBoolean(std::string_view text);

} // namespace kanavo
