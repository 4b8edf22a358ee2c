#include "BannerFileName.h"

namespace kanavo::knvtool {

std::string bannerFileName(int number, const std::string& streamName) {
    constexpr std::size_t kMaxStem = 80;
    std::string stem;
    for (const char c : streamName) {
        if (stem.size() == kMaxStem) {
            break;
        }
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '.' || c == '-' || c == '_';
        stem += safe ? c : '_';
    }
    // The fixed prefix keeps the name from being empty, hidden, "." or "..".
    return "banner-" + std::to_string(number) + "-" + stem + ".gif";
}

} // namespace kanavo::knvtool
