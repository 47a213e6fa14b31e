#include <GL/gl.h>

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "core/game_state.h"
#include "game/butterflies.h"
#include "game/dragonflies.h"
#include "game/fish_pond.h"

namespace glh {

namespace {

// A body along z (head towards -z) with a wing to each side hinged on its long axis:
// object 2 turned up by the wing angle, object 1 mirrored.
void drawWinged(float x, float y, float z, float yaw, float wingAngle, tex_object_2D& texture,
                display_list (&lists)[3]) {
    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(yaw, 0, 1, 0);
    texture.bind();
    lists[0].callList();
    glRotatef(wingAngle, 0, 0, 1);
    lists[2].callList();
    glRotatef(-2 * wingAngle, 0, 0, 1);
    lists[1].callList();
    glPopMatrix();
}

void drawSplash(const WaterPoint& at, const SplashSize& size, display_list& list) {
    if (size.across == 0) return;  // gone; a flat one still shows its ripple ring
    glPushMatrix();
    glTranslatef(at.x, at.y, at.z);
    glScalef(size.across, size.up, size.across);
    list.callList();
    glPopMatrix();
}

}  // namespace

void Butterflies::loadTextures(int textureFilterMode) {
    if (loadedFlags.butterflies.textures) return;
    loadTextureFile("MOD\\BMP_0\\motyl.srm", texture_, textureFilterMode);
    loadedFlags.butterflies.textures = true;
}

void Butterflies::freeTextures() {
    if (!loadedFlags.butterflies.textures) return;
    texture_.deleteTexture();
    loadedFlags.butterflies.textures = false;
}

void Butterflies::loadModel() {
    if (loadedFlags.butterflies.model) return;
    loadObjectModel("MOD\\DATA\\MOTYL.wkx", lists_);
    loadedFlags.butterflies.model = true;
}

void Butterflies::freeModel() {
    if (!loadedFlags.butterflies.model) return;
    for (auto& list : lists_) list.deleteList();
    loadedFlags.butterflies.model = false;
}

void Butterflies::draw() {
    if (!loadedFlags.butterflies.model) return;
    for (const Butterfly& b : butterflies)
        drawWinged(b.x, b.y, b.z, b.yaw, b.wingAngle, texture_, lists_);
}

void Dragonflies::loadTextures(int textureFilterMode) {
    if (loadedFlags.dragonflies.textures) return;
    loadTextureFile("MOD\\BMP_0\\wazka.srm", texture_, textureFilterMode);
    loadedFlags.dragonflies.textures = true;
}

void Dragonflies::freeTextures() {
    if (!loadedFlags.dragonflies.textures) return;
    texture_.deleteTexture();
    loadedFlags.dragonflies.textures = false;
}

void Dragonflies::loadModel() {
    if (loadedFlags.dragonflies.model) return;
    loadObjectModel("MOD\\DATA\\wazka.wkx", lists_);
    loadedFlags.dragonflies.model = true;
}

void Dragonflies::freeModel() {
    if (!loadedFlags.dragonflies.model) return;
    for (auto& list : lists_) list.deleteList();
    loadedFlags.dragonflies.model = false;
}

void Dragonflies::draw() {
    if (!loadedFlags.dragonflies.model) return;
    for (const Dragonfly& d : dragonflies)
        drawWinged(d.x, d.y, d.z, d.yaw, d.wingAngle, texture_, lists_);
}

void FishPond::loadTextures(int textureFilterMode) {
    if (loadedFlags.fish.textures) return;
    loadTextureFile("MOD\\BMP_0\\rybka.srm", fishTexture_, textureFilterMode);
    loadTextureFile("MOD\\BMP_0\\plusk.srm", splashTexture_, textureFilterMode);
    loadedFlags.fish.textures = true;
}

void FishPond::freeTextures() {
    if (!loadedFlags.fish.textures) return;
    fishTexture_.deleteTexture();
    splashTexture_.deleteTexture();
    loadedFlags.fish.textures = false;
}

void FishPond::loadModel() {
    if (loadedFlags.fish.model) return;
    loadObjectModel("MOD\\DATA\\rybka.wkx", fishList_);
    loadObjectModel("MOD\\DATA\\plusk.wkx", splashList_);
    loadedFlags.fish.model = true;
}

void FishPond::freeModel() {
    if (!loadedFlags.fish.model) return;
    fishList_[0].deleteList();
    splashList_[0].deleteList();
    loadedFlags.fish.model = false;
}

void FishPond::draw() {
    if (!loadedFlags.fish.model) return;
    for (const Fish& f : fish) {
        if (f.visible()) {
            glPushMatrix();
            fishTexture_.bind();
            glTranslatef(f.centreX, f.waterY, f.centreZ);
            glRotatef(f.direction, 0, 1, 0);
            glScalef(f.scale, f.scale, f.scale);
            glRotatef(90 - f.arcAngle, 0, 0, 1);
            glTranslatef(0, f.radius, 0);
            fishList_[0].callList();
            glPopMatrix();
        }
        splashTexture_.bind();
        drawSplash(f.start, f.startSplash, splashList_[0]);
        drawSplash(f.end, f.endSplash, splashList_[0]);
    }
}

}  // namespace glh
