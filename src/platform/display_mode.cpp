#include "platform/display_mode.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

// A connection of our own: the restore must work whatever state GLUT's connection is in.
Display* connection = nullptr;
bool haveRandr = false;
bool desktopKnown = false;
bool switched = false;
// Prepared for the restore, refreshed after every switch (RandR refuses a stale config).
XRRScreenConfiguration* config = nullptr;
SizeID desktopSize = 0;
Rotation desktopRotation = RR_Rotate_0;
short desktopRate = 0;

bool connect() {
    if (connection) return true;
    connection = XOpenDisplay(nullptr);
    if (!connection) return false;
    int eventBase = 0, errorBase = 0;
    haveRandr = XRRQueryExtension(connection, &eventBase, &errorBase);
    return true;
}

void refreshConfig() {
    if (!haveRandr) return;
    if (config) XRRFreeScreenConfigInfo(config);
    config = XRRGetScreenInfo(connection, DefaultRootWindow(connection));
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

}  // namespace

bool queryCurrentMode(VideoMode& mode) {
    if (!connect()) return false;
    int screen = DefaultScreen(connection);
    mode.width = DisplayWidth(connection, screen);
    mode.height = DisplayHeight(connection, screen);
    mode.bitsPerPixel = bitsPerPixelOfDepth(DefaultDepth(connection, screen));
    if (haveRandr) {
        refreshConfig();
        if (config) {
            Rotation rotation = RR_Rotate_0;
            SizeID current = XRRConfigCurrentConfiguration(config, &rotation);
            int count = 0;
            XRRScreenSize* sizes = XRRConfigSizes(config, &count);
            if (current < count) {
                mode.width = sizes[current].width;
                mode.height = sizes[current].height;
            }
            if (!desktopKnown) {
                desktopSize = current;
                desktopRotation = rotation;
                desktopRate = XRRConfigCurrentRate(config);
            }
        }
    }
    desktopKnown = true;
    return true;
}

bool setMode(const VideoMode& wanted) {
    VideoMode current;
    if (!queryCurrentMode(current)) return false;
    if (wanted.bitsPerPixel != current.bitsPerPixel)
        std::fprintf(stderr, "oxa: the colour depth stays at %d bits (X cannot change it to %d)\n",
                     current.bitsPerPixel, wanted.bitsPerPixel);
    if (wanted.width == current.width && wanted.height == current.height) return true;
    if (haveRandr && config) {
        int count = 0;
        XRRScreenSize* sizes = XRRConfigSizes(config, &count);
        for (int i = 0; i < count; ++i) {
            if (sizes[i].width != wanted.width || sizes[i].height != wanted.height) continue;
            Status status =
                XRRSetScreenConfig(connection, config, DefaultRootWindow(connection),
                                   static_cast<SizeID>(i), desktopRotation, CurrentTime);
            XSync(connection, False);
            refreshConfig();
            if (status == RRSetConfigSuccess) {
                switched = i != desktopSize;
                static bool restoreAtExit = false;
                if (switched && !restoreAtExit)
                    restoreAtExit = std::atexit(restoreDesktopMode) == 0;
                return true;
            }
            break;
        }
    }
    std::fprintf(stderr, "oxa: the display does not offer %dx%d; staying at %dx%d\n", wanted.width,
                 wanted.height, current.width, current.height);
    return false;
}

void restoreDesktopMode() {
    if (!switched || !connection || !config) return;
    switched = false;
    XRRSetScreenConfigAndRate(connection, config, DefaultRootWindow(connection), desktopSize,
                              desktopRotation, desktopRate, CurrentTime);
    XSync(connection, False);
}

bool modeSwitched() {
    return switched;
}

}  // namespace platform
