#include "platform/window.h"

#include <GL/freeglut.h>

#include "platform/scheduler.h"

namespace platform {

namespace {
bool open = false;

void glutBackend(unsigned delayMs, TimerFunc func, int value) {
    glutTimerFunc(delayMs, func, value);
}
}  // namespace

bool windowOpen() {
    return open;
}
void setWindowOpen(bool isOpen) {
    open = isOpen;
}

void postRedisplay() {
    if (open) glutPostRedisplay();
}

int windowWidth() {
    return open ? glutGet(GLUT_WINDOW_WIDTH) : 0;
}
int windowHeight() {
    return open ? glutGet(GLUT_WINDOW_HEIGHT) : 0;
}

void useGlutTimers() {
    scheduler().setRealBackend(glutBackend);
}

}  // namespace platform

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/display_mode.h"

namespace platform {

void placeWindow(int x, int y) {
    Display* display = glXGetCurrentDisplay();
    Window window = glXGetCurrentDrawable();
    if (!display || !window) return;
    XMoveWindow(display, window, x, y);
    XFlush(display);
}

void placeWindow(int x, int y, int width, int height) {
    Display* display = glXGetCurrentDisplay();
    Window window = glXGetCurrentDrawable();
    if (!display || !window || width <= 0 || height <= 0) return;
    XMoveResizeWindow(display, window, x, y, static_cast<unsigned>(width),
                      static_cast<unsigned>(height));
    XFlush(display);
}

unsigned long windowId() {
    return open ? glXGetCurrentDrawable() : 0;
}

namespace {

// Called with the window connection's lock held, so nothing may run that needs it: not
// the exit handlers (the window system's closes that connection). The display is put back
// on a connection of its own, and the process ends here.
[[noreturn]] void leaveAfterXError(const char* why) {
    std::fprintf(stderr, "oxa: %s\n", why);
    std::fflush(stdout);
    finishDisplay();
    _exit(1);
}

int onXError(Display* display, XErrorEvent* event) {
    if ((event->error_code == BadWindow || event->error_code == BadDrawable) &&
        event->resourceid == windowId())
        leaveAfterXError("the game window was closed by another program");
    char text[160] = "";
    XGetErrorText(display, event->error_code, text, sizeof text);
    char line[256];
    std::snprintf(line, sizeof line, "the X server refused a request (%s, request %d.%d)", text,
                  event->request_code, event->minor_code);
    leaveAfterXError(line);
}

int onXConnectionLost(Display*) {
    leaveAfterXError("the connection to the X server was lost");
}

}  // namespace

void reportFatalXErrors() {
    XSetErrorHandler(onXError);
    XSetIOErrorHandler(onXConnectionLost);
}

}  // namespace platform
