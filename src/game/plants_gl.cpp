#include <GL/gl.h>

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "core/game_state.h"
#include "game/plants.h"

namespace glh {

void Plants::loadTextures(int textureFilterMode) {
    if (loadedFlags.plants.textures) return;
    loadTextureFile("MOD\\BMP_0\\kepa.srm", kepa_, textureFilterMode);
    loadTextureFile("MOD\\BMP_0\\kepa1.srm", kepa1_, textureFilterMode);
    loadTextureFile("MOD\\BMP_0\\trawa1.srm", trawa1_, textureFilterMode);
    loadedFlags.plants.textures = true;
}

void Plants::freeTextures() {
    if (!loadedFlags.plants.textures) return;
    kepa_.deleteTexture();
    kepa1_.deleteTexture();
    trawa1_.deleteTexture();
    loadedFlags.plants.textures = false;
}

void Plants::loadModel() {
    if (loadedFlags.plants.model) return;
    loadObjectModel("MOD\\DATA\\rosli.wkx", shapes_);
    loadedFlags.plants.model = true;
}

void Plants::freeModel() {
    if (!loadedFlags.plants.model) return;
    for (auto& list : shapes_) list.deleteList();
    for (auto& list : kinds_) list.deleteList();
    loadedFlags.plants.model = false;
}

tex_object_2D& Plants::kindTexture(int kind) {
    switch (kind) {
        case 1:
            return kepa_;
        case 3:
            return trawa1_;
        default:
            return kepa1_;
    }
}

void Plants::build(const std::array<int, plantKinds>& counts, const PlacementMap& map,
                   RandomGenerator& random) {
    const auto plants = placePlants(counts, map, random);
    for (int kind = 0; kind < plantKinds; ++kind) {
        kinds_[kind].newList(GL_COMPILE);
        for (const PlantSpot& plant : plants[static_cast<size_t>(kind)]) {
            glPushMatrix();
            glTranslatef(plant.x, 0, plant.z);
            glRotatef(static_cast<float>(plant.turnDegrees), 0, 1, 0);
            shapes_[kind].callList();
            glPopMatrix();
        }
        kinds_[kind].endList();
    }
}

void Plants::draw() {
    if (!loadedFlags.plants.model) return;
    for (int kind = 0; kind < plantKinds; ++kind) {
        kindTexture(kind).bind();
        kinds_[kind].callList();
    }
}

}  // namespace glh
