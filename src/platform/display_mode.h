#pragma once
// Display modes through XRandR, in place of the exclusive full-screen modes of old.
//
// The desktop mode found at start is put back at every way out of the game: the normal
// exit, a data error that reaches the top, a termination signal and a crash (see
// signals.h); only SIGKILL cannot be caught. Where a wanted size is not offered (Xvfb
// offers one size only, Wayland none) the screen stays as it is and one line on stderr
// says so; the caller then reads back the mode really in effect.

namespace platform {

struct VideoMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// The screen's current mode. The first call also remembers it as the desktop mode.
// Returns false when there is no X display at all.
bool queryCurrentMode(VideoMode& mode);

// Puts the screen into the wanted size; the colour depth cannot change under X and stays.
// Returns true when the screen now has the wanted size.
bool setMode(const VideoMode& wanted);

// Puts the desktop mode back if the game changed it. Idempotent, and safe enough to call
// from a signal handler: it uses its own connection and makes no allocation.
void restoreDesktopMode();

// True while the screen is in a mode the game set.
bool modeSwitched();

}  // namespace platform
