#include <GL/gl.h>

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "core/game_state.h"
#include "game/nectar_sprites.h"

namespace glh {

void NectarSprites::loadTextures(int textureFilterMode) {
    if (loadedFlags.sprites.textures) return;
    loadTextureFile("MOD\\BMP_0\\sp.srm", texture_, textureFilterMode);
    loadedFlags.sprites.textures = true;
}

void NectarSprites::freeTextures() {
    if (!loadedFlags.sprites.textures) return;
    texture_.deleteTexture();
    loadedFlags.sprites.textures = false;
}

void NectarSprites::loadModel() {
    if (loadedFlags.sprites.model) return;
    loadObjectModel("MOD\\DATA\\SPRIT.wkx", lists_);
    loadedFlags.sprites.model = true;
}

void NectarSprites::freeModel() {
    if (!loadedFlags.sprites.model) return;
    for (auto& list : lists_) list.deleteList();
    loadedFlags.sprites.model = false;
}

void NectarSprites::draw() {
    if (!loadedFlags.sprites.model) return;
    for (const NectarSprite& sprite : sprites) {
        if (sprite.amount == 0) continue;
        glPushMatrix();
        glTranslatef(sprite.x, 0.3f, sprite.z);
        glMatrixMode(GL_TEXTURE);
        glTranslatef(0, sprite.flash, 0);
        glMatrixMode(GL_MODELVIEW);
        texture_.bind();
        lists_[0].callList();
        lists_[1].callList();
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
    }
}

}  // namespace glh
