#pragma once
// The real local clock of the machine, the one clock the window feeds to everything.

#include "base/Clock.h"

namespace kanavo {

class SystemClock final : public Clock {
public:
    TDateTime now() const override;
    // One shared instance for widgets that are given no other clock.
    static const SystemClock& instance();
};

// The system clock moved so that it read `start` when it was made; it runs on from there.
class StartedClock final : public Clock {
public:
    explicit StartedClock(TDateTime start);
    TDateTime now() const override;

private:
    TDateTime m_offset;
};

} // namespace kanavo
