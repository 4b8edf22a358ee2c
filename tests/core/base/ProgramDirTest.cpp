#include "base/ProgramDir.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kanavo;

TEST(ProgramDir, TheHomeOptionNamesTheFolder) {
    struct Case {
        std::vector<const char*> arguments;
        const char* folder; // nullptr: none
        bool error;
    };
    const Case cases[] = {
        {{"kanavo"}, nullptr, false},
        {{"kanavo", "--home", "/opt/k"}, "/opt/k", false},
        {{"kanavo", "--home=/opt/k"}, "/opt/k", false},
        {{"kanavo", "--home", "/a", "--home=/b"}, "/b", false},
        {{"kanavo", "--", "--home", "/a"}, nullptr, false},
        {{"kanavo", "--homeless", "/a"}, nullptr, false},
        {{"kanavo", "--home"}, nullptr, true},
        {{"kanavo", "--home", ""}, nullptr, true},
        {{"kanavo", "--home="}, nullptr, true},
    };
    for (const Case& c : cases) {
        const HomeOption option = findHomeOption(c.arguments);
        SCOPED_TRACE(c.arguments.size() > 1 ? c.arguments[1] : "(none)");
        EXPECT_EQ(option.folder.has_value(), c.folder != nullptr);
        if (c.folder && option.folder) {
            EXPECT_EQ(*option.folder, c.folder);
        }
        EXPECT_EQ(!option.error.empty(), c.error);
    }
}

TEST(ProgramDir, TheFolderEndsInASeparator) {
    EXPECT_EQ(programDir({std::filesystem::path("/opt/k"), ""}, nullptr).string(), "/opt/k/");
    EXPECT_EQ(programDir({std::filesystem::path("/opt/k/"), ""}, nullptr).string(), "/opt/k/");
    EXPECT_EQ(programDir({std::filesystem::path("rel/k"), ""}, nullptr),
              (std::filesystem::current_path() / "rel/k/").lexically_normal());
    // Without the option, the folder of this test program.
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(programDir({}, "anything"), self.parent_path() / "");
    EXPECT_EQ(programDir({}, nullptr) / "TV", self.parent_path() / "TV");
}
