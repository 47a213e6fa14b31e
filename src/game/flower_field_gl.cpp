#include <GL/gl.h>

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "core/game_state.h"
#include "game/flower_field.h"

namespace glh {

void FlowerField::loadTextures(int textureFilterMode) {
    if (loadedFlags.flowers.textures) return;
    loadTextureFile("MOD\\BMP_0\\kwiat1.srm", textures_[0], textureFilterMode);
    loadTextureFile("MOD\\BMP_0\\kwiat2.srm", textures_[1], textureFilterMode);
    loadTextureFile("MOD\\BMP_0\\kwiat3.srm", textures_[2], textureFilterMode);
    loadedFlags.flowers.textures = true;
}

void FlowerField::freeTextures() {
    if (!loadedFlags.flowers.textures) return;
    for (auto& texture : textures_) texture.deleteTexture();
    loadedFlags.flowers.textures = false;
}

void FlowerField::loadModel() {
    if (loadedFlags.flowers.model) return;
    loadObjectModel("MOD\\DATA\\kwiata.wkx", shapes_);
    loadedFlags.flowers.model = true;
}

void FlowerField::freeModel() {
    if (!loadedFlags.flowers.model) return;
    for (auto& list : shapes_) list.deleteList();
    for (auto& list : field_) list.deleteList();
    loadedFlags.flowers.model = false;
}

void FlowerField::build(int groups, const PlacementMap& map, RandomGenerator& random,
                        std::span<NectarSprite> sprites) {
    const auto flowers = placeFlowers(groups, map, random, sprites);
    for (int texture = 0; texture < textureCount; ++texture) {
        field_[texture].newList(GL_COMPILE);
        glPushMatrix();
        glTranslatef(-20, 0, -20);
        for (const FlowerSpot& flower : flowers) {
            if (flower.texture != texture) continue;
            glPushMatrix();
            glTranslatef(static_cast<float>(flower.column) * placementCellSize, 0,
                         static_cast<float>(flower.row) * placementCellSize);
            glRotatef(static_cast<float>(flower.turnDegrees), 0, 1, 0);
            shapes_[flower.shape].callList();
            glPopMatrix();
        }
        glPopMatrix();
        field_[texture].endList();
    }
}

void FlowerField::draw() {
    if (!loadedFlags.flowers.model) return;
    for (int texture = 0; texture < textureCount; ++texture) {
        textures_[texture].bind();
        field_[texture].callList();
    }
}

}  // namespace glh
