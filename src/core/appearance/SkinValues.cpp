#include "appearance/SkinValues.h"

#include "appearance/SkinNumbers.h"
#include "base/Cp1251.h"

namespace kanavo {
namespace {

struct BitmapNames {
    std::string_view key;
    std::string_view resource;
};

constexpr std::array<BitmapNames, kSkinBitmapCount> kBitmapNames = {{
    {"BorderFile", "smborder"},
    {"ButMoveLeft", "btnleft"},
    {"ButMoveRight", "btnright"},
    {"ButMoveUp", "btnup"},
    {"ButMoveDown", "btndown"},
    {"MenuIcon", "MENUICON"},
    {"Canals", "canals"},
    {"CanalsGray", "canalsgray"},
    {"ButPn", "ButPn"},
    {"ButVt", "ButVt"},
    {"ButSr", "ButSr"},
    {"ButCh", "ButCh"},
    {"ButPt", "ButPt"},
    {"ButSb", "ButSb"},
    {"ButVs", "ButVs"},
    {"ButToday", "ButToday"},
    {"GlyphType", "GLYPHTYPE"},
}};

const BitmapNames* bitmapNames(SkinBitmap bitmap) {
    const auto index = static_cast<std::size_t>(bitmap);
    return index < kBitmapNames.size() ? &kBitmapNames[index] : nullptr;
}

constexpr std::size_t kMaxTextLength = 255;
// Icons and fonts beyond these would only make the window build huge bitmaps.
constexpr int kMaxIconSize = 256;
constexpr int kMaxFontSize = 96;

class Reader {
public:
    explicit Reader(const SkinLookup& lookup) : m_lookup(lookup) {}

    void color(std::string_view section, std::string_view key, SkinColor& value) const {
        if (const auto text = raw(section, key)) {
            value = parseSkinColor(*text).value_or(value);
        }
    }
    void boolean(std::string_view section, std::string_view key, bool& value) const {
        if (const auto text = raw(section, key)) {
            value = parseSkinBoolean(*text).value_or(value);
        }
    }
    void size(std::string_view section, std::string_view key, int maximum, int& value) const {
        if (const auto text = raw(section, key)) {
            const auto number = parseSkinInteger(*text);
            if (number && *number >= 1 && *number <= maximum) {
                value = *number;
            }
        }
    }
    void text(std::string_view section, std::string_view key, std::string& value) const {
        if (auto text = raw(section, key)) {
            value = std::move(*text);
            if (value.size() > kMaxTextLength) {
                value.resize(kMaxTextLength);
            }
        }
    }

private:
    std::optional<std::string> raw(std::string_view section, std::string_view key) const {
        return m_lookup ? m_lookup(section, key) : std::nullopt;
    }
    const SkinLookup& m_lookup;
};

} // namespace

std::string_view skinBitmapKey(SkinBitmap bitmap) {
    const auto* names = bitmapNames(bitmap);
    return names != nullptr ? names->key : std::string_view{};
}

std::string_view skinBitmapResource(SkinBitmap bitmap) {
    const auto* names = bitmapNames(bitmap);
    return names != nullptr ? names->resource : std::string_view{};
}

SkinValues::SkinValues() {
    setDerivedDefaults(*this);
}

void setDerivedDefaults(SkinValues& values) {
    values.SplitterColor = values.MenuSeparator;
    values.ListColorSelBack = values.ListColor;
    values.ListColorSeparator = values.MenuSeparator;
    values.TVColorCur = values.ListColorTextSel;
    values.TVColorFut = values.ListColorText;
}

SkinValues readSkinValues(const SkinLookup& lookup) {
    const Reader read(lookup);
    SkinValues v;
    read.text("SKIN", "name", v.name);

    read.boolean("MENU", "MenuShadow", v.MenuShadow);
    read.color("MENU", "MenuGradBegin", v.MenuGradBegin);
    read.color("MENU", "MenuGradEnd", v.MenuGradEnd);
    read.color("MENU", "MenuColor", v.MenuColor);
    read.color("MENU", "MenuBorder", v.MenuBorder);
    read.color("MENU", "MenuSelBorder", v.MenuSelBorder);
    read.color("MENU", "MenuPushed", v.MenuPushed);
    read.color("MENU", "MenuPopupBegin", v.MenuPopupBegin);
    read.color("MENU", "MenuPopupEnd", v.MenuPopupEnd);
    read.color("MENU", "MenuText", v.MenuText);
    read.color("MENU", "MenuPupupBorder", v.MenuPupupBorder);
    read.color("MENU", "MenuSeparator", v.MenuSeparator);
    read.color("MENU", "ShadowColor", v.ShadowColor);

    read.color("COLOR", "backcolor", v.backcolor);
    read.color("COLOR", "ListColorText", v.ListColorText);
    read.color("COLOR", "ListColor", v.ListColor);
    read.color("COLOR", "ListColorTextSel", v.ListColorTextSel);
    read.color("COLOR", "ListColorHint", v.ListColorHint);
    read.color("COLOR", "TVColorOld", v.TVColorOld);
    read.color("COLOR", "PanelColor", v.PanelColor);
    read.color("COLOR", "ButtonMoveBorder", v.ButtonMoveBorder);
    // The derived colours follow the values just read unless the skin sets them itself.
    setDerivedDefaults(v);
    read.color("COLOR", "SplitterColor", v.SplitterColor);
    read.color("COLOR", "ListColorSelBack", v.ListColorSelBack);
    read.color("COLOR", "ListColorSeparator", v.ListColorSeparator);
    read.color("COLOR", "TVColorCur", v.TVColorCur);
    read.color("COLOR", "TVColorFut", v.TVColorFut);

    for (std::size_t i = 0; i < kSkinBitmapCount; ++i) {
        read.text("MAIN", kBitmapNames[i].key, v.files[i]);
    }
    read.size("MAIN", "CanalHeight", kMaxIconSize, v.CanalHeight);
    read.size("MAIN", "CanalMenuHeight", kMaxIconSize, v.CanalMenuHeight);
    read.boolean("MAIN", "ViewDay", v.ViewDay);
    read.size("MAIN", "GlyphTypeHeight", kMaxIconSize, v.GlyphTypeHeight);
    read.size("MAIN", "GlyphTypeWidth", kMaxIconSize, v.GlyphTypeWidth);
    read.text("MAIN", "FontName", v.FontName);
    read.size("MAIN", "FontSize", kMaxFontSize, v.FontSize);
    read.boolean("MAIN", "PanelCanalType", v.PanelCanalType);
    return v;
}

SkinValues builtInSkin(int tag) {
    SkinValues v;
    v.name = builtInSkinCaption(tag);
    if (tag == 0) {
        v.ViewDay = false;
    } else if (tag == 1) {
        v.MenuShadow = false;
        v.CanalHeight = 24;
        v.CanalMenuHeight = 16;
        v.PanelCanalType = false;
    }
    return v;
}

const std::string& builtInSkinCaption(int tag) {
    static const std::array<std::string, kBuiltInSkinCount + 1> captions = {
        cp1251::fromUtf8("Стандартный 1").value(),
        cp1251::fromUtf8("Стандартный 2").value(),
        std::string(),
    };
    return tag >= 0 && tag < kBuiltInSkinCount ? captions[static_cast<std::size_t>(tag)]
                                               : captions[kBuiltInSkinCount];
}

} // namespace kanavo
