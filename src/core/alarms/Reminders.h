#pragma once
// How the timer and the settings dialog show a reminder: one call with the programme's
// channel, start time and text, the channel's logo and the sound settings. The window
// reaches the reminder library through it, and tests record the calls instead.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kanavo {

// A channel logo of 32 x 32 pixels, rows from the top, each pixel 0xAARRGGBB with
// straight (not premultiplied) alpha.
inline constexpr int Logo32Side = 32;
using Logo32 = std::array<std::uint32_t, Logo32Side * Logo32Side>;

class Reminders {
public:
    virtual ~Reminders() = default;

    // Shows one reminder and returns at once. `channel` and `text` are Windows-1251; `hour`
    // and `minute` are the programme's start; `soundFile` is a UTF-8 path, empty for no
    // sound; `loop` repeats the sound until the reminder is closed (passed as set, also
    // without a sound).
    virtual void ExecuteAlarm(const std::string& channel, int hour, int minute, const std::string& text,
                              const std::optional<Logo32>& logo, const std::string& soundFile, bool loop) = 0;
};

} // namespace kanavo
