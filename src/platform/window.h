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

// Moves the game window's top-left corner to (x, y) on the X screen: the game's monitor,
// which need not be at the screen's origin (without a window manager a full-screen window
// would otherwise sit at (1, 1) of the whole screen).
void placeWindow(int x, int y);
// The same, and the window's size: a switch while the game runs, where GLUT would give the
// full-screen window back the size it had before.
void placeWindow(int x, int y, int width, int height);

// The game window's X id, 0 before it exists.
unsigned long windowId();

// X errors that end the game end it with one line and status 1 (the exit puts the display
// back): the game window destroyed by another program, the connection to the X server
// lost, a request the server refused.
void reportFatalXErrors();

}  // namespace platform
