#include "core/interactors.h"

#include <GL/freeglut.h>

#include <algorithm>

void CallbackInteractor::display() {
    if (displayFunc) displayFunc();
}
void CallbackInteractor::idle() {
    if (idleFunc) idleFunc();
}
void CallbackInteractor::keyboard(unsigned char key, int x, int y) {
    if (keyboardFunc) keyboardFunc(key, x, y);
}
void CallbackInteractor::menuStatus(int status, int x, int y) {
    if (menuStatusFunc) menuStatusFunc(status, x, y);
}
void CallbackInteractor::motion(int x, int y) {
    if (motionFunc) motionFunc(x, y);
}
void CallbackInteractor::mouse(int button, int state, int x, int y) {
    if (mouseFunc) mouseFunc(button, state, x, y);
}
void CallbackInteractor::passiveMotion(int x, int y) {
    if (passiveMotionFunc) passiveMotionFunc(x, y);
}
void CallbackInteractor::reshape(int width, int height) {
    if (reshapeFunc) reshapeFunc(width, height);
}
void CallbackInteractor::special(int key, int x, int y) {
    if (specialFunc) specialFunc(key, x, y);
}
void CallbackInteractor::timer(int value) {
    if (timerFunc) timerFunc(value);
}
void CallbackInteractor::visibility(int state) {
    if (visibilityFunc) visibilityFunc(state);
}

void addInteractor(glh::glut_interactor* interactor, bool atBack) {
    auto& items = interactorList.items;
    items.erase(std::remove(items.begin(), items.end(), interactor), items.end());
    if (atBack)
        items.push_back(interactor);
    else
        items.push_front(interactor);
}

namespace {

template <typename Call>
void fanOut(Call call) {
    interactorList.propagate = true;
    for (auto it = interactorList.items.begin();
         it != interactorList.items.end() && interactorList.propagate; ++it)
        call(**it);
}

}  // namespace

void fanoutDisplay() {
    fanOut([](glh::glut_interactor& i) { i.display(); });
}
void fanoutKeyboard(unsigned char key, int x, int y) {
    fanOut([=](glh::glut_interactor& i) { i.keyboard(key, x, y); });
}
void fanoutMenuStatus(int status, int x, int y) {
    fanOut([=](glh::glut_interactor& i) { i.menuStatus(status, x, y); });
}
void fanoutMotion(int x, int y) {
    fanOut([=](glh::glut_interactor& i) { i.motion(x, y); });
}
void fanoutMouse(int button, int state, int x, int y) {
    fanOut([=](glh::glut_interactor& i) { i.mouse(button, state, x, y); });
}
void fanoutPassiveMotion(int x, int y) {
    fanOut([=](glh::glut_interactor& i) { i.passiveMotion(x, y); });
}
void fanoutReshape(int width, int height) {
    // The picture fills the window as it is now: the menus draw in whatever viewport they
    // find, and a window smaller than the desktop would otherwise show them cropped at the
    // desktop's scale.
    glViewport(0, 0, width, height);
    fanOut([=](glh::glut_interactor& i) { i.reshape(width, height); });
}
void fanoutSpecial(int key, int x, int y) {
    fanOut([=](glh::glut_interactor& i) { i.special(key, x, y); });
}
void fanoutVisibility(int state) {
    fanOut([=](glh::glut_interactor& i) { i.visibility(state); });
}

void registerFanout() {
    glutDisplayFunc(fanoutDisplay);
    glutIdleFunc(nullptr);
    glutKeyboardFunc(fanoutKeyboard);
    glutMenuStatusFunc(fanoutMenuStatus);
    glutMotionFunc(fanoutMotion);
    glutMouseFunc(fanoutMouse);
    glutPassiveMotionFunc(fanoutPassiveMotion);
    glutReshapeFunc(fanoutReshape);
    glutSpecialFunc(fanoutSpecial);
    glutVisibilityFunc(fanoutVisibility);
}
