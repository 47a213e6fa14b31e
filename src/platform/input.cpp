#include "platform/input.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include "platform/window.h"

namespace platform {

namespace {

class XInput : public InputSource {
  public:
    CursorPosition cursor() override {
        Display* display = glXGetCurrentDisplay();
        if (!display) return {};
        Window root, child;
        int rootX = 0, rootY = 0, winX = 0, winY = 0;
        unsigned mask = 0;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &winX,
                      &winY, &mask);
        return {rootX, rootY};
    }
    void setCursor(int x, int y) override {
        Display* display = glXGetCurrentDisplay();
        if (!display) return;
        XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, x, y);
        XFlush(display);
    }
    bool held(ArrowKey key) override { return key == ArrowKey::Up ? up : down; }

    bool up = false;
    bool down = false;
};

FedInput fedInput;
XInput xInput;
InputSource* current = &fedInput;
bool confined = false;

}  // namespace

InputSource& input() {
    return *current;
}
void setInputSource(InputSource* source) {
    current = source ? source : &fedInput;
}
InputSource& windowSystemInput() {
    return xInput;
}

void noteSpecialKey(int glutKey, bool down) {
    if (glutKey == GLUT_KEY_UP) xInput.up = down;
    if (glutKey == GLUT_KEY_DOWN) xInput.down = down;
}

void hideSystemCursor() {
    if (windowOpen()) glutSetCursor(GLUT_CURSOR_NONE);
}

void confinePointer(bool confine) {
    if (confine == confined || !windowOpen()) return;
    Display* display = glXGetCurrentDisplay();
    Window window = glXGetCurrentDrawable();
    if (!display || !window) return;
    if (confine) {
        // Owner events keep GLUT's callbacks flowing while the grab holds the pointer in.
        int result = XGrabPointer(display, window, True,
                                  PointerMotionMask | ButtonPressMask | ButtonReleaseMask,
                                  GrabModeAsync, GrabModeAsync, window, None, CurrentTime);
        if (result != GrabSuccess) return;  // try again next frame
    } else {
        XUngrabPointer(display, CurrentTime);
    }
    XFlush(display);
    confined = confine;
}

}  // namespace platform
