#include <string>

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "game/game_font.h"
#include "game/kontrol.h"
#include "game/stage_end.h"
#include "menus/menus.h"
#include "menus/score_screens.h"

namespace glh {

SummaryScreen::SummaryScreen() : MenuScreen(loadedFlags.summary) {}

void SummaryScreen::readTextures(int textureFilterMode) {
    loadTextureFile("MEN\\BMP_0\\menupods.srm", pictures_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menuonez.srm", background_, textureFilterMode);
    gl_fonty.loadTextures(textureFilterMode);
}

void SummaryScreen::deleteTextures() {
    pictures_.deleteTexture();
    background_.deleteTexture();
    if (!loadedFlags.results.textures) gl_fonty.freeTextures();
}

void SummaryScreen::readLayout() {
    loadLayoutFile("MEN\\DAT\\menupod.mex", lists_, LayoutFit::backdrops);
    gl_fonty.buildGlyphs();
    buttons.setAll(hoverOutside);
}

void SummaryScreen::deleteLayout() {
    for (auto& list : lists_) list.deleteList();
    if (!loadedFlags.results.model) gl_fonty.freeGlyphs();
}

void SummaryScreen::draw() {
    inOverlay([this] {
        bindBackdrop(background_);
        lists_[summaryMenu::backgroundList].callList();
        pictures_.bind();
        for (int k = 0; k < 4; ++k) lists_[summaryMenu::firstPictureList + k].callList();
        if (buttons.under(0)) glColor3f(0.9f, 1, 0);
        lists_[summaryMenu::buttonList].callList();
        glColor3f(1, 1, 1);
    });
    const int scores[3] = {kontrol.lastScore.nectarPoints, kontrol.lastScore.timeBonus,
                           opera.total};
    for (int k = 0; k < 3; ++k)
        gl_fonty.drawText(summaryMenu::scoreX, summaryMenu::scoreRows[k], std::to_string(scores[k]));
}

void SummaryScreen::onHover(float mx, float my) {
    chime(buttons.hover(mx, my));
}

void SummaryScreen::onClick() {
    if (!buttons.under(0)) return;
    switch (kontrol.resultCode) {
        case resultNextLevel:
            menuFlow().startLevel(kontrol.nextLevel);
            return;
        case resultBestScores:
            buttons.setAll(hoverOutside);
            showRecords();
            return;
        default:
            buttons.setAll(hoverOutside);
            returnToMainMenu();
            return;
    }
}

SummaryScreen menu_pod;

}  // namespace glh

void showSummary() {
    glh::menu_pod.loadTextures();
    glh::menu_pod.loadLayout();
    medium.screen = ScreenSummary;
}
