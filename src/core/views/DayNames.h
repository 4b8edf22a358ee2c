#pragma once
// The names of the days as the listings write them. Texts are Windows-1251.

#include <string>

namespace kanavo {

// The day index of the "now" view; 0..6 are Monday..Sunday.
inline constexpr int kNowDay = 8;

// The caption of a day's item in the "День" menu and of its day control: "Понедельник"
// .. "Воскресенье" for 0..6, "Сейчас" for 8; empty for any other index.
const std::string& dayCaption(int day);

// The day as a sentence names it after "на": the caption in lower case, with the last
// letter made "у" where the accusative needs it ("среду", "пятницу", "субботу").
std::string DayPhrase(int day);

// The full weekday name of the Russian locale, in lower case ("понедельник"), Monday 0 ..
// Sunday 6; empty for any other index.
const std::string& longDayName(int weekday);

} // namespace kanavo
