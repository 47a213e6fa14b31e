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
    // The pointer in screen pixels (GetCursorPos).
    virtual CursorPosition cursor() = 0;
    // Moves the pointer (SetCursorPos).
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

// The window system's source: pointer from the X server, arrow keys from GLUT's special
// and special-up callbacks (with key repeat ignored, so a held key stays held).
InputSource& windowSystemInput();
void noteSpecialKey(int glutKey, bool down);

// Hides the system cursor over the game window (the menus draw their own pointer).
void hideSystemCursor();

// While playing, the pointer is held inside the game window so a second monitor cannot
// swallow it; in the menus it is free. Cheap to call every frame.
void confinePointer(bool confine);

}  // namespace platform
