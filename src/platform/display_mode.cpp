#include "platform/display_mode.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/display_layout.h"
#include "platform/display_watchdog.h"
#include "platform/randr_layout.h"

namespace platform {

namespace {

// A connection of our own: the restore must work whatever state GLUT's connection is in.
Display* connection = nullptr;
bool haveLayouts = false;
bool desktopKnown = false;
DisplayLayout desktop;                 // as found at start
std::optional<size_t> gameCrtcIndex;  // the game's monitor in `desktop`
bool switched = false;
bool restoreFailed = false;

bool connect() {
    if (connection) return true;
    connection = XOpenDisplay(nullptr);
    if (!connection) return false;
    haveLayouts = randrLayoutsAvailable(connection);
    return true;
}

int bitsPerPixelOfDepth(int depth) {
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(connection, &count);
    int bits = depth;
    for (int i = 0; i < count; ++i)
        if (formats[i].depth == depth) bits = formats[i].bits_per_pixel;
    if (formats) XFree(formats);
    return bits;
}

void rememberDesktop() {
    if (desktopKnown) return;
    desktopKnown = true;
    RandrId primary = 0;
    if (haveLayouts && readLayout(connection, desktop, &primary))
        gameCrtcIndex = gameCrtc(desktop, primary);
}

// The game's monitor as it is now.
std::optional<CrtcLayout> gameMonitorNow() {
    if (!haveLayouts || !gameCrtcIndex) return std::nullopt;
    DisplayLayout now;
    if (!readLayout(connection, now)) return std::nullopt;
    const CrtcLayout* crtc = now.crtc(desktop.crtcs[*gameCrtcIndex].crtc);
    if (!crtc || !crtc->on()) return std::nullopt;
    return *crtc;
}

void say(const std::string& line) {
    std::fprintf(stderr, "oxa: %s\n", line.c_str());
}

std::string sizeText(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace

bool queryCurrentMode(VideoMode& mode) {
    if (!connect()) return false;
    rememberDesktop();
    const int screen = DefaultScreen(connection);
    mode.bitsPerPixel = bitsPerPixelOfDepth(DefaultDepth(connection, screen));
    if (auto monitor = gameMonitorNow()) {
        mode.width = monitor->width;
        mode.height = monitor->height;
        return true;
    }
    const ScreenArea area = gameArea();
    mode.width = area.width;
    mode.height = area.height;
    return true;
}

ScreenArea gameArea() {
    if (!connect()) return {};
    if (auto monitor = gameMonitorNow()) return {monitor->x, monitor->y, monitor->width, monitor->height};
    // No RandR: the whole screen, read fresh from the root window.
    Window root = 0;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    XGetGeometry(connection, DefaultRootWindow(connection), &root, &x, &y, &width, &height,
                 &border, &depth);
    return {0, 0, static_cast<int>(width), static_cast<int>(height)};
}

bool setMode(const VideoMode& wanted) {
    VideoMode current;
    if (!queryCurrentMode(current)) return false;
    if (wanted.bitsPerPixel != current.bitsPerPixel)
        say("the colour depth stays at " + std::to_string(current.bitsPerPixel) +
            " bits (X cannot change it to " + std::to_string(wanted.bitsPerPixel) + ")");
    if (wanted.width == current.width && wanted.height == current.height) return true;
    const std::string staying = "; staying at " + sizeText(current.width, current.height);
    if (!haveLayouts || !gameCrtcIndex) {
        say(std::string("the display cannot switch modes (") +
            (haveLayouts ? "no monitor is on" : "no RandR 1.3") + ")" + staying);
        return false;
    }
    const CrtcLayout& game = desktop.crtcs[*gameCrtcIndex];
    auto mode = pickMode(offeredModes(connection, game), wanted.width, wanted.height,
                         modeRefresh(connection, game.mode));
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    screenSizeRange(connection, minWidth, minHeight, maxWidth, maxHeight);
    std::optional<DisplayLayout> target;
    if (mode) target = switchedLayout(desktop, *gameCrtcIndex, *mode, minWidth, minHeight);
    if (!target || target->width > maxWidth || target->height > maxHeight) {
        say("the display does not offer " + sizeText(wanted.width, wanted.height) + staying);
        return false;
    }
    if (sameLayout(*target, desktop)) {
        restoreDesktopMode();
        return true;
    }
    // Before the first switch: whatever ends the process from here on, the desktop comes back.
    static bool guarded = false;
    if (!guarded) {
        guarded = true;
        startDisplayWatchdog(desktop);
        std::atexit(finishDisplay);
    }
    switched = true;
    DisplayLayout reached;
    if (applyLayout(connection, *target) && readLayout(connection, reached) &&
        sameLayout(reached, *target))
        return true;
    restoreDesktopMode();
    say("the display refused " + sizeText(wanted.width, wanted.height) + staying);
    return false;
}

void restoreDesktopMode() {
    if (!switched || !connection) return;
    switched = false;
    std::string failure;
    if (restoreLayout(connection, desktop, failure) == RestoreResult::Failed) {
        restoreFailed = true;
        say(failure);
    }
}

bool modeSwitched() {
    return switched;
}

void finishDisplay() {
    restoreDesktopMode();
    // The watchdog ends at once on the word that all is well, or restores what we could not.
    dismissDisplayWatchdog(!restoreFailed);
}

}  // namespace platform
