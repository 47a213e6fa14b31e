#pragma once
// Display modes through RandR, in place of the exclusive full-screen modes of old.
//
// At start the desktop's whole layout is remembered: the screen's size and every monitor's
// mode and position. The game switches only its own monitor (the primary one, or the first
// that is on); the other monitors keep their modes and places. Every way out of the game
// puts the whole layout back: the normal exit, a data error, a termination signal, a crash
// (see signals.h), and for deaths the process cannot handle (SIGKILL) a small watchdog
// process started before the first switch (see display_watchdog.h). A restore reads the
// layout again, checks the result and tries once more; a failure is said in one line.
//
// Where the wanted size is not offered (Xvfb offers one size only, Wayland none) or the
// server has no RandR 1.3, the screen stays as it is and one line on stderr says so; the
// caller then reads back the mode really in effect.

namespace platform {

struct VideoMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// The game's monitor's mode. The first call also remembers the desktop's layout. Returns
// false when there is no X display at all.
bool queryCurrentMode(VideoMode& mode);

// Where the game's monitor shows on the X screen, in pixels.
struct ScreenArea {
    int x = 0, y = 0;
    int width = 0, height = 0;
};
ScreenArea gameArea();

// Puts the game's monitor into the wanted size; the colour depth cannot change under X and
// stays. Returns true when the monitor now has the wanted size.
bool setMode(const VideoMode& wanted);

// Puts the desktop's layout back if the game changed it. Idempotent.
void restoreDesktopMode();

// True while the game's monitor is in a mode the game set.
bool modeSwitched();

// The end of the process: the desktop's layout back, then the display watchdog told that
// all is well and waited for. Runs at exit; callable before an _exit.
void finishDisplay();

}  // namespace platform
