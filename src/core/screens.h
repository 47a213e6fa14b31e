#pragma once
// What each screen does with the display and the pointer. The menu screens fill in their
// entries when they are built; a screen without an entry gets nothing (the loading screen
// takes no pointer input, for example).

#include "core/game_state.h"

struct ScreenHandlers {
    void (*draw)() = nullptr;
    // Screens 1 to 6 take the pointer in menu units as floats, 9 to 12 as whole numbers.
    void (*hover)(float mx, float my) = nullptr;
    void (*hoverWhole)(int mx, int my) = nullptr;
    void (*click)(int button, int state, int x, int y) = nullptr;
};

extern ScreenHandlers screenHandlers[screenCount];

// The handlers of the current screen, or none for a value out of range.
const ScreenHandlers* currentScreenHandlers();
