#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "menus/menu_pointer.h"
#include "menus/menu_screens.h"
#include "menus/menus.h"
#include "menus/play_screens.h"
#include "menus/settings_screen.h"
#include "platform/input.h"

namespace glh {

namespace {

// Loads a screen that the main menu opens and makes it current.
void open(MenuScreen& screen, Screen number) {
    screen.loadTextures();
    screen.loadLayout();
    medium.screen = number;
}

}  // namespace

MainMenu::MainMenu() : MenuScreen(loadedFlags.mainMenu) {}

void MainMenu::readTextures(int textureFilterMode) {
    loadTextureFile("MEN\\BMP_0\\menuonez.srm", background, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menuonex.srm", buttonLit, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menuoney.srm", buttonPlain, textureFilterMode);
}

void MainMenu::deleteTextures() {
    background.deleteTexture();
    buttonLit.deleteTexture();
    buttonPlain.deleteTexture();
}

void MainMenu::readLayout() {
    loadLayoutFile("MEN\\DAT\\menuone.mex", lists_, LayoutFit::backdrops);
    buttons.setAll(0);
}

void MainMenu::deleteLayout() {
    for (auto& list : lists_) list.deleteList();
}

void MainMenu::draw() {
    inOverlay([this] {
        bindBackdrop(background);
        lists_[mainMenu::backgroundList].callList();
        for (int k = 0; k < mainMenu::buttonCount; ++k) {
            (buttons.lit(k) ? buttonLit : buttonPlain).bind();
            lists_[mainMenu::firstButtonList + k].callList();
        }
    });
}

void MainMenu::onHover(float mx, float my) {
    chime(buttons.hover(mx, my));
}

void MainMenu::onClick() {
    switch (buttons.clicked()) {
        case mainMenu::newGame:
            open(menu_try, ScreenDifficulty);
            break;
        case mainMenu::continueGame:
            if (medium.currentLevel == 0) return;  // no level in progress
            buttons.setAll(0);
            menu_try.putBackTableOfPlay();
            menuFlow().resumeLevel();
            return;
        case mainMenu::settings:
            open(menu_ust, ScreenSettings);
            break;
        case mainMenu::controls:
            open(menu_ste, ScreenControls);
            break;
        case mainMenu::records:
            buttons.setAll(0);
            showRecords();
            return;
        case mainMenu::credits:
            open(menu_aut, ScreenCredits);
            break;
        case mainMenu::quit:
            open(menu_ko, ScreenQuit);
            break;
        default:
            return;
    }
    buttons.setAll(0);
}

void MainMenu::loadPointer() {
    loadTextureFile("PUL\\BMP_0\\kursor.srm", pointerTexture_, medium.textureFilterMode);
    pointerList_.newList(GL_COMPILE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    // Three coordinates, as the layout files' lists have: one vertex format for the menus
    // (on Mesa's software renderer each format costs a vertex shader on its first use).
    glTexCoord2f(0, 0);
    glVertex3f(0, 0, 0);
    glTexCoord2f(1, 0);
    glVertex3f(5, 0, 0);
    glTexCoord2f(1, 1);
    glVertex3f(5, 5, 0);
    glTexCoord2f(0, 1);
    glVertex3f(0, 5, 0);
    glEnd();
    glDisable(GL_BLEND);
    pointerList_.endList();
    // Loading the pointer has always left blending on; the first list that blends turns it
    // off again.
    glEnable(GL_BLEND);
}

void MainMenu::drawPointer() {
    platform::hideSystemCursor();
    // A pointer wholly off the 80 x 60 screen (where a mode switch leaves it, at the window's
    // centre in pixels, until the pointer first moves) draws no pixel. Its quad is not sent:
    // on Mesa's software renderer its state alone would cost a shader on the first frame
    // that shows it, the loading picture of a level started with --level. The list's other
    // effects stay: blending off, the blend function, the last texture coordinate.
    const bool offScreen = menuPointer.x + 3 < 0 || menuPointer.x - 2 > 80 ||
                           menuPointer.y + 1 < 0 || menuPointer.y - 4 > 60;
    inOverlay([this, offScreen] {
        glTranslatef(menuPointer.x - 2, menuPointer.y - 4, 0);
        pointerTexture_.bind();
        if (!offScreen) {
            pointerList_.callList();
            return;
        }
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glTexCoord2f(0, 1);
        glDisable(GL_BLEND);
    });
}

}  // namespace glh

void loadMenuPointer() {
    glh::menu_one.loadPointer();
}

void drawMenuPointer() {
    glh::menu_one.drawPointer();
}
