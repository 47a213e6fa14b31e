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

namespace platform {

void placeWindowAtOrigin() {
    Display* display = glXGetCurrentDisplay();
    Window window = glXGetCurrentDrawable();
    if (!display || !window) return;
    XMoveWindow(display, window, 0, 0);
    XFlush(display);
}

unsigned long windowId() {
    return open ? glXGetCurrentDrawable() : 0;
}

}  // namespace platform
