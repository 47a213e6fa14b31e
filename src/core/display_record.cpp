#include "core/display_record.h"

#include <GL/freeglut.h>

#include <cstdio>

#include "assets/text_lines.h"
#include "core/main_loop.h"
#include "core/projection.h"
#include "menus/menu_pointer.h"
#include "platform/data_paths.h"
#include "platform/display_mode.h"
#include "platform/input.h"
#include "platform/signals.h"
#include "platform/window.h"

void DisplayRecord::queryMode() {
    platform::VideoMode mode;
    if (windowedMode && platform::windowOpen()) {
        // A window of its own: the game's screen is the window.
        width = platform::windowWidth();
        height = platform::windowHeight();
    } else if (platform::queryCurrentMode(mode)) {
        width = mode.width;
        height = mode.height;
        bitsPerPixel = mode.bitsPerPixel;
    }
    setCentre();
}

void DisplayRecord::readScreenModeFile() {
    const char* name = "STA\\sta_scr.mtt";
    auto bytes = readDataFile(name);
    if (!bytes) {
        std::fprintf(stderr, "oxa: %s is missing; keeping the desktop display mode\n", name);
        return;
    }
    auto lines = splitLines(*bytes);
    int32_t values[4];
    for (int i = 0; i < 4; ++i) {
        auto value = i < static_cast<int>(lines.size()) ? numericField(lines[i]) : std::nullopt;
        if (!value) {
            std::fprintf(stderr, "oxa: %s:%d: not a number; keeping the desktop display mode\n",
                         displayName(name).c_str(), i + 1);
            return;
        }
        values[i] = truncateToInt(*value);
    }
    if (values[0] != 1) return;
    // No screen has a mode without pixels, and a window cannot be larger than the screen
    // it stands on (the window system refuses it, and the game would end before it began).
    if (values[1] <= 0 || values[2] <= 0 ||
        (windowedMode && (values[1] > width || values[2] > height))) {
        std::fprintf(stderr,
                     "oxa: %s: a mode of %d x %d does not fit the screen's %d x %d; keeping the "
                     "desktop display mode\n",
                     displayName(name).c_str(), values[1], values[2], width, height);
        return;
    }
    width = values[1];
    height = values[2];
    bitsPerPixel = values[3];
}

void DisplayRecord::takeScreen() {
    // From here on the game is responsible for the screen: whatever ends the process puts
    // the desktop mode back.
    platform::installSignalHandlers();
}

void DisplayRecord::switchMode(const DisplayRecord& wanted) {
    int w = wanted.width;
    int h = wanted.height;
    menuPointer.x = static_cast<float>(w / 2);
    menuPointer.y = static_cast<float>(h / 2);
    platform::ScreenArea area;
    if (!windowedMode) {
        platform::setMode({w, h, wanted.bitsPerPixel});
        // Where the mode was not offered the window fills the game's monitor as it is.
        area = platform::gameArea();
        w = area.width;
        h = area.height;
        // Onto the game's monitor first, so that a window manager makes it full screen there.
        platform::placeWindow(area.x, area.y);
    }
    // The pointer at the window's centre, where the flight reads "no turn, no climb" (the
    // window's own, as the mode may not have been offered). Warped before the events are
    // processed below, so the menus, not the flight, hear of the move.
    platform::input().setCursor(w / 2, h / 2);
    glViewport(0, 0, w, h);
    if (!windowedMode) glutFullScreen();
    projection.aspect = static_cast<float>(w) / static_cast<float>(h);
    glutReshapeWindow(w, h);
    glutMainLoopEvent();
    // Switched again while running, GLUT gives its full-screen window the size it had
    // before: the window takes the mode's size here.
    if (!windowedMode) {
        platform::placeWindow(area.x, area.y, w, h);
        glutMainLoopEvent();
    }
    loadMenuPointer();
    drawOneFrame();
}

void DisplayRecord::restoreMode() {
    platform::restoreDesktopMode();
}
