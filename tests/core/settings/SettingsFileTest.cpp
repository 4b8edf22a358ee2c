#include "SettingsTestSupport.h"

#include "settings/IniSettingsFile.h"
#include "settings/SettingsFile.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>

using namespace kanavo;
using kanavo::test::cp;
using kanavo::test::filesIn;
using kanavo::test::readText;
using kanavo::test::ScratchFolder;
using kanavo::test::writeText;

namespace {

// The moment and screen of the file tests.
LoadEnvironment environment() {
    return {encodeDate(2026, 12, 7) + encodeTime(12, 0), 1920, 1080};
}

// Every kind of value away from its default, texts that the file format must protect.
Settings unusualSettings() {
    Settings s;
    s.AutoDeleteOld = false;
    s.UseProxy = true;
    s.ProxyHost = " proxy.example = ; # \\ ";
    s.ProxyPort = 8080;
    s.StartWithWindows = true;
    s.DayStartTime = " 6:30";
    s.InfoTipCount = 17;
    s.LoadMinimized = true;
    s.SkinName = cp("Зима \"2026\"");
    s.SingleInstance = false;
    s.ChannelFilter = 2;
    s.Form = {-8, 12, 1000, 700, false};
    s.Panels.TypeHidden[0] = true;
    s.Panels.TypeHidden[14] = true;
    s.Panels.FastCanalPlace = 4;
    s.Panels.TypesExtPlace = 0;
    s.Panels.SearchPlace = 2;
    s.Panels.CanalPanelWidth = 120;
    s.Panels.TypePanelWidth = 80;
    s.PerChannelShift = true;
    s.TimeZoneShift = -3;
    s.ChannelPrefs = {cp("Первый канал"), cp("*Россия"), "  spaced  ", "=;#\\"};
    s.ChannelShift[0] = 2;
    s.ChannelShift[1] = -10;
    s.ChannelShift[3] = 11;
    s.AutoAlarmOn = true;
    s.AutoAlarmCount = 2;
    s.AutoAlarmWords[1] = cp("футбол");
    s.AutoAlarmWords[2] = " *news* ";
    s.AlarmSound = true;
    s.AlarmSoundLoop = true;
    s.AlarmSoundFile = "/home/user/sounds/ring tone.wav";
    s.AlarmLead = 10;
    s.AlarmCount = 2;
    s.Alarms[1] = {encodeDate(2026, 12, 7) + encodeTime(20, 5), cp("НТВ"), cp("Футбол. \"Спартак\" - ЦСКА"),
                   4};
    s.Alarms[2] = {encodeDate(2026, 12, 8) + encodeTime(0, 5), "*", "x=y", 0};
    s.PrintLandscape = true;
    s.PrintNewDayPage = true;
    s.PrintColumns = 2;
    s.PrintLineSpacing = -1;
    s.PrintTextLimit = 60;
    s.PrintMarginLeft = 5;
    s.PrintFontName = "Courier New Cyr";
    s.PrintFontSize = 12;
    s.PrintFontStyle = "0100";
    return s;
}

std::size_t temporaryFiles(const ScratchFolder& folder) {
    std::size_t count = 0;
    for (const auto& name : filesIn(folder.path())) {
        count += name.string().find(".tmp-") != std::string::npos ? 1 : 0;
    }
    return count;
}

} // namespace

TEST(SettingsFile, ARunReadsBackWhatThePreviousRunWroteAndRewritesItByteForByte) {
    ScratchFolder folder;
    const auto file = folder / "config/Quelmar+/Kanavo2.ini";
    const Settings written = unusualSettings();
    ASSERT_TRUE(saveSettingsFile(file, written));

    const Settings read = loadSettingsFile(file, environment());
    EXPECT_EQ(read, written);

    const std::string first = readText(file);
    ASSERT_TRUE(saveSettingsFile(file, read));
    EXPECT_EQ(readText(file), first);
    EXPECT_EQ(temporaryFiles(folder), 0u);
}

TEST(SettingsFile, DamagedFilesStartWithDefaults) {
    std::mt19937 random(7);
    std::string binary(4096, '\0');
    for (char& c : binary) {
        c = static_cast<char>(random());
    }
    ScratchFolder folder;
    const auto saved = folder / "saved.ini";
    ASSERT_TRUE(saveSettingsFile(saved, unusualSettings()));
    const std::string good = readText(saved);

    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"binary", binary},
        {"binary after a header", "[Setup option]\n" + binary},
        {"UTF-16", std::string("\xFF\xFE[\0S\0e\0t\0u\0p\0", 14)},
        {"cut inside the first header", good.substr(0, good.find("[Form") + 3)},
        {"text without sections", "Two copies=0\nProxy port=1\n"},
    };
    const Settings defaults = loadSettings(IniDocument(), environment());
    for (const auto& [name, text] : cases) {
        const auto file = folder / "damaged.ini";
        writeText(file, text);
        EXPECT_EQ(loadSettingsFile(file, environment()), defaults) << name;
        EXPECT_TRUE(readSingleInstanceFile(file)) << name;
    }
}

TEST(SettingsFile, ATruncatedFileKeepsWhatCameBeforeTheCut) {
    ScratchFolder folder;
    const auto file = folder / "Kanavo2.ini";
    ASSERT_TRUE(saveSettingsFile(file, unusualSettings()));
    const std::string good = readText(file);
    writeText(file, good.substr(0, good.find("[Setup canal]") + 5));

    const Settings read = loadSettingsFile(file, environment());
    EXPECT_EQ(read.Panels, unusualSettings().Panels);
    EXPECT_TRUE(read.ChannelPrefs.empty());
    EXPECT_EQ(read.AlarmCount, 0);
    EXPECT_EQ(read.PrintColumns, 3);
}

TEST(SettingsFile, UnusableLocationsReadAsDefaultsAndFailToSaveWithAReason) {
    ScratchFolder folder;
    writeText(folder / "plain-file", "x");
    std::filesystem::create_directories(folder / "a-folder");
    const std::filesystem::path cases[] = {folder / "a-folder", folder / "plain-file/Kanavo2.ini", {}};
    const Settings defaults = loadSettings(IniDocument(), environment());
    for (const auto& path : cases) {
        EXPECT_EQ(loadSettingsFile(path, environment()), defaults) << path;
        const WriteStatus status = saveSettingsFile(path, unusualSettings());
        EXPECT_FALSE(status) << path;
        EXPECT_FALSE(status.error.empty()) << path;
    }
    EXPECT_EQ(readText(folder / "plain-file"), "x");
}

TEST(SettingsFile, AnOversizedFileIsNotRead) {
    ScratchFolder folder;
    const auto file = folder / "Kanavo2.ini";
    writeText(file, "[Setup option]\nTwo copies=0\n" + std::string(IniSettingsFile::MaxFileSize, ';'));
    EXPECT_TRUE(readSingleInstanceFile(file));
}

TEST(SettingsFile, ASaveStoppedAfterTheTemporaryFileLeavesTheOldSettingsReadable) {
    ScratchFolder folder;
    const auto file = folder / "Kanavo2.ini";
    Settings old;
    old.SkinName = "Old";
    ASSERT_TRUE(saveSettingsFile(file, old));
    const std::string oldText = readText(file);

    IniSettingsFile store(file);
    saveSettings(unusualSettings(), store);
    {
        PendingReplacement pending(file, store.document().serialize());
        ASSERT_TRUE(pending.status());
        ASSERT_TRUE(std::filesystem::exists(pending.temporaryPath()));
        EXPECT_EQ(readText(pending.temporaryPath()), store.document().serialize());
        // The moment a crash would hit: everything written, nothing renamed.
        EXPECT_EQ(readText(file), oldText);
        EXPECT_EQ(loadSettingsFile(file, environment()).SkinName, "Old");
    }
    EXPECT_EQ(temporaryFiles(folder), 0u);
    EXPECT_EQ(loadSettingsFile(file, environment()).SkinName, "Old");

    // A leftover temporary file of a crashed run does not get in the way.
    writeText(folder / "Kanavo2.ini.tmp-ABCDEF", "[Setup option]\nSkin=Crashed\n");
    ASSERT_TRUE(saveSettingsFile(file, unusualSettings()));
    EXPECT_EQ(loadSettingsFile(file, environment()), unusualSettings());
}

TEST(SettingsFile, AFullDiskLeavesTheOldFileWholeAndIsReported) {
    ScratchFolder folder;
    const auto file = folder / "Kanavo2.ini";
    ASSERT_TRUE(saveSettingsFile(file, Settings{}));
    const std::string oldText = readText(file);

    // A file size limit makes writes fail part-way as a full disk does.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 200;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const WriteStatus status = saveSettingsFile(file, unusualSettings());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(status);
    EXPECT_NE(status.error.find("cannot write"), std::string::npos) << status.error;
    EXPECT_EQ(readText(file), oldText);
    EXPECT_EQ(temporaryFiles(folder), 0u);
}

TEST(SettingsFile, ASymbolicLinkStaysALinkToTheSavedFile) {
    ScratchFolder folder;
    const auto real = folder / "real.ini";
    const auto link = folder / "Kanavo2.ini";
    writeText(real, "");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(saveSettingsFile(link, unusualSettings()));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(loadSettingsFile(real, environment()), unusualSettings());
}

TEST(SettingsFile, TwoCopiesIsReadOnItsOwn) {
    ScratchFolder folder;
    const auto file = folder / "Kanavo2.ini";
    const std::pair<const char*, bool> cases[] = {
        {"[Setup option]\nTwo copies=0\n", false},
        {"[Setup option]\nTwo copies=1\n", true},
        {"[Setup option]\nTwo copies=x\n", true},
        {"[Setup option]\nAutoLoad=0\n", true},
    };
    for (const auto& [text, expected] : cases) {
        writeText(file, text);
        EXPECT_EQ(readSingleInstanceFile(file), expected) << text;
    }
    EXPECT_TRUE(readSingleInstanceFile(folder / "missing.ini"));
}
