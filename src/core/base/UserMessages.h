#pragma once
// The message boxes of the core's operations ("Канаво", OK button), reached through an
// interface so that the window shows them and tests record them.

#include <string>

namespace kanavo {

class UserMessages {
public:
    virtual ~UserMessages() = default;
    // `text` is Windows-1251.
    virtual void showMessage(const std::string& text) = 0;
};

} // namespace kanavo
