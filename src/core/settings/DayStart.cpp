#include "settings/DayStart.h"

namespace kanavo {

std::optional<int> parseDayStart(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    const std::size_t colon = text.find(':');
    if ((colon != 1 && colon != 2) || text.size() != colon + 3) {
        return std::nullopt;
    }
    int hours = 0;
    int minutes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == colon) {
            continue;
        }
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        int& part = i < colon ? hours : minutes;
        part = part * 10 + (text[i] - '0');
    }
    if (hours > 23 || minutes > 59) {
        return std::nullopt;
    }
    return hours * 60 + minutes;
}

int dayStartMinutes(std::string_view text) {
    return parseDayStart(text).value_or(5 * 60);
}

} // namespace kanavo
