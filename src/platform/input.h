#pragma once
// What the player does with the pointer and the arrow keys, from one source: the X server
// in normal play, or a source a test, a replay or the autopilot feeds instead. The flight
// code polls it every frame; nothing in the game reads the pointer or keys any other way.

namespace platform {

struct CursorPosition {
    int x = 0;
    int y = 0;
};

enum class ArrowKey { Up, Down };

class InputSource {
  public:
    virtual ~InputSource() = default;
    // The pointer in pixels from the game window's top-left corner (GetCursorPos, which the
    // game compared with the centre of a window that covered the screen at its origin).
    virtual CursorPosition cursor() = 0;
    // Moves the pointer, in the same pixels (SetCursorPos).
    virtual void setCursor(int x, int y) = 0;
    // True while the key is held down.
    virtual bool held(ArrowKey key) = 0;
};

// A source that holds what it is told: for tests, replays and the autopilot.
class FedInput : public InputSource {
  public:
    CursorPosition cursor() override { return cursor_; }
    void setCursor(int x, int y) override { cursor_ = {x, y}; }
    bool held(ArrowKey key) override { return key == ArrowKey::Up ? up_ : down_; }
    void setHeld(ArrowKey key, bool down) { (key == ArrowKey::Up ? up_ : down_) = down; }

  private:
    CursorPosition cursor_;
    bool up_ = false;
    bool down_ = false;
};

// The source in use; a FedInput until the window system's source is installed.
InputSource& input();
void setInputSource(InputSource* source);

// The window system's source: pointer from the X server, relative to the game window
// wherever it stands (a window of its own, or a monitor away from the screen's origin);
// arrow keys from GLUT's special and special-up callbacks.
InputSource& windowSystemInput();
void noteSpecialKey(int glutKey, bool down);

// Makes X's auto-repeat send only repeated presses of a held key, no release before each
// (detectable auto-repeat), so that typed keys repeat while an arrow key's held state
// stays steady. False where the server cannot: the caller then ignores key repeat.
bool steadyHeldKeys();

// Whether the game window has the keyboard focus, from the X server's focus events (polled
// once a frame, cheap when nothing changed). When the focus goes, every held key is let go:
// the window will never hear their release.
bool pollWindowFocus();

// The letters of a Polish keyboard that X sends as keysyms beyond Latin-1 (ą ć ę ł ń ś ź ż
// and their capitals) never reach GLUT's keyboard callback; the focus connection hears
// them. Each one typed since the last poll goes to `handler` as its Windows-1250 byte, the
// character set of the game's font and the progress file. Set by whoever takes typed keys.
void setTypedLetterHandler(void (*handler)(unsigned char letter));

// The Windows-1250 byte of one of those keysyms, or 0 for any other keysym.
unsigned char windows1250OfPolishKeysym(unsigned long keysym);

// Hides the system cursor over the game window (the menus draw their own pointer).
void hideSystemCursor();

// While playing with the focus, the pointer is held inside the game window so a second
// monitor cannot swallow it; in the menus, without the focus and while stopped it is free.
// Cheap to call every frame.
void confinePointer(bool confine);

// Lets go of every held key (the focus went, or the game is being stopped).
void releaseHeldKeys();

// Sends what is queued on the game window's connection to the X server now.
void flushWindowSystem();

}  // namespace platform
