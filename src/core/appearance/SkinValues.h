#pragma once
// Everything a skin sets, as typed values: the menu colours, the list and panel colours,
// the bitmap files, the icon sizes, the list font and the fast-channel mode. A default
// SkinValues holds the default of every key; the two built-in skins are those defaults with
// their few differences. A skin file is read through readSkinValues, which only needs a way
// to look up a key's text.

#include "appearance/SkinColor.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kanavo {

// The bitmaps a skin may replace, each a file value of the MAIN section.
enum class SkinBitmap : int {
    BorderFile,
    ButMoveLeft,
    ButMoveRight,
    ButMoveUp,
    ButMoveDown,
    MenuIcon,
    Canals,
    CanalsGray,
    ButPn, // the day buttons Monday..Sunday, then "now"
    ButVt,
    ButSr,
    ButCh,
    ButPt,
    ButSb,
    ButVs,
    ButToday,
    GlyphType,
};
inline constexpr std::size_t kSkinBitmapCount = 17;

// The key of the bitmap in the MAIN section.
std::string_view skinBitmapKey(SkinBitmap bitmap);
// The built-in bitmap used when the skin names no file or the file will not load.
std::string_view skinBitmapResource(SkinBitmap bitmap);

struct SkinValues {
    SkinValues();

    // SKIN: the skin's caption, Windows-1251, at most 255 characters.
    std::string name;

    // MENU
    bool MenuShadow = true;
    SkinColor MenuGradBegin = SkinColor::fromBgr(15984615);
    SkinColor MenuGradEnd = SkinColor::fromBgr(14267058);
    SkinColor MenuColor = SkinColor::fromBgr(13290186);
    SkinColor MenuBorder = SkinColor::fromBgr(6710886);
    SkinColor MenuSelBorder = SkinColor::system(SystemColor::Highlight);
    SkinColor MenuPushed = SkinColor::fromBgr(13408665);
    SkinColor MenuPopupBegin = SkinColor::fromBgr(13290186);
    SkinColor MenuPopupEnd = SkinColor::fromBgr(15724527);
    SkinColor MenuText = SkinColor::system(SystemColor::MenuText);
    SkinColor MenuPupupBorder = SkinColor::system(SystemColor::Highlight);
    SkinColor MenuSeparator = SkinColor::fromBgr(9671571);
    SkinColor ShadowColor = SkinColor::fromBgr(8411738);

    // COLOR. The members marked "derived" default to another member's value; see
    // setDerivedDefaults.
    SkinColor backcolor = SkinColor::fromBgr(16761024);
    SkinColor SplitterColor; // derived: MenuSeparator
    SkinColor ListColorText = SkinColor::fromBgr(0);
    SkinColor ListColor = SkinColor::fromBgr(16777215);
    SkinColor ListColorSelBack; // derived: ListColor
    SkinColor ListColorTextSel = SkinColor::fromBgr(16711680);
    SkinColor ListColorSeparator; // derived: MenuSeparator
    SkinColor ListColorHint = SkinColor::system(SystemColor::InfoBackground);
    SkinColor TVColorOld = SkinColor::fromBgr(8421504);
    SkinColor TVColorCur; // derived: ListColorTextSel
    SkinColor TVColorFut; // derived: ListColorText
    SkinColor PanelColor = SkinColor::fromBgr(15645616);
    SkinColor ButtonMoveBorder = SkinColor::fromBgr(0);

    // MAIN
    // File names relative to the skin folder, Windows-1251; empty for the built-in bitmap.
    std::array<std::string, kSkinBitmapCount> files;
    int CanalHeight = 32;     // fast-channel icons
    int CanalMenuHeight = 20; // channel icons of the menus and the channel list
    bool ViewDay = true;      // the channel button starts with the large coloured icons
    int GlyphTypeHeight = 20;
    int GlyphTypeWidth = 20;
    std::string FontName = "MS Sans Serif"; // Windows-1251
    int FontSize = 8;                       // points
    bool PanelCanalType = true; // fast channels in one row with arrows (false: the toolbar fills the strip)

    const std::string& file(SkinBitmap bitmap) const { return files[static_cast<std::size_t>(bitmap)]; }
    std::string& file(SkinBitmap bitmap) { return files[static_cast<std::size_t>(bitmap)]; }

    bool operator==(const SkinValues&) const = default;
};

// Sets the derived colours from the values they follow. A reader calls it once the other
// colours are read, then reads the derived keys with these as their defaults.
void setDerivedDefaults(SkinValues& values);

// The raw text of a key of a skin file, nullopt when the key (or the file) is missing.
using SkinLookup = std::function<std::optional<std::string>(std::string_view section, std::string_view key)>;

// Every key through `lookup`; a missing or unusable value gives the key's default. Sizes
// outside what the window can lay out (icons 1..256 pixels, fonts 1..96 points) count as
// unusable.
SkinValues readSkinValues(const SkinLookup& lookup);

// The built-in skins: 0 "Стандартный 1" and 1 "Стандартный 2". Both are the defaults, except
// that the first starts the channel button with the small icons (ViewDay false) and the
// second has no menu shadow, 24-pixel fast-channel icons, 16-pixel menu channel icons and
// the toolbar filling the fast-channel strip. Any other tag gives the plain defaults.
inline constexpr int kBuiltInSkinCount = 2;
SkinValues builtInSkin(int tag);
// The menu caption of a built-in skin, Windows-1251; empty for any other tag.
const std::string& builtInSkinCaption(int tag);

} // namespace kanavo
