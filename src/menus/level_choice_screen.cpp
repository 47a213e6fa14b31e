#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "game/progress_file.h"
#include "menus/menu_screens.h"
#include "menus/menus.h"
#include "menus/play_screens.h"

namespace glh {

namespace {
constexpr float lockedColour[3] = {0.627f, 0.313f, 0};
constexpr float availableColour[3] = {0.7f, 0.7f, 0.7f};
constexpr float backUnderPointer[3] = {1, 0.992f, 0.729f};

void colourOf(int state) {
    if (state == LevelButtons::underPointer)
        glColor3f(1, 1, 1);
    else
        glColor3fv(state == LevelButtons::available ? availableColour : lockedColour);
}
}  // namespace

LevelChoiceScreen::LevelChoiceScreen() : MenuScreen(loadedFlags.levelChoice) {}

void LevelChoiceScreen::readTextures(int textureFilterMode) {
    loadTextureFile("MEN\\BMP_0\\menuonex.srm", backFace_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menuzrec.srm", levels_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menueduk.srm", lastLevel_, textureFilterMode);
}

void LevelChoiceScreen::deleteTextures() {
    backFace_.deleteTexture();
    levels_.deleteTexture();
    lastLevel_.deleteTexture();
}

void LevelChoiceScreen::readLayout() {
    loadLayoutFile("MEN\\DAT\\metrybzr.mex", lists_, LayoutFit::backdrops);
    buttons.setFromFlags(tabwyn.unlocked);
}

void LevelChoiceScreen::deleteLayout() {
    for (auto& list : lists_) list.deleteList();
}

void LevelChoiceScreen::draw() {
    inOverlay([this] {
        bindBackdrop(menu_one.background);
        lists_[levelMenu::backgroundList].callList();
        levels_.bind();
        for (int level : {2, 3, 4, 1, 5, 9, 8, 7, 6}) {
            colourOf(buttons.state(level - 1));
            lists_[levelMenu::levelLists[static_cast<size_t>(level - 1)]].callList();
        }
        lastLevel_.bind();
        colourOf(buttons.state(9));
        lists_[levelMenu::levelLists[9]].callList();
        backFace_.bind();
        if (buttons.state(levelMenu::backButton) == LevelButtons::available)
            glColor3f(1, 1, 1);
        else
            glColor3fv(backUnderPointer);
        lists_[levelMenu::backList].callList();
        glColor3f(1, 1, 1);
    });
}

void LevelChoiceScreen::onHover(float mx, float my) {
    chime(buttons.hover(mx, my));
}

void LevelChoiceScreen::onClick() {
    const int choice = buttons.clicked();
    if (choice < 0) return;
    if (choice == 0) {
        freeTextures();
        freeLayout();
        medium.screen = ScreenDifficulty;
        buttons.setFromFlags(tabwyn.unlocked);
        if (menuFlow().redraw) menuFlow().redraw();
        return;
    }
    freeAllMenus();
    // A level chosen here begins a new game: its running total starts from 0, and the
    // difficulty and table chosen are the ones of play. A level that cannot start leaves
    // the game in progress, its total and its table, as they were.
    if (!menuFlow().startLevel(choice)) return;
    opera.total = 0;
    menu_try.forgetTableOfPlay();
}

LevelChoiceScreen menu_zrec;

}  // namespace glh
