#pragma once
// A colour as skins write it: red in the low byte, green in the second, blue in the third
// (0x00BBGGRR), or one of the desktop's colours, written as its index with the top bit set.
// The core keeps the index; the window resolves it against the desktop's palette.

#include <cstdint>

namespace kanavo {

// The desktop colours a skin can name, by their index.
enum class SystemColor : int {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow = 21,
    Light = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

class SkinColor {
public:
    static constexpr std::uint32_t kSystemBit = 0x80000000u;

    constexpr SkinColor() = default; // black

    // 0x00BBGGRR; the top byte is not part of a plain colour and is dropped.
    static constexpr SkinColor fromBgr(std::uint32_t bgr) { return SkinColor(bgr & 0x00FFFFFFu); }
    static constexpr SkinColor fromRgb(int red, int green, int blue) {
        return fromBgr(static_cast<std::uint32_t>(red & 0xFF) |
                       static_cast<std::uint32_t>(green & 0xFF) << 8 |
                       static_cast<std::uint32_t>(blue & 0xFF) << 16);
    }
    // The index is the low byte, as the desktop reads it.
    static constexpr SkinColor system(int index) {
        return SkinColor(kSystemBit | (static_cast<std::uint32_t>(index) & 0xFFu));
    }
    static constexpr SkinColor system(SystemColor color) { return system(static_cast<int>(color)); }
    // The 32-bit value of a skin file.
    static constexpr SkinColor fromRaw(std::uint32_t raw) {
        return (raw & kSystemBit) != 0 ? system(static_cast<int>(raw & 0xFFu)) : fromBgr(raw);
    }

    constexpr bool isSystem() const { return (m_raw & kSystemBit) != 0; }
    // The desktop colour's index, or -1 for a plain colour.
    constexpr int systemIndex() const { return isSystem() ? static_cast<int>(m_raw & 0xFFu) : -1; }
    // The components of a plain colour (0 for a system colour).
    constexpr int red() const { return isSystem() ? 0 : static_cast<int>(m_raw & 0xFFu); }
    constexpr int green() const { return isSystem() ? 0 : static_cast<int>(m_raw >> 8 & 0xFFu); }
    constexpr int blue() const { return isSystem() ? 0 : static_cast<int>(m_raw >> 16 & 0xFFu); }
    constexpr std::uint32_t raw() const { return m_raw; }

    constexpr bool operator==(const SkinColor&) const = default;

private:
    constexpr explicit SkinColor(std::uint32_t raw) : m_raw(raw) {}
    std::uint32_t m_raw = 0;
};

} // namespace kanavo
