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

} // namespace kanavo
