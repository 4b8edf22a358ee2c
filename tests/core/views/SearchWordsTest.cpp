#include "views/SearchWords.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace kanavo::test {
namespace {

struct SearchCase {
    const char* search;
    const char* title;
    bool matches;
};

TEST(SearchWordsTest, TitleMustHoldEveryWordInAnyCase) {
    const std::vector<SearchCase> cases = {
        {"новости спорт", "Новости спорта", true},
        {"новости спорт", "Спорт. НОВОСТИ", true},
        {"новости спорт", "Новости", false},
        {"ЁЛКА", "ёлка", true},
        {"новости  спорт", "Новости спорта", false}, // two blanks: an empty word
        {" новости", "Новости", false},
        {"", "Новости", false},
        {"новости ", "Новости", true},                 // a trailing blank leaves no word behind it
        {"a b c d e f g h i j k", "abcdefghij", true}, // the eleventh word is ignored
    };
    for (const SearchCase& c : cases) {
        EXPECT_EQ(SearchWords(cp(c.search)).matches(cp(c.title)), c.matches) << c.search << " / " << c.title;
    }
}

TEST(SearchWordsTest, OnlyTheFirst255CharactersCount) {
    const std::string title = std::string(255, 'x') + "y";
    EXPECT_TRUE(SearchWords("x").matches(title));
    EXPECT_FALSE(SearchWords("y").matches(title));
    EXPECT_EQ(SearchWords(std::string(300, 'z')).words().front().size(), 255u);
}

} // namespace
} // namespace kanavo::test
