#pragma once
// The watchdog: a small process the game starts before it first switches the display, so
// that the desktop comes back even when the game dies in a way it cannot handle itself
// (SIGKILL, or a crash handled without touching X).
//
// The game hands it the desktop's layout through one end of a socket pair and keeps the
// other end. When the game ends normally with the desktop put back, it sends one byte and
// waits for the watchdog to end. When the game's end closes without that byte (the kernel
// closes it when the game dies, however it dies), the watchdog reads the layout on a
// connection of its own and puts back what differs, then ends. It ignores the terminal's
// signals (Ctrl+C and Ctrl+Z reach the game, which handles them), holds none of the game's
// descriptors (so the X server sees the game's connection close), and the game reaps it if
// it ends first: it never outlives the game by more than its restore, and leaves no zombie.

#include "platform/display_layout.h"

namespace platform {

// The option that makes the game's binary run as the watchdog: oxa --display-watchdog FD.
inline constexpr const char* displayWatchdogOption = "--display-watchdog";

// Starts the watchdog with the desktop's layout; false (and one line) when it cannot.
bool startDisplayWatchdog(const DisplayLayout& desktop);

// True while a watchdog started by this process is alive.
bool displayWatchdogRunning();

// At the normal end: with the desktop put back, tells the watchdog to end without touching
// anything; otherwise leaves it to restore. Either way waits (at most a second) for it.
void dismissDisplayWatchdog(bool desktopRestored);

// The watchdog's own life, entered from main(); returns its exit status.
int runDisplayWatchdog(const char* descriptor);

}  // namespace platform
