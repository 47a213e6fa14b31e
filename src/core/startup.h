#pragma once

#include "core/options.h"

// Runs the game: start-up, then the window system's main loop, which never returns.
[[noreturn]] void runGame(const Options& options, int argc, char** argv);
