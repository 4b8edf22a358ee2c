#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

using namespace kanavo;
using kanavo::test::cp;

namespace {

std::string everyByte() {
    std::string text;
    for (int b = 1; b < 256; ++b) {
        text += static_cast<char>(b);
    }
    return text;
}

} // namespace

TEST(IniDocument, EveryTextComesBackExactlyThroughTheFileText) {
    const std::string cases[] = {
        "",
        " leading",
        "trailing ",
        "  both  ",
        " ",
        "a=b",
        "=starts with equals",
        ";looks like a comment",
        "#looks like a comment",
        "[looks like a section]",
        "\\",
        "C:\\Sounds\\ring.wav",
        "ends with backslash\\",
        cp("*Первый канал"),
        "\"quoted\"",
        "\" only opening",
        "mid\"quote",
        "\\\"",
        "\\x41 is not an escape here",
        "tab\there\t",
        "line\nbreak\r\nend",
        std::string("nul\0inside", 10),
        "\x01\x1F\x7F",
        cp("Канаво ёЁ №"),
        everyByte(),
    };
    IniDocument document;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        document.writeValue("Section", "Value" + std::to_string(i), cases[i]);
    }
    const std::string text = document.serialize();
    const IniDocument reread = IniDocument::parse(text);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(reread.readValue("Section", "Value" + std::to_string(i)), cases[i]) << "case " << i;
    }
    EXPECT_EQ(reread.serialize(), text);
}

TEST(IniDocument, ReadsHandEditedText) {
    const std::string text = "\xEF\xBB\xBF"
                             "; comment\r\n"
                             "orphan=before any section\r\n"
                             "  [ Setup option ]  \r\n"
                             "# another comment\n"
                             "Proxy port = 8080 \n"
                             "Skin=  Blue  \n"
                             "no equals sign here\n"
                             "=no name\n"
                             "Info tip count=1\n"
                             "info TIP count=2\n"
                             "[Setup panel\n"
                             "types=111111111111111\n"
                             "[Printer option]\n"
                             "Font name=Arial Cyr\n"
                             "bad utf8=\xC3\x28\n"
                             "control=a\x01z\n"
                             "emoji=\xF0\x9F\x98\x80\n"
                             "bad escape=a\\qz\n"
                             "short hex=\\x4\n"
                             "lone backslash=a\\\n"
                             "open quote=\"abc\n"
                             "after quote=\"abc\" tail\n"
                             "quoted=\"  keep  \"   \n";
    const IniDocument document = IniDocument::parse(text);
    struct Case {
        const char* section;
        const char* name;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"Setup option", "Proxy port", "8080"},
        {"setup OPTION", "PROXY PORT", "8080"},
        {"Setup option", "Skin", "Blue"},
        {"Setup option", "Info tip count", "2"},
        {"Setup option", "orphan", std::nullopt},
        {"Setup panel", "types", std::nullopt},
        {"Printer option", "types", std::nullopt},
        {"Printer option", "Font name", "Arial Cyr"},
        {"Printer option", "bad utf8", std::nullopt},
        {"Printer option", "control", std::nullopt},
        {"Printer option", "emoji", std::nullopt},
        {"Printer option", "bad escape", std::nullopt},
        {"Printer option", "short hex", std::nullopt},
        {"Printer option", "lone backslash", std::nullopt},
        {"Printer option", "open quote", std::nullopt},
        {"Printer option", "after quote", std::nullopt},
        {"Printer option", "quoted", "  keep  "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(document.readValue(c.section, c.name), c.expected) << c.section << " / " << c.name;
    }
}

TEST(IniDocument, RewritingKeepsPlaceAndSpellingAndLeavesUnreadableValuesUntouched) {
    IniDocument document = IniDocument::parse("[Setup option]\n"
                                              "proxy PORT=1\n"
                                              "bad escape=a\\qz\n"
                                              "Skin=x\n");
    document.writeValue("SETUP OPTION", "Proxy port", "2");
    document.writeValue("Setup option", "New value", "3");
    document.deleteValue("Setup option", "skin");
    document.deleteValue("Setup option", "missing");
    document.deleteValue("Missing section", "Skin");
    EXPECT_EQ(document.serialize().substr(document.serialize().find('[')), "[Setup option]\n"
                                                                           "proxy PORT=2\n"
                                                                           "bad escape=a\\qz\n"
                                                                           "New value=3\n");
    EXPECT_EQ(document.readValue("Setup option", "New value"), "3");
    EXPECT_EQ(document.readValue("Setup option", "Skin"), std::nullopt);
}

TEST(IniDocument, RefusesNamesTheFileCannotHold) {
    IniDocument document;
    const std::pair<const char*, const char*> bad[] = {
        {"", "name"},         {"Section]", "name"}, {" Section", "name"},  {"Sec\ntion", "name"},
        {"Section", ""},      {"Section", "a=b"},   {"Section", "[name"},  {"Section", ";name"},
        {"Section", "#name"}, {"Section", "name "}, {"Section", "na\tme"},
    };
    for (const auto& [section, name] : bad) {
        EXPECT_THROW(document.writeValue(section, name, "v"), std::invalid_argument)
            << section << " / " << name;
    }
    EXPECT_TRUE(document.empty());
}
