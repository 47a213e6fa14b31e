#include "menus/menu_screen.h"

#include "__SNG/sound_table.h"

namespace glh {

void MenuScreen::loadTextures() {
    if (flags_.textures) return;
    readTextures(medium.textureFilterMode);
    flags_.textures = true;
}

void MenuScreen::freeTextures() {
    if (!flags_.textures) return;
    deleteTextures();
    flags_.textures = false;
}

void MenuScreen::loadLayout() {
    if (flags_.model) return;
    readLayout();
    flags_.model = true;
}

void MenuScreen::freeLayout() {
    if (!flags_.model) return;
    deleteLayout();
    flags_.model = false;
}

void MenuScreen::refitLayout() {
    if (!flags_.model) return;
    deleteLayout();
    readLayout();
}

void bindBackdrop(tex_object_2D& picture) {
    picture.bind();
    picture.parameter(GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    picture.parameter(GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

void chime(int buttonsEntered) {
    for (int k = 0; k < buttonsEntered; ++k) playEffect(SlotHover);
}

void drawLitOrPlain(const display_list& list, bool lit) {
    if (!lit) {
        list.callList();
        return;
    }
    glMatrixMode(GL_TEXTURE);
    glTranslatef(0.5f, 0, 0);
    list.callList();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace glh
