#pragma once
// The message boxes of the program (caption "Канаво"), reached through an interface so
// that the window shows them and tests record and answer them.

#include <string>

namespace kanavo {

class UserMessages {
public:
    virtual ~UserMessages() = default;
    // An OK box. `text` is Windows-1251.
    virtual void showMessage(const std::string& text) = 0;
    // A Yes/No box with the question icon; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
};

} // namespace kanavo
