#include "appearance/SkinNumbers.h"

#include <limits>

namespace kanavo {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int digitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// A number that is either a 32-bit pattern (hexadecimal) or a signed magnitude (decimal).
struct Number {
    bool negative = false;
    bool hexadecimal = false;
    std::uint64_t magnitude = 0;
};

std::optional<Number> parseNumber(std::string_view text) {
    text = trimmed(text);
    Number number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.starts_with('$')) {
        number.hexadecimal = true;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        number.hexadecimal = true;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const int base = number.hexadecimal ? 16 : 10;
    // Anything above this no longer fits 32 bits either way; stopping there keeps the
    // magnitude from wrapping on a long run of digits.
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 32;
    for (const char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0) {
            return std::nullopt;
        }
        number.magnitude =
            number.magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (number.magnitude >= kLimit) {
            return std::nullopt;
        }
    }
    return number;
}

std::uint32_t negated(std::uint32_t pattern) {
    return ~pattern + 1u;
}

} // namespace

std::optional<std::int32_t> parseSkinInteger(std::string_view text) {
    const auto number = parseNumber(text);
    if (!number) {
        return std::nullopt;
    }
    if (number->hexadecimal) {
        auto pattern = static_cast<std::uint32_t>(number->magnitude);
        if (number->negative) {
            pattern = negated(pattern);
        }
        return static_cast<std::int32_t>(pattern);
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    if (number->magnitude > kMax + (number->negative ? 1u : 0u)) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(number->magnitude);
    return static_cast<std::int32_t>(number->negative ? -value : value);
}

std::optional<SkinColor> parseSkinColor(std::string_view text) {
    if (const auto value = parseSkinInteger(text)) {
        return SkinColor::fromRaw(static_cast<std::uint32_t>(*value));
    }
    // Unsigned decimal above the signed range: the written form of the desktop colours.
    const auto number = parseNumber(text);
    if (number && !number->hexadecimal && !number->negative) {
        return SkinColor::fromRaw(static_cast<std::uint32_t>(number->magnitude));
    }
    return std::nullopt;
}

std::optional<bool> parseSkinBoolean(std::string_view text) {
    if (const auto value = parseSkinInteger(text)) {
        return *value != 0;
    }
    return std::nullopt;
}

} // namespace kanavo
