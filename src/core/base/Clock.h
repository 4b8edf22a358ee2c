#pragma once
// The source of "now" for everything that colours, fires or chooses by time. Core code
// never reads the real clock; the window passes one in, and tests pass a fixed one.

#include "base/DateTime.h"

namespace kanavo {

struct Clock {
    virtual ~Clock() = default;
    // The current local date-time.
    virtual TDateTime now() const = 0;
};

} // namespace kanavo
