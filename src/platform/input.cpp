#include "platform/input.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "platform/window.h"

namespace platform {

namespace {

class XInput : public InputSource {
  public:
    CursorPosition cursor() override {
        Display* display = glXGetCurrentDisplay();
        Window window = glXGetCurrentDrawable();
        if (!display || !window) return {};
        Window root, child;
        int rootX = 0, rootY = 0, winX = 0, winY = 0;
        unsigned mask = 0;
        if (!XQueryPointer(display, window, &root, &child, &rootX, &rootY, &winX, &winY, &mask))
            return {};  // on another screen of the display
        return {winX, winY};
    }
    void setCursor(int x, int y) override {
        Display* display = glXGetCurrentDisplay();
        Window window = glXGetCurrentDrawable();
        if (!display || !window) return;
        XWarpPointer(display, None, window, 0, 0, 0, 0, x, y);
        // The motion the warp causes is queued before this returns, so the next pass over
        // the events delivers it, not some later frame.
        XSync(display, False);
    }
    bool held(ArrowKey key) override { return key == ArrowKey::Up ? up : down; }

    bool up = false;
    bool down = false;
};

FedInput fedInput;
XInput xInput;
InputSource* current = &fedInput;
bool confined = false;

// Focus events come on a connection of their own, so GLUT's event loop is left as it is.
// The two connections are not in step: a key press X sent before the focus went can reach
// GLUT's callbacks after this connection has seen the focus go. So after a FocusOut no key
// press counts until the FocusIn, and at the FocusIn the arrows are read from the keyboard
// as it is (a key pressed as the focus came back, whose press came first, is held).
Display* focusConnection = nullptr;
bool focused = true;
bool focusGone = false;  // a FocusOut came and no FocusIn since

void (*typedLetterHandler)(unsigned char) = nullptr;

bool arrowDown(Display* display, KeySym key) {
    char keys[32];
    XQueryKeymap(display, keys);
    const KeyCode code = XKeysymToKeycode(display, key);
    return code && (keys[code / 8] & (1 << (code % 8)));
}

// Whether the keyboard's events reach `window` now: it has the focus, or the focus follows
// the pointer and the pointer is in it.
bool hasFocusNow(Display* display, Window window) {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == window) return true;
    if (focus != PointerRoot) return false;
    // The pointer inside the window (a window manager's frame around it changes nothing).
    Window root, child;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned mask = 0;
    XWindowAttributes attributes;
    if (!XQueryPointer(display, window, &root, &child, &rootX, &rootY, &winX, &winY, &mask) ||
        !XGetWindowAttributes(display, window, &attributes))
        return false;
    return winX >= 0 && winY >= 0 && winX < attributes.width && winY < attributes.height;
}

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
    if (down && focusGone) return;
    if (glutKey == GLUT_KEY_UP) xInput.up = down;
    if (glutKey == GLUT_KEY_DOWN) xInput.down = down;
}

void setTypedLetterHandler(void (*handler)(unsigned char letter)) {
    typedLetterHandler = handler;
}

unsigned char windows1250OfPolishKeysym(unsigned long keysym) {
    struct Letter {
        unsigned long keysym;
        unsigned char windows1250;
    };
    static constexpr Letter letters[] = {
        {XK_aogonek, 0xB9}, {XK_Aogonek, 0xA5}, {XK_cacute, 0xE6}, {XK_Cacute, 0xC6},
        {XK_eogonek, 0xEA}, {XK_Eogonek, 0xCA}, {XK_lstroke, 0xB3}, {XK_Lstroke, 0xA3},
        {XK_nacute, 0xF1},  {XK_Nacute, 0xD1},  {XK_sacute, 0x9C}, {XK_Sacute, 0x8C},
        {XK_zacute, 0x9F},  {XK_Zacute, 0x8F},  {XK_zabovedot, 0xBF}, {XK_Zabovedot, 0xAF},
    };
    for (const Letter& letter : letters)
        if (letter.keysym == keysym) return letter.windows1250;
    return 0;
}

void releaseHeldKeys() {
    xInput.up = false;
    xInput.down = false;
}

bool steadyHeldKeys() {
    Display* display = glXGetCurrentDisplay();
    if (!display) return false;
    Bool supported = False;
    return XkbSetDetectableAutoRepeat(display, True, &supported) && supported;
}

bool pollWindowFocus() {
    const Window window = windowId();
    if (!window) return true;
    if (!focusConnection) {
        focusConnection = XOpenDisplay(nullptr);
        if (!focusConnection) return true;
        XSelectInput(focusConnection, window, FocusChangeMask | KeyPressMask);
        focused = hasFocusNow(focusConnection, window);
    }
    while (XPending(focusConnection)) {
        XEvent event;
        XNextEvent(focusConnection, &event);
        if (event.type == MappingNotify) {  // a new keyboard layout: look keys up in it
            XRefreshKeyboardMapping(&event.xmapping);
            continue;
        }
        if (event.type == KeyPress) {
            // Held keys repeat as presses, so a held letter repeats as GLUT's keys do.
            KeySym keysym = NoSymbol;
            char bytes[8];
            XLookupString(&event.xkey, bytes, sizeof bytes, &keysym, nullptr);
            const unsigned char letter = windows1250OfPolishKeysym(keysym);
            if (letter && !focusGone && typedLetterHandler) typedLetterHandler(letter);
            continue;
        }
        // Focus moving between the window and a window inside it changes nothing.
        if (event.xfocus.detail == NotifyInferior) continue;
        if (event.type == FocusOut) {
            focused = false;
            focusGone = true;
            releaseHeldKeys();
        } else if (event.type == FocusIn) {
            focused = true;
            if (focusGone) {
                focusGone = false;
                xInput.up = arrowDown(focusConnection, XK_Up);
                xInput.down = arrowDown(focusConnection, XK_Down);
            }
        }
    }
    return focused;
}

void flushWindowSystem() {
    if (Display* display = glXGetCurrentDisplay()) XFlush(display);
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
