#pragma once
// The few window-system calls the game logic makes, safe to call before a window exists
// (they then do nothing), so rules of play and menus can be tested without one.

namespace platform {

// True once the GLUT window has been created.
bool windowOpen();
void setWindowOpen(bool open);

void postRedisplay();
int windowWidth();
int windowHeight();

// Routes the scheduler's normal-mode timers to glutTimerFunc.
void useGlutTimers();

}  // namespace platform

namespace platform {

// Moves the game window to the screen's top-left corner (without a window manager a
// full-screen window would otherwise sit at (1, 1)).
void placeWindowAtOrigin();

// The game window's X id, 0 before it exists.
unsigned long windowId();

}  // namespace platform
