#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "menus/menu_screens.h"
#include "menus/menus.h"

namespace glh {

QuitQuestion::QuitQuestion() : MenuScreen(loadedFlags.quit) {}

void QuitQuestion::readTextures(int textureFilterMode) {
    loadTextureFile("MEN\\BMP_0\\menuzaky.srm", plain_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menuzakx.srm", lit_, textureFilterMode);
}

void QuitQuestion::deleteTextures() {
    plain_.deleteTexture();
    lit_.deleteTexture();
}

void QuitQuestion::readLayout() {
    loadLayoutFile("MEN\\DAT\\menuko.mex", lists_, LayoutFit::backdrops);
    buttons.setAll(0);
}

void QuitQuestion::deleteLayout() {
    for (auto& list : lists_) list.deleteList();
}

void QuitQuestion::draw() {
    inOverlay([this] {
        plain_.bind();
        lists_[quitMenu::dialogList].callList();
        (buttons.lit(quitMenu::yes) ? lit_ : plain_).bind();
        lists_[quitMenu::yesList].callList();
        (buttons.lit(quitMenu::no) ? lit_ : plain_).bind();
        lists_[quitMenu::noList].callList();
    });
}

void QuitQuestion::onHover(float mx, float my) {
    chime(buttons.hover(mx, my));
}

void QuitQuestion::onClick() {
    switch (buttons.clicked()) {
        case quitMenu::yes:
            menuFlow().quit();
            return;
        case quitMenu::no:
            // The question stays loaded for the next time.
            medium.screen = ScreenMainMenu;
            buttons.setAll(0);
            returnToMainMenu();
            return;
        default:
            return;
    }
}

}  // namespace glh
