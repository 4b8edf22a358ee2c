#pragma once
// The names of the programme types on their controls (Windows-1251). The toolbar hints and
// the menu captions differ in two places, and both are kept as the program shows them.

#include <string>

namespace kanavo {

// Hint of the type's toolbar button and text of its row in the type list; empty for a
// type outside 0..14.
const std::string& typeButtonHint(int type);
// Caption of the type's item in the menu "Типы передач".
const std::string& typeMenuCaption(int type);

} // namespace kanavo
