#pragma once
// A clock that shows whatever moment the test sets.

#include "base/Clock.h"

namespace kanavo::test {

struct FixedClock : Clock {
    TDateTime moment = 0;
    TDateTime now() const override { return moment; }
};

} // namespace kanavo::test
