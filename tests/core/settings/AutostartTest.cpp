#include "SettingsTestSupport.h"

#include "settings/Autostart.h"

#include <gtest/gtest.h>

using namespace kanavo;
using kanavo::test::readText;
using kanavo::test::ScratchFolder;
using kanavo::test::writeText;

TEST(Autostart, TheEntryExistsExactlyWhileTheSettingIsOn) {
    ScratchFolder folder;
    const auto autostart = folder / "config/autostart";
    const auto entry = autostart / AutostartFileName;

    ASSERT_TRUE(applyAutostart(true, "/usr/lib/kanavo/kanavo", autostart));
    const std::string text = readText(entry);
    EXPECT_NE(text.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nName=Канаво 2.1\n"), std::string::npos);
    EXPECT_NE(text.find("\nExec=/usr/lib/kanavo/kanavo\n"), std::string::npos);

    // Moved executable: the entry follows it.
    ASSERT_TRUE(applyAutostart(true, "/opt/kanavo/kanavo", autostart));
    EXPECT_NE(readText(entry).find("\nExec=/opt/kanavo/kanavo\n"), std::string::npos);

    ASSERT_TRUE(applyAutostart(false, "/opt/kanavo/kanavo", autostart));
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_TRUE(applyAutostart(false, "/opt/kanavo/kanavo", autostart));
}

TEST(Autostart, ExecQuotesAndEscapesThePath) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/kanavo", "/usr/bin/kanavo"},
        {"/opt/My App/kanavo", "\"/opt/My App/kanavo\""},
        {"/opt/a\"b/kanavo", "\"/opt/a\\\\\"b/kanavo\""},
        {"/opt/$HOME/kanavo", "\"/opt/\\\\$HOME/kanavo\""},
        {"/opt/a\\b/kanavo", "\"/opt/a\\\\\\\\b/kanavo\""},
        {"/opt/100%/kanavo", "/opt/100%%/kanavo"},
        {"/opt/Канаво/kanavo", "/opt/Канаво/kanavo"},
    };
    for (const auto& [path, exec] : cases) {
        const std::string text = autostartEntryText(path);
        EXPECT_NE(text.find(std::string("\nExec=") + exec + "\n"), std::string::npos) << path << "\n" << text;
    }
}

TEST(Autostart, AFolderThatCannotBeMadeIsReported) {
    ScratchFolder folder;
    writeText(folder / "autostart", "not a folder");
    const WriteStatus status = applyAutostart(true, "/usr/bin/kanavo", folder / "autostart");
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.error.empty());
    EXPECT_FALSE(applyAutostart(true, "/usr/bin/kanavo", {}));
}

TEST(Autostart, TheRunningExecutableIsAnAbsolutePath) {
    const std::filesystem::path self = runningExecutable();
    EXPECT_TRUE(self.is_absolute());
    EXPECT_TRUE(std::filesystem::exists(self));
}
