#pragma once
// The game's millisecond clock. In normal play it is the monotonic clock, counted from
// the start of the process; in fixed-step mode it is the scheduler's virtual clock, so a
// run does exactly the same thing on every machine.

#include <cstdint>

namespace platform {

uint32_t timeGetTime();

// Milliseconds of the monotonic clock since the process started, whatever the mode.
uint32_t realMilliseconds();

}  // namespace platform
