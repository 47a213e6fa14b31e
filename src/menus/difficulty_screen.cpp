#include <utility>

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "game/progress_file.h"
#include "menus/menu_screens.h"
#include "menus/menus.h"
#include "menus/play_screens.h"

namespace glh {

DifficultyScreen::DifficultyScreen() : MenuScreen(loadedFlags.difficulty) {}

void DifficultyScreen::readTextures(int textureFilterMode) {
    loadTextureFile("MEN\\BMP_0\\menuonex.srm", backFace_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menutryy.srm", picture_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\poziom.srm", faces_, textureFilterMode);
}

void DifficultyScreen::deleteTextures() {
    backFace_.deleteTexture();
    picture_.deleteTexture();
    faces_.deleteTexture();
}

void DifficultyScreen::readLayout() {
    loadLayoutFile("MEN\\DAT\\menutryb.mex", lists_, LayoutFit::backdrops);
    buttons.setAll(hoverOutside);
}

void DifficultyScreen::deleteLayout() {
    for (auto& list : lists_) list.deleteList();
}

void DifficultyScreen::draw() {
    inOverlay([this] {
        bindBackdrop(menu_one.background);
        lists_[difficultyMenu::backgroundList].callList();
        picture_.bind();
        lists_[difficultyMenu::pictureList].callList();
        faces_.bind();
        for (int k = 0; k < 3; ++k)
            drawLitOrPlain(lists_[difficultyMenu::firstDifficultyList + k], buttons.lit(k + 1));
        backFace_.bind();
        if (buttons.under(difficultyMenu::back)) glColor3fv(underPointerTint);
        lists_[difficultyMenu::backList].callList();
        glColor3f(1, 1, 1);
    });
}

void DifficultyScreen::onHover(float mx, float my) {
    chime(buttons.hover(mx, my));
}

void DifficultyScreen::onClick() {
    const int button = buttons.clicked();
    if (button < 0) return;
    if (button == difficultyMenu::back) {
        freeTextures();
        freeLayout();
        buttons.setAll(hoverOutside);
        returnToMainMenu();
        return;
    }
    if (medium.currentLevel != 0 && !kept_) kept_ = TableOfPlay{medium.difficulty, tabwyn};
    medium.screen = ScreenLevelChoice;
    medium.difficulty = button;
    readProgressForPlay(tabwyn, button);
    buttons.setAll(hoverOutside);
    menu_zrec.loadTextures();
    menu_zrec.loadLayout();
    menu_zrec.buttons.setFromFlags(tabwyn.unlocked);
    if (menuFlow().redraw) menuFlow().redraw();
}

void DifficultyScreen::putBackTableOfPlay() {
    if (!kept_) return;
    medium.difficulty = kept_->difficulty;
    tabwyn = std::move(kept_->table);
    kept_.reset();
}

DifficultyScreen menu_try;

}  // namespace glh
