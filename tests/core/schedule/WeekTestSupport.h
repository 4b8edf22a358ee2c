#pragma once
// Helpers of the week discovery tests: a scratch program folder, weekly files written
// with the program's own writer, and a message box that records what it was asked to show.

#include "base/Cp1251.h"
#include "base/DateTime.h"
#include "base/UserMessages.h"
#include "schedule/WeeklyFile.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <unistd.h>
#include <vector>

namespace kanavo::test {

inline std::string cp(std::string_view utf8) {
    return cp1251::fromUtf8(utf8).value();
}

class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("kanavo-weeks-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void writeText(const std::filesystem::path& path, std::string_view text) {
    writeBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

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
    std::vector<std::string> shown;
};

} // namespace kanavo::test
