#include "appearance/SkinValues.h"

#include "base/Cp1251.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace kanavo {
namespace {

// A skin file as "SECTION/key" -> text.
using SkinFile = std::map<std::string, std::string, std::less<>>;

SkinValues read(const SkinFile& file) {
    return readSkinValues([&](std::string_view section, std::string_view key) -> std::optional<std::string> {
        const auto it = file.find(std::string(section) + "/" + std::string(key));
        return it != file.end() ? std::optional(it->second) : std::nullopt;
    });
}

// The defaults as their colours are described, so a mistyped constant shows.
TEST(SkinValuesTest, DefaultColours) {
    const SkinValues v;
    struct Case {
        const char* key;
        SkinColor actual;
        SkinColor expected;
    };
    const auto gray = [](int level) { return SkinColor::fromRgb(level, level, level); };
    const std::vector<Case> cases = {
        {"MenuGradBegin", v.MenuGradBegin, SkinColor::fromRgb(231, 231, 243)},
        {"MenuGradEnd", v.MenuGradEnd, SkinColor::fromRgb(178, 178, 217)},
        {"MenuColor", v.MenuColor, gray(202)},
        {"MenuBorder", v.MenuBorder, gray(102)},
        {"MenuSelBorder", v.MenuSelBorder, SkinColor::fromRaw(2147483661u)},
        {"MenuPushed", v.MenuPushed, SkinColor::fromRgb(153, 153, 204)},
        {"MenuPopupBegin", v.MenuPopupBegin, gray(202)},
        {"MenuPopupEnd", v.MenuPopupEnd, gray(239)},
        {"MenuText", v.MenuText, SkinColor::fromRaw(2147483655u)},
        {"MenuPupupBorder", v.MenuPupupBorder, SkinColor::fromRaw(2147483661u)},
        {"MenuSeparator", v.MenuSeparator, gray(147)},
        {"ShadowColor", v.ShadowColor, SkinColor::fromRgb(90, 90, 128)},
        {"backcolor", v.backcolor, SkinColor::fromRgb(192, 192, 255)},
        {"SplitterColor", v.SplitterColor, gray(147)},
        {"ListColorText", v.ListColorText, gray(0)},
        {"ListColor", v.ListColor, gray(255)},
        {"ListColorSelBack", v.ListColorSelBack, gray(255)},
        {"ListColorTextSel", v.ListColorTextSel, SkinColor::fromRgb(0, 0, 255)},
        {"ListColorSeparator", v.ListColorSeparator, gray(147)},
        {"ListColorHint", v.ListColorHint, SkinColor::fromRaw(2147483672u)},
        {"TVColorOld", v.TVColorOld, gray(128)},
        {"TVColorCur", v.TVColorCur, SkinColor::fromRgb(0, 0, 255)},
        {"TVColorFut", v.TVColorFut, gray(0)},
        {"PanelColor", v.PanelColor, SkinColor::fromRgb(176, 187, 238)},
        {"ButtonMoveBorder", v.ButtonMoveBorder, gray(0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.actual, c.expected) << c.key;
    }
}

TEST(SkinValuesTest, AFileWithoutValuesGivesTheDefaults) {
    EXPECT_EQ(read({}), SkinValues());
    EXPECT_EQ(readSkinValues(nullptr), SkinValues());
    const SkinValues v;
    EXPECT_EQ(v.FontName, "MS Sans Serif");
    EXPECT_EQ(v.FontSize, 8);
    EXPECT_EQ(v.CanalHeight, 32);
    EXPECT_EQ(v.CanalMenuHeight, 20);
    EXPECT_TRUE(v.MenuShadow);
    EXPECT_TRUE(v.ViewDay);
    EXPECT_TRUE(v.PanelCanalType);
    for (const auto& file : v.files) {
        EXPECT_TRUE(file.empty());
    }
}

TEST(SkinValuesTest, DerivedColoursFollowTheValuesRead) {
    const auto v = read({
        {"MENU/MenuSeparator", "$112233"},
        {"COLOR/ListColor", "$445566"},
        {"COLOR/ListColorTextSel", "$778899"},
        {"COLOR/ListColorText", "$0000AA"},
    });
    EXPECT_EQ(v.SplitterColor, SkinColor::fromBgr(0x112233));
    EXPECT_EQ(v.ListColorSeparator, SkinColor::fromBgr(0x112233));
    EXPECT_EQ(v.ListColorSelBack, SkinColor::fromBgr(0x445566));
    EXPECT_EQ(v.TVColorCur, SkinColor::fromBgr(0x778899));
    EXPECT_EQ(v.TVColorFut, SkinColor::fromBgr(0x0000AA));
}

TEST(SkinValuesTest, DerivedColoursWrittenInTheFileWin) {
    const auto v = read({
        {"MENU/MenuSeparator", "$112233"},
        {"COLOR/SplitterColor", "1"},
        {"COLOR/ListColorSelBack", "2"},
        {"COLOR/ListColorSeparator", "3"},
        {"COLOR/TVColorCur", "4"},
        {"COLOR/TVColorFut", "bad"}, // unusable: follows ListColorText
    });
    EXPECT_EQ(v.SplitterColor, SkinColor::fromBgr(1));
    EXPECT_EQ(v.ListColorSelBack, SkinColor::fromBgr(2));
    EXPECT_EQ(v.ListColorSeparator, SkinColor::fromBgr(3));
    EXPECT_EQ(v.TVColorCur, SkinColor::fromBgr(4));
    EXPECT_EQ(v.TVColorFut, v.ListColorText);
}

TEST(SkinValuesTest, ValuesAreReadFromTheirOwnSectionOnly) {
    const auto v = read({
        {"MAIN/MenuShadow", "0"},
        {"MENU/PanelColor", "0"},
        {"COLOR/CanalHeight", "24"},
        {"MENU/name", "Blue"},
    });
    EXPECT_EQ(v, SkinValues());
}

TEST(SkinValuesTest, UnusableSizesKeepTheDefault) {
    struct Case {
        const char* text;
        std::optional<int> size; // nullopt: every size keeps its default
    };
    const std::vector<Case> cases = {
        {"24", 24},
        {"$18", 24},
        {"256", 256},
        {"0", std::nullopt},   // no icons of no size
        {"-24", std::nullopt}, // a negative size would break every bitmap built from it
        {"257", std::nullopt}, // a huge size would build a huge strip
        {"100000", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    const SkinValues defaults;
    for (const auto& c : cases) {
        const auto v = read({{"MAIN/CanalHeight", c.text},
                             {"MAIN/CanalMenuHeight", c.text},
                             {"MAIN/GlyphTypeHeight", c.text},
                             {"MAIN/GlyphTypeWidth", c.text}});
        EXPECT_EQ(v.CanalHeight, c.size.value_or(defaults.CanalHeight)) << c.text;
        EXPECT_EQ(v.CanalMenuHeight, c.size.value_or(defaults.CanalMenuHeight)) << c.text;
        EXPECT_EQ(v.GlyphTypeHeight, c.size.value_or(defaults.GlyphTypeHeight)) << c.text;
        EXPECT_EQ(v.GlyphTypeWidth, c.size.value_or(defaults.GlyphTypeWidth)) << c.text;
    }
    EXPECT_EQ(read({{"MAIN/FontSize", "12"}}).FontSize, 12);
    EXPECT_EQ(read({{"MAIN/FontSize", "0"}}).FontSize, 8);
    EXPECT_EQ(read({{"MAIN/FontSize", "200"}}).FontSize, 8);
}

TEST(SkinValuesTest, BooleansReadAsIntegers) {
    const auto off = read({{"MENU/MenuShadow", "0"}, {"MAIN/ViewDay", "0"}, {"MAIN/PanelCanalType", "$0"}});
    EXPECT_FALSE(off.MenuShadow);
    EXPECT_FALSE(off.ViewDay);
    EXPECT_FALSE(off.PanelCanalType);
    const auto bad =
        read({{"MENU/MenuShadow", "no"}, {"MAIN/ViewDay", "false"}, {"MAIN/PanelCanalType", "2"}});
    EXPECT_TRUE(bad.MenuShadow);
    EXPECT_TRUE(bad.ViewDay);
    EXPECT_TRUE(bad.PanelCanalType);
}

TEST(SkinValuesTest, TextsAndFiles) {
    const std::string longName(300, 'n');
    const auto v = read({
        {"SKIN/name", longName},
        {"MAIN/FontName", "Arial"},
        {"MAIN/BorderFile", "border.bmp"},
        {"MAIN/ButToday", "today.bmp"},
        {"MAIN/GlyphType", ""}, // written but empty: the built-in bitmap
    });
    EXPECT_EQ(v.name, longName.substr(0, 255));
    EXPECT_EQ(v.FontName, "Arial");
    EXPECT_EQ(v.file(SkinBitmap::BorderFile), "border.bmp");
    EXPECT_EQ(v.file(SkinBitmap::ButToday), "today.bmp");
    EXPECT_EQ(v.file(SkinBitmap::GlyphType), "");
    EXPECT_EQ(v.file(SkinBitmap::Canals), "");
}

TEST(SkinValuesTest, EveryBitmapHasItsKeyAndResource) {
    struct Case {
        SkinBitmap bitmap;
        std::string_view key;
        std::string_view resource;
    };
    const std::vector<Case> cases = {
        {SkinBitmap::BorderFile, "BorderFile", "smborder"},
        {SkinBitmap::ButMoveLeft, "ButMoveLeft", "btnleft"},
        {SkinBitmap::ButMoveRight, "ButMoveRight", "btnright"},
        {SkinBitmap::ButMoveUp, "ButMoveUp", "btnup"},
        {SkinBitmap::ButMoveDown, "ButMoveDown", "btndown"},
        {SkinBitmap::MenuIcon, "MenuIcon", "MENUICON"},
        {SkinBitmap::Canals, "Canals", "canals"},
        {SkinBitmap::CanalsGray, "CanalsGray", "canalsgray"},
        {SkinBitmap::ButPn, "ButPn", "ButPn"},
        {SkinBitmap::ButVs, "ButVs", "ButVs"},
        {SkinBitmap::ButToday, "ButToday", "ButToday"},
        {SkinBitmap::GlyphType, "GlyphType", "GLYPHTYPE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skinBitmapKey(c.bitmap), c.key);
        EXPECT_EQ(skinBitmapResource(c.bitmap), c.resource) << c.key;
        // The file value is read under that key.
        EXPECT_EQ(read({{"MAIN/" + std::string(c.key), "x.bmp"}}).file(c.bitmap), "x.bmp") << c.key;
    }
    EXPECT_EQ(skinBitmapKey(static_cast<SkinBitmap>(kSkinBitmapCount)), "");
    EXPECT_EQ(skinBitmapResource(static_cast<SkinBitmap>(-1)), "");
}

TEST(SkinValuesTest, TheTwoBuiltInSkins) {
    const auto first = builtInSkin(0);
    const auto second = builtInSkin(1);
    EXPECT_EQ(cp1251::toUtf8(first.name), "Стандартный 1");
    EXPECT_EQ(cp1251::toUtf8(second.name), "Стандартный 2");

    // The first differs from the defaults only in its name and the small channel icons.
    SkinValues expected;
    expected.name = first.name;
    expected.ViewDay = false;
    EXPECT_EQ(first, expected);

    expected = SkinValues();
    expected.name = second.name;
    expected.MenuShadow = false;
    expected.CanalHeight = 24;
    expected.CanalMenuHeight = 16;
    expected.PanelCanalType = false;
    EXPECT_EQ(second, expected);

    EXPECT_EQ(builtInSkin(2), SkinValues());
    EXPECT_EQ(builtInSkin(-1), SkinValues());
}

TEST(SkinValuesTest, BuiltInCaptions) {
    EXPECT_EQ(cp1251::toUtf8(builtInSkinCaption(0)), "Стандартный 1");
    EXPECT_EQ(cp1251::toUtf8(builtInSkinCaption(1)), "Стандартный 2");
    EXPECT_EQ(builtInSkinCaption(0).size(), 13u); // one byte a letter
    EXPECT_EQ(builtInSkinCaption(2), "");
    EXPECT_EQ(builtInSkinCaption(-1), "");
}

} // namespace
} // namespace kanavo
