#include "menus/menus.h"

#include <array>

#include "core/screens.h"
#include "menus/menu_pointer.h"
#include "menus/menu_screens.h"
#include "menus/play_screens.h"
#include "menus/score_screens.h"
#include "menus/settings_screen.h"

namespace {

MenuFlow flow;

// Every menu screen in the order the game frees and reloads them: main menu, settings,
// difficulty, quit, level choice, summary, results, controls, credits. The
// difficulty, level choice, summary and results screens take their places here.
const std::array<glh::MenuScreen*, 9> menusInOrder = {
    &glh::menu_one, &glh::menu_ust, &glh::menu_try, &glh::menu_ko,  &glh::menu_zrec,
    &glh::menu_pod, &glh::menu_wyn, &glh::menu_ste, &glh::menu_aut};

// Table entries for a screen: screens 1 to 6 hear the pointer in menu units as floats, 9 to
// 12 in whole units.
template <auto& screen>
ScreenHandlers floatPointerScreen() {
    return {[] { screen.draw(); }, [](float mx, float my) { screen.onHover(mx, my); }, nullptr,
            [](int, int, int, int) { screen.onClick(); }};
}

template <auto& screen>
ScreenHandlers wholePointerScreen() {
    return {[] { screen.draw(); }, nullptr,
            [](int mx, int my) { screen.onHover(static_cast<float>(mx), static_cast<float>(my)); },
            [](int, int, int, int) { screen.onClick(); }};
}

}  // namespace

void connectMenus(const MenuFlow& menuFlow) {
    flow = menuFlow;
    screenHandlers[ScreenMainMenu] = floatPointerScreen<glh::menu_one>();
    // The quit question is drawn over the whole main menu.
    screenHandlers[ScreenQuit] = floatPointerScreen<glh::menu_ko>();
    screenHandlers[ScreenQuit].draw = [] {
        glh::menu_one.draw();
        glh::menu_ko.draw();
    };
    screenHandlers[ScreenSettings] = floatPointerScreen<glh::menu_ust>();
    screenHandlers[ScreenControls] = wholePointerScreen<glh::menu_ste>();
    screenHandlers[ScreenCredits] = wholePointerScreen<glh::menu_aut>();
    screenHandlers[ScreenDifficulty] = floatPointerScreen<glh::menu_try>();
    screenHandlers[ScreenLevelChoice] = floatPointerScreen<glh::menu_zrec>();
    screenHandlers[ScreenLoading].draw = drawLoadingPicture;
    screenHandlers[ScreenSummary] = wholePointerScreen<glh::menu_pod>();
    screenHandlers[ScreenResults] = wholePointerScreen<glh::menu_wyn>();
}

const MenuFlow& menuFlow() {
    return flow;
}

void loadMainMenu() {
    glh::menu_one.loadLayout();
    glh::menu_one.loadTextures();
    loadMenuPointer();
}

void returnToMainMenu() {
    medium.screen = ScreenMainMenu;
    glh::menu_one.loadLayout();
    glh::menu_one.loadTextures();
    if (flow.redraw) flow.redraw();
}

void freeAllMenus() {
    for (glh::MenuScreen* screen : menusInOrder) {
        screen->freeTextures();
        screen->freeLayout();
    }
}

void freeAllMenuTextures() {
    for (glh::MenuScreen* screen : menusInOrder) screen->freeTextures();
}

void freeAllMenuLayouts() {
    for (glh::MenuScreen* screen : menusInOrder) screen->freeLayout();
}

void refitMenuLayouts() {
    for (glh::MenuScreen* screen : menusInOrder) screen->refitLayout();
    refitLoadingAndCountdown();
}

void reloadMenuTextures() {
    for (glh::MenuScreen* screen : menusInOrder) {
        if (!screen->texturesLoaded()) continue;
        screen->freeTextures();
        screen->loadTextures();
    }
}
