#pragma once
// The program's message boxes on the desktop: caption "Канаво", an OK box, and a Yes/No
// question with the question icon. When nobody can answer a box (a start-up check, an
// off-screen run), the text goes to the error stream instead and questions get No, the
// answer that changes nothing.

#include "base/UserMessages.h"

#include <string>

namespace kanavo {

class QtMessages final : public UserMessages {
public:
    enum class Mode { Interactive, Unattended };
    explicit QtMessages(Mode mode = Mode::Interactive) : m_mode(mode) {}

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;

private:
    Mode m_mode;
};

} // namespace kanavo
