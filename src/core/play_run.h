#pragma once
// Who plays this run and what is kept of it: the X server (a person), the autopilot or a
// replay file feeds the input; --record writes it down, --dump writes every stage end,
// --levels goes on from level to level, --bench measures the frames.
//
// Whenever the input does not come straight from the X server, the game reads it from one
// fed source that is set once at the top of every frame, and the pointer, button and key
// events reach the game's handlers right there, in a fixed order. A recording and its
// replay therefore hand the game exactly the same input at exactly the same moments.

#include "core/options.h"

// Reads a replay's header into the options (step, level, difficulty). A file that cannot
// be read ends the process with a message.
Options prepareRun(const Options& requested);

// After start-up has registered the game's callbacks and before the first level starts.
void setUpRun(const Options& options);

// At the top of every frame, before the timers and the flight.
void beginFrame();
