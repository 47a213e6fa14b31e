#pragma once
// The GLUT callbacks of the main loop and the game's self-re-arming timers.

#include <string>

void display();
void idle();
void housekeepingTick(int value);

// The timers of the other parts of the game, each re-arming itself first.
void iconSpinTick(int value);
void gameClockTick(int value);
void spriteTick(int value);
void dragonflyTick(int value);
void butterflyTick(int value);
void beeAnimationTick(int value);

// Starts every timer's chain: housekeeping first, then the other six in their order.
void startTimers();

// What the display callback draws while playing (screen 0): a running level by default;
// the scene viewer draws its own frame instead.
void setFrameDrawer(void (*drawer)());

// Draws one frame at once (the level start and the screens do this between events).
void drawOneFrame();

// Text in window pixels from the bottom left, in the window system's Times Roman 24.
void drawScreenText(int x, int y, const std::string& text);

// --screenshot FILE --frames N: frame N is written to FILE and the game exits.
void requestScreenshot(const std::string& path, int frame);

// Frames drawn since start-up.
long framesDrawn();
