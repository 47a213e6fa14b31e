#pragma once
// `ekran`: the display mode the game uses and the desktop mode it found at start-up.
// Menus and the flight read the width, height and centre from it.

#include <cstdint>

struct DisplayRecord {
    int32_t width = 0, height = 0, bitsPerPixel = 0;
    int32_t savedWidth = 0, savedHeight = 0, savedBitsPerPixel = 0;
    float centreX = 0, centreY = 0;

    // Reads the screen's current mode into width, height and bitsPerPixel.
    void queryMode();
    // Reads "STA\sta_scr.mtt": when its first line is 1 the next three lines give the
    // wanted width, height and bits per pixel. A missing file, a line that is not a number,
    // a width or height of 0 or less, or (in a window) one larger than the desktop mode
    // read before keeps the desktop mode, with a one-line warning.
    void readScreenModeFile();
    // Makes the window the game's full-screen window.
    void takeScreen();
    // Puts the screen and window into the mode held by `wanted`.
    static void switchMode(const DisplayRecord& wanted);
    // Puts the desktop mode back.
    void restoreMode();

    void setCentre() {
        centreX = static_cast<float>(width / 2);
        centreY = static_cast<float>(height / 2);
    }
};

extern DisplayRecord ekran;

// Set by --windowed: a window of the mode's size, the display is never switched.
extern bool windowedMode;
