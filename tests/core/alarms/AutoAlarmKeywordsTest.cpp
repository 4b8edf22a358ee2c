#include "alarms/AutoAlarmKeywords.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kanavo::test {
namespace {

class AutoAlarmKeywordsTest : public ::testing::Test {
protected:
    void loadWords(const std::vector<std::string>& words, bool on = false) {
        settings.AutoAlarmOn = on;
        settings.AutoAlarmCount = static_cast<int>(words.size());
        for (std::size_t k = 0; k < words.size(); ++k) {
            settings.AutoAlarmWords[k + 1] = words[k];
        }
        form.load(settings);
    }
    // Enabled buttons as "A" (add), "R" (replace), "D" (delete).
    std::string buttons() const {
        return std::string(form.addEnabled() ? "A" : "") + (form.replaceEnabled() ? "R" : "") +
               (form.deleteEnabled() ? "D" : "");
    }

    Settings settings;
    AutoAlarmKeywords form;
};

TEST_F(AutoAlarmKeywordsTest, OpensOnTheStoredEntries) {
    loadWords({"футбол", "кино"}, true);
    EXPECT_EQ(form.lines(), (std::vector<std::string>{"футбол", "кино"}));
    EXPECT_EQ(form.selected(), 0);
    EXPECT_TRUE(form.applyAlways());
    EXPECT_EQ(buttons(), "D");

    loadWords({});
    EXPECT_EQ(form.selected(), -1);
    EXPECT_EQ(buttons(), "");
}

TEST_F(AutoAlarmKeywordsTest, EditRule) {
    loadWords({"a", "b"});
    form.setEditText("x");
    EXPECT_EQ(buttons(), "ARD");
    form.setEditText("");
    EXPECT_EQ(buttons(), "D");

    // Without a selection a non-empty edit leaves Replace as it was, either way.
    form.setEditText("x");
    form.select(-1);
    form.setEditText("xy");
    EXPECT_EQ(buttons(), "ARD");
    form.setEditText("");
    form.setEditText("x");
    EXPECT_EQ(buttons(), "AD");
    form.replace(); // nothing selected: nothing happens
    EXPECT_EQ(form.lines(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(AutoAlarmKeywordsTest, AddDeleteReplace) {
    loadWords({"a", "b", "c"});
    form.setEditText("d");
    form.add();
    EXPECT_EQ(form.lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(form.selected(), 3);
    EXPECT_EQ(form.editText(), "");
    EXPECT_EQ(buttons(), "D");
    form.add(); // the edit is empty now: Add is disabled
    EXPECT_EQ(form.lines().size(), 4u);

    form.select(1);
    form.setEditText("B");
    form.replace();
    EXPECT_EQ(form.lines(), (std::vector<std::string>{"a", "B", "c", "d"}));
    EXPECT_EQ(form.editText(), "B");

    form.remove(); // the line now at the place is selected
    EXPECT_EQ(form.lines(), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(form.selected(), 1);
    form.select(2);
    form.remove(); // the last: the new last line
    EXPECT_EQ(form.selected(), 1);
    form.remove();
    form.remove();
    EXPECT_TRUE(form.lines().empty());
    EXPECT_EQ(form.selected(), -1);
    EXPECT_FALSE(form.deleteEnabled());
    form.remove(); // nothing selected, nothing to delete
}

TEST_F(AutoAlarmKeywordsTest, OkStoresWhatTheListShowsAndCancelNothing) {
    loadWords({"a"});
    form.setApplyAlways(true);
    form.setEditText(std::string(300, 'k'));
    EXPECT_EQ(form.editText().size(), 255u) << "held to what can be stored";
    form.add();
    form.store(settings);
    EXPECT_TRUE(settings.AutoAlarmOn);
    ASSERT_EQ(settings.AutoAlarmCount, 2);
    EXPECT_EQ(settings.AutoAlarmWords[2], std::string(255, 'k'));

    form.clear();
    EXPECT_TRUE(form.lines().empty());
    EXPECT_EQ(form.editText(), "");
    EXPECT_EQ(settings.AutoAlarmCount, 2) << "only OK stores";
}

TEST_F(AutoAlarmKeywordsTest, FullListTakesNoMoreSoNothingIsDroppedAtOk) {
    std::vector<std::string> words;
    for (int k = 0; k < AutoAlarmCapacity - 1; ++k) {
        words.push_back("w" + std::to_string(k));
    }
    loadWords(words);
    form.setEditText("last");
    form.add();
    ASSERT_EQ(form.lines().size(), static_cast<std::size_t>(AutoAlarmCapacity));
    form.setEditText("one too many");
    EXPECT_FALSE(form.addEnabled());
    form.add();
    EXPECT_EQ(form.lines().size(), static_cast<std::size_t>(AutoAlarmCapacity));
    form.store(settings);
    EXPECT_EQ(settings.AutoAlarmCount, AutoAlarmCapacity);
    EXPECT_EQ(settings.AutoAlarmWords[AutoAlarmCapacity], "last");

    form.remove(); // room again for the edit's text
    EXPECT_TRUE(form.addEnabled());
}

} // namespace
} // namespace kanavo::test
