#include "views/DayNames.h"

#include "base/Cp1251.h"

#include <array>

namespace kanavo {
namespace {

const std::string& empty() {
    static const std::string text;
    return text;
}

} // namespace

const std::string& dayCaption(int day) {
    static const std::array<std::string, 9> captions = [] {
        std::array<std::string, 9> c;
        const char* utf8[] = {"Понедельник", "Вторник",     "Среда", "Четверг", "Пятница",
                              "Суббота",     "Воскресенье", "",      "Сейчас"};
        for (std::size_t i = 0; i < c.size(); ++i) {
            c[i] = cp1251::fromUtf8(utf8[i]).value();
        }
        return c;
    }();
    return day >= 0 && day < static_cast<int>(captions.size()) ? captions[static_cast<std::size_t>(day)]
                                                               : empty();
}

std::string DayPhrase(int day) {
    std::string phrase = cp1251::toLower(dayCaption(day));
    if ((day == 2 || day == 4 || day == 5) && !phrase.empty()) {
        phrase.back() = cp1251::fromUtf8("у").value()[0];
    }
    return phrase;
}

const std::string& longDayName(int weekday) {
    static const std::array<std::string, 7> names = [] {
        std::array<std::string, 7> n;
        const char* utf8[] = {"понедельник", "вторник", "среда",      "четверг",
                              "пятница",     "суббота", "воскресенье"};
        for (std::size_t i = 0; i < n.size(); ++i) {
            n[i] = cp1251::fromUtf8(utf8[i]).value();
        }
        return n;
    }();
    return weekday >= 0 && weekday < 7 ? names[static_cast<std::size_t>(weekday)] : empty();
}

} // namespace kanavo
