#include "views/TypeNames.h"

#include "base/Cp1251.h"
#include "schedule/ScheduleText.h"

#include <array>

namespace kanavo {
namespace {

using Names = std::array<std::string, kProgrammeTypeCount>;

Names convert(const std::array<const char*, kProgrammeTypeCount>& utf8) {
    Names names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = cp1251::fromUtf8(utf8[i]).value();
    }
    return names;
}

const std::string& pick(const Names& names, int type) {
    static const std::string none;
    return type >= 0 && type < kProgrammeTypeCount ? names[static_cast<std::size_t>(type)] : none;
}

} // namespace

const std::string& typeButtonHint(int type) {
    static const Names names =
        convert({"Информационные программы", "Художественные фильмы", "Сериалы", "Мультфильмы",
                 "Спортивные передачи", "Ток-шоу", "Телевизионные расследования", "Образовательные программы",
                 "Музыкальные передачи", "Игровые передачи", "Юмористические передачи", "Детские передачи",
                 "Природа и животный мир", "Культурная жизнь", "Другое"});
    return pick(names, type);
}

const std::string& typeMenuCaption(int type) {
    // "Мызыкальные" is how the menu has always spelled it.
    static const Names names =
        convert({"Информационные передачи", "Художественные фильмы", "Сериалы", "Мультфильмы",
                 "Спортивные передачи", "Ток-шоу", "Телевизионные расследования", "Образовательные программы",
                 "Мызыкальные передачи", "Игровые передачи", "Юмористические передачи", "Детские передачи",
                 "Природа и животный мир", "Культурная жизнь", "Другое"});
    return pick(names, type);
}

} // namespace kanavo
