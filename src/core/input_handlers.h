#pragma once
// The game's own handlers of keys, pointer motion and mouse buttons.

void gameKeyboard(unsigned char key, int x, int y);
void gamePassiveMotion(int x, int y);
void gameMouse(int button, int state, int x, int y);

// Pointer position in window pixels to menu units (80 x 60, origin bottom left) in the 4:3
// box of the display mode's size (not the window's), held at the box's edges.
void toMenuUnits(int x, int y, float& mx, float& my);
