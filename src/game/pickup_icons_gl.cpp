#include <GL/gl.h>

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "core/game_state.h"
#include "game/pickup_icons.h"

namespace glh {

void PickupIcons::loadTextures(int textureFilterMode) {
    if (loadedFlags.icons.textures) return;
    loadTextureFile("MOD\\BMP_0\\ikonki.srm", texture_, textureFilterMode);
    loadedFlags.icons.textures = true;
}

void PickupIcons::freeTextures() {
    if (!loadedFlags.icons.textures) return;
    texture_.deleteTexture();
    loadedFlags.icons.textures = false;
}

void PickupIcons::loadModel() {
    if (loadedFlags.icons.model) return;
    loadObjectModel("MOD\\DATA\\ikony.wkx", lists_);
    loadedFlags.icons.model = true;
}

void PickupIcons::freeModel() {
    if (!loadedFlags.icons.model) return;
    for (auto& list : lists_) list.deleteList();
    loadedFlags.icons.model = false;
}

void PickupIcons::draw() {
    if (!loadedFlags.icons.model) return;
    for (const PickupIcon& icon : icons) {
        const int type = static_cast<int>(icon.type);
        if (icon.active == 0 || type < 0 || type >= objectCount) continue;
        glPushMatrix();
        glTranslatef(icon.x, icon.y, icon.z);
        glRotatef(motion.spinAngle, 0, 1, 0);
        glScalef(0.5f, 0.5f, 0.5f);
        texture_.bind();
        lists_[type].callList();
        glPopMatrix();
    }
}

}  // namespace glh
