#pragma once
// Helpers of the week discovery tests: weekly files written with the program's own
// writer, and a message box that records what it was asked to show.

#include "TestFiles.h"
#include "base/DateTime.h"
#include "base/UserMessages.h"
#include "schedule/WeeklyFile.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace kanavo::test {

// The smallest picture the core accepts as a GIF: signature and logical screen descriptor.
inline std::vector<std::uint8_t> tinyGif(std::uint8_t mark = 0) {
    return {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, mark};
}

// A schedule text whose CANALS section lists `channels` ("N name" lines), CR LF lines.
inline std::string canalsText(std::initializer_list<std::string> channels) {
    std::string text = "[CANALS]\r\n";
    for (const std::string& line : channels) {
        text += line + "\r\n";
    }
    return text + "[CANALS_END]\r\n[END]\r\n";
}

inline WeekContent weekContent(std::initializer_list<std::string> channels = {"1 A", "2 B"}) {
    return {canalsText(channels), {{"http://banner/one", tinyGif()}}};
}

inline std::vector<std::uint8_t> weeklyFile(TDateTime monday, const WeekContent& content = weekContent()) {
    return writeWeeklyFile(monday, content, true);
}

class RecordedMessages : public UserMessages {
public:
    void showMessage(const std::string& text) override { shown.push_back(text); }
    bool askYesNo(const std::string& text) override {
        shown.push_back(text);
        return false;
    }
    std::vector<std::string> shown;
};

} // namespace kanavo::test
