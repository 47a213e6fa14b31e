#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "menus/menu_screens.h"
#include "menus/menus.h"

namespace glh {

void PageScreen::onHover(float mx, float my) {
    chime(buttons.hover(mx, my));
}

void PageScreen::readLayout() {
    loadLayoutFile("MEN\\DAT\\menuste.mex", lists_, LayoutFit::backdrops);
    buttons.setAll(hoverOutside);
}

void PageScreen::deleteLayout() {
    for (auto& list : lists_) list.deleteList();
}

void PageScreen::drawPage(tex_object_2D& page) {
    inOverlay([&] {
        bindBackdrop(page);
        lists_[pageMenu::pageList].callList();
        buttonFace_.bind();
        if (buttons.under(0)) glColor3fv(underPointerTint);
        lists_[pageMenu::buttonList].callList();
    });
}

void PageScreen::leave() {
    freeTextures();
    freeLayout();
    buttons.setAll(hoverOutside);
    returnToMainMenu();
}

ControlsPages::ControlsPages() : PageScreen(loadedFlags.controls) {}

void ControlsPages::readTextures(int textureFilterMode) {
    loadTextureFile("MEN\\BMP_0\\sterowanie.srm", controls_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menuonex.srm", buttonFace_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\help.srm", help_, textureFilterMode);
}

void ControlsPages::deleteTextures() {
    controls_.deleteTexture();
    buttonFace_.deleteTexture();
    help_.deleteTexture();
}

void ControlsPages::readLayout() {
    PageScreen::readLayout();
    pageCounter = 0;
}

void ControlsPages::draw() {
    drawPage(pageCounter == 0 ? controls_ : help_);
}

void ControlsPages::onClick() {
    if (buttons.clicked() != 0) return;
    if (pageCounter < 2) {
        ++pageCounter;
        return;
    }
    pageCounter = 0;
    leave();
}

CreditsPage::CreditsPage() : PageScreen(loadedFlags.credits) {}

void CreditsPage::readTextures(int textureFilterMode) {
    loadTextureFile("MEN\\BMP_0\\autorzy.srm", credits_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menuonex.srm", buttonFace_, textureFilterMode);
}

void CreditsPage::deleteTextures() {
    credits_.deleteTexture();
    buttonFace_.deleteTexture();
}

void CreditsPage::draw() {
    drawPage(credits_);
}

void CreditsPage::onClick() {
    if (buttons.clicked() == 0) leave();
}

}  // namespace glh
