#pragma once
// Signals: Ctrl+C, SIGTERM and SIGHUP ask the game to quit through its normal exit (a
// second one ends it at once); a crash puts the desktop display mode back before the
// process dies with the same signal.

namespace platform {

void installSignalHandlers();

// The termination signal received, or 0. Polled by the main loop.
int quitSignal();

}  // namespace platform
