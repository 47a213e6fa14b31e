#pragma once
// Signals, and what each leaves of the desktop:
// - SIGINT (Ctrl+C), SIGTERM and SIGHUP ask the game to quit through its normal exit, which
//   puts the display back; a second one ends it at once, putting the display back first.
// - SIGQUIT (Ctrl+\) and the crashes (SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGTRAP)
//   end it at once with the same signal, so a core dump still comes. The display watchdog
//   puts the display back (nothing unsafe runs in the dying process); without a watchdog
//   the handler does it itself.
// - SIGTSTP (Ctrl+Z) asks the main loop to put the display back and let the pointer go
//   before the process stops; when it is continued (SIGCONT) the game switches back.
// - SIGKILL cannot be caught: the display watchdog puts the display back.

namespace platform {

void installSignalHandlers();

// The termination signal received, or 0. Polled by the main loop.
int quitSignal();

// True once Ctrl+Z (SIGTSTP) came and the stop has not been done yet. Polled by the main
// loop, which puts the desktop back and then calls stopNow().
bool stopRequested();

// Stops the process here; returns once it is continued.
void stopNow();

}  // namespace platform
