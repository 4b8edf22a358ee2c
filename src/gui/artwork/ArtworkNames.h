#pragma once
// The names and sizes of the built-in bitmaps, shared by the program that loads them and the
// generator that draws them. No Qt here, so the generator's list and the program's list are
// one list.

#include <array>
#include <string_view>

namespace kanavo::artwork {

struct BitmapSpec {
    std::string_view name;
    int width;
    int height;
};

// Panel border: 8 pieces of 3x3 (bottom-left, bottom, bottom-right, top-left, top,
// top-right, left, right).
inline constexpr std::string_view kSmBorder = "smborder";
// Scroll buttons: three frames side by side (normal, pressed, hot).
inline constexpr std::string_view kBtnLeft = "btnleft";
inline constexpr std::string_view kBtnRight = "btnright";
inline constexpr std::string_view kBtnUp = "btnup";
inline constexpr std::string_view kBtnDown = "btndown";
// Menu images, 16x16 each; see MenuIcon for the order.
inline constexpr std::string_view kMenuIcon = "MENUICON";
// Channel logos, 32x32 each; logo k shows the number k, logo 0 is the "no logo" tile.
inline constexpr std::string_view kCanals = "canals";
inline constexpr std::string_view kCanalsGray = "canalsgray";
// Day buttons Monday..Sunday and "now", three frames each.
inline constexpr std::string_view kButPn = "ButPn";
inline constexpr std::string_view kButVt = "ButVt";
inline constexpr std::string_view kButSr = "ButSr";
inline constexpr std::string_view kButCh = "ButCh";
inline constexpr std::string_view kButPt = "ButPt";
inline constexpr std::string_view kButSb = "ButSb";
inline constexpr std::string_view kButVs = "ButVs";
inline constexpr std::string_view kButToday = "ButToday";
// Programme types, 20x20 each; see TypeGlyph for the order.
inline constexpr std::string_view kGlyphType = "GLYPHTYPE";
// Pictures: the start-up picture (the window draws the version text), the tip-of-the-day
// bulb, the stop sign of warnings, and the program icon in four sizes.
inline constexpr std::string_view kSplash = "splash";
inline constexpr std::string_view kTip = "tip";
inline constexpr std::string_view kStop = "stop";
inline constexpr std::string_view kKanavo = "kanavo";
inline constexpr std::string_view kKanavo48 = "kanavo48";
inline constexpr std::string_view kKanavo32 = "kanavo32";
inline constexpr std::string_view kKanavo16 = "kanavo16";

// The day buttons' bitmaps in day order, Monday first; the "now" button's is kButToday.
inline constexpr std::array<std::string_view, 7> kDayButtons = {kButPn, kButVt, kButSr, kButCh,
                                                                kButPt, kButSb, kButVs};

inline constexpr int kChannelLogoSize = 32;
inline constexpr int kChannelLogoCount = 101;
inline constexpr int kMenuIconSize = 16;
inline constexpr int kTypeGlyphSize = 20;

// Index of each image in the MENUICON strip.
enum MenuIcon : int {
    MenuIconWeek = 0,     // calendar: the week menu
    MenuIconPrint = 1,    // printer
    MenuIconSettings = 2, // gear
    MenuIconDownload = 3, // arrow into a tray: programme download
    MenuIconSkins = 4,    // palette
    MenuIconAlarm = 5,    // alarm clock: reminders
    MenuIconHelp = 6,     // question mark
    MenuIconAbout = 7,    // "i"
    MenuIconExit = 8,     // door with an arrow
    MenuIconCount = 9,
};

// Index of each image in the GLYPHTYPE strip: the programme types 0..14, the same types
// switched off at type + TypeGlyphOffset, then the two alarm images.
enum TypeGlyph : int {
    TypeGlyphNews = 0,
    TypeGlyphFilm = 1,
    TypeGlyphSeries = 2,
    TypeGlyphCartoon = 3,
    TypeGlyphSport = 4,
    TypeGlyphTalkShow = 5,
    TypeGlyphInvestigation = 6,
    TypeGlyphEducation = 7,
    TypeGlyphMusic = 8,
    TypeGlyphGameShow = 9,
    TypeGlyphHumour = 10,
    TypeGlyphChildren = 11,
    TypeGlyphNature = 12,
    TypeGlyphCulture = 13,
    TypeGlyphOther = 14,
    TypeGlyphTypeCount = 15,
    TypeGlyphOffset = 15,
    TypeGlyphBell = 30,
    TypeGlyphTodayBell = 31,
    TypeGlyphCount = 32,
};

inline constexpr std::array<BitmapSpec, 24> kBuiltInBitmaps = {{
    {kSmBorder, 24, 3},
    {kBtnLeft, 54, 30},
    {kBtnRight, 54, 30},
    {kBtnUp, 105, 10},
    {kBtnDown, 105, 10},
    {kMenuIcon, kMenuIconSize* MenuIconCount, kMenuIconSize},
    {kCanals, kChannelLogoSize* kChannelLogoCount, kChannelLogoSize},
    {kCanalsGray, kChannelLogoSize* kChannelLogoCount, kChannelLogoSize},
    {kButPn, 90, 19},
    {kButVt, 90, 19},
    {kButSr, 90, 19},
    {kButCh, 90, 19},
    {kButPt, 90, 19},
    {kButSb, 90, 19},
    {kButVs, 90, 19},
    {kButToday, 201, 19},
    {kGlyphType, kTypeGlyphSize* TypeGlyphCount, kTypeGlyphSize},
    {kSplash, 400, 222},
    {kTip, 48, 48},
    {kStop, 32, 32},
    {kKanavo, 256, 256},
    {kKanavo48, 48, 48},
    {kKanavo32, 32, 32},
    {kKanavo16, 16, 16},
}};

} // namespace kanavo::artwork
