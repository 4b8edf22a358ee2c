#include "base/Cp1251.h"

#include <array>
#include <cstdint>

namespace kanavo::cp1251 {
namespace {

// Unicode code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

constexpr char32_t toUnicode(std::uint8_t b) {
    if (b < 0x80) {
        return b;
    }
    if (b >= 0xC0) {
        return 0x0410 + (b - 0xC0);
    }
    return kHighHalf[b - 0x80];
}

constexpr int fromUnicode(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<int>(cp);
    }
    if (cp >= 0x0410 && cp <= 0x044F) {
        return static_cast<int>(0xC0 + (cp - 0x0410));
    }
    for (int i = 0; i < 64; ++i) {
        if (kHighHalf[i] == cp) {
            return 0x80 + i;
        }
    }
    return -1;
}

constexpr char32_t unicodeLower(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') {
        return cp + 0x20;
    }
    if (cp >= 0x0410 && cp <= 0x042F) {
        return cp + 0x20;
    }
    if (cp >= 0x0400 && cp <= 0x040F) {
        return cp + 0x50;
    }
    if (cp == 0x0490) {
        return 0x0491;
    }
    return cp;
}

constexpr std::array<std::uint8_t, 256> makeLowerTable() {
    std::array<std::uint8_t, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const int lower = fromUnicode(unicodeLower(toUnicode(static_cast<std::uint8_t>(b))));
        table[b] = static_cast<std::uint8_t>(lower < 0 ? b : lower);
    }
    return table;
}

constexpr std::array<std::uint8_t, 256> kLower = makeLowerTable();

} // namespace

namespace detail {
const std::uint8_t* const kLowerCase = kLower.data();
} // namespace detail

namespace {

// Sort weight of a lower-case byte: ё sorts right after е.
constexpr int collationWeight(std::uint8_t lower) {
    constexpr std::uint8_t kSmallIo = 0xB8;
    constexpr std::uint8_t kSmallIe = 0xE5;
    return lower == kSmallIo ? kSmallIe * 2 + 1 : lower * 2;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `i`; returns its length, 0 when malformed.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2, cp = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, cp = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, cp = b0 & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return length;
}

} // namespace

std::string toUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        appendUtf8(out, toUnicode(static_cast<std::uint8_t>(c)));
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8, std::string* badCharacter) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        const std::size_t length = decodeUtf8(utf8, i, cp);
        const int byte = length == 0 ? -1 : fromUnicode(cp);
        if (byte < 0) {
            if (badCharacter) {
                *badCharacter = std::string(utf8.substr(i, length == 0 ? 1 : length));
            }
            return std::nullopt;
        }
        out += static_cast<char>(byte);
        i += length;
    }
    return out;
}

std::string toLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = toLower(c);
    }
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (kLower[static_cast<std::uint8_t>(a[i])] != kLower[static_cast<std::uint8_t>(b[i])]) {
            return false;
        }
    }
    return true;
}

int compareIgnoreCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int wa = collationWeight(kLower[static_cast<std::uint8_t>(a[i])]);
        const int wb = collationWeight(kLower[static_cast<std::uint8_t>(b[i])]);
        if (wa != wb) {
            return wa < wb ? -1 : 1;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return 0;
}

std::string fromUtf8Lossy(std::string_view utf8) {
    if (auto whole = fromUtf8(utf8)) {
        return std::move(*whole);
    }
    std::string text;
    std::size_t i = 0;
    while (i < utf8.size()) {
        // One character: a lead byte and the continuation bytes after it.
        std::size_t end = i + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
            ++end;
        }
        const auto character = fromUtf8(utf8.substr(i, end - i));
        text += character ? *character : std::string("?");
        i = end;
    }
    return text;
}

} // namespace kanavo::cp1251
