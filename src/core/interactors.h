#pragma once
// Window-system events reach the game two ways: a fan-out that passes each event along a
// list of interactors until one stops it, and direct handlers that start-up registers for
// display, idle, passive motion and mouse buttons. The only interactor in the list is the
// forwarding one, whose keyboard pointer leads to the game's keyboard handler.

#include <list>

namespace glh {

class glut_interactor {
  public:
    virtual void display() {}
    virtual void idle() {}
    virtual void keyboard(unsigned char /*key*/, int /*x*/, int /*y*/) {}
    virtual void menuStatus(int /*status*/, int /*x*/, int /*y*/) {}
    virtual void motion(int /*x*/, int /*y*/) {}
    virtual void mouse(int /*button*/, int /*state*/, int /*x*/, int /*y*/) {}
    virtual void passiveMotion(int /*x*/, int /*y*/) {}
    virtual void reshape(int /*width*/, int /*height*/) {}
    virtual void special(int /*key*/, int /*x*/, int /*y*/) {}
    virtual void timer(int /*value*/) {}
    virtual void visibility(int /*state*/) {}
    virtual void enable() { enabled = true; }
    virtual void disable() { enabled = false; }
    virtual ~glut_interactor() = default;

    bool enabled = true;  // state of the object only: the fan-out does not look at it
};

}  // namespace glh

// Forwards each event to a plain function, when one is set.
class CallbackInteractor : public glh::glut_interactor {
  public:
    void (*displayFunc)() = nullptr;
    void (*idleFunc)() = nullptr;
    void (*keyboardFunc)(unsigned char, int, int) = nullptr;
    void (*menuStatusFunc)(int, int, int) = nullptr;
    void (*motionFunc)(int, int) = nullptr;
    void (*mouseFunc)(int, int, int, int) = nullptr;
    void (*passiveMotionFunc)(int, int) = nullptr;
    void (*reshapeFunc)(int, int) = nullptr;
    void (*specialFunc)(int, int, int) = nullptr;
    void (*timerFunc)(int) = nullptr;
    void (*visibilityFunc)(int) = nullptr;

    void display() override;
    void idle() override;
    void keyboard(unsigned char key, int x, int y) override;
    void menuStatus(int status, int x, int y) override;
    void motion(int x, int y) override;
    void mouse(int button, int state, int x, int y) override;
    void passiveMotion(int x, int y) override;
    void reshape(int width, int height) override;
    void special(int key, int x, int y) override;
    void timer(int value) override;
    void visibility(int state) override;
};

struct InteractorList {
    std::list<glh::glut_interactor*> items;  // not owned
    bool propagate = true;                   // an interactor clears it to stop an event
};

extern InteractorList interactorList;
extern CallbackInteractor callbackInteractor;

// Puts the interactor at the back (or front) of the list, once.
void addInteractor(glh::glut_interactor* interactor, bool atBack);

// The fan-out callbacks: each passes its event along the list.
void fanoutDisplay();
void fanoutKeyboard(unsigned char key, int x, int y);
void fanoutMenuStatus(int status, int x, int y);
void fanoutMotion(int x, int y);
void fanoutMouse(int button, int state, int x, int y);
void fanoutPassiveMotion(int x, int y);
void fanoutReshape(int width, int height);
void fanoutSpecial(int key, int x, int y);
void fanoutVisibility(int state);

// Registers the fan-out callbacks with GLUT (idle with none).
void registerFanout();
