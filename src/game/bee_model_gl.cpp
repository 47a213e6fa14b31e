#include <GL/gl.h>

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "core/game_state.h"
#include "game/bee_model.h"

namespace glh {

void BeeModel::loadTextures(int textureFilterMode) {
    if (loadedFlags.bee.textures) return;
    loadTextureFile("MOD\\BMP_0\\u1.srm", body_, textureFilterMode);
    loadTextureFile("MOD\\BMP_0\\g1.srm", head_, textureFilterMode);
    loadTextureFile("MOD\\BMP_0\\wiadro.srm", bucket_, textureFilterMode);
    loadedFlags.bee.textures = true;
}

void BeeModel::freeTextures() {
    if (!loadedFlags.bee.textures) return;
    body_.deleteTexture();
    head_.deleteTexture();
    bucket_.deleteTexture();
    loadedFlags.bee.textures = false;
}

void BeeModel::loadModel() {
    if (loadedFlags.bee.model) return;
    loadSceneModel("MOD\\DATA\\oxa.wkx", placementLists_, meshLists_);
    loadedFlags.bee.model = true;
}

void BeeModel::freeModel() {
    if (!loadedFlags.bee.model) return;
    for (auto& list : placementLists_) list.deleteList();
    for (auto& list : meshLists_) list.deleteList();
    loadedFlags.bee.model = false;
}

void BeeModel::drawBody() {
    head_.bind();
    placementLists_[6].callList();
    bucket_.bind();
    placementLists_[18].callList();
    body_.bind();
    for (int object : {0, 1, 3, 4, 5, 7}) placementLists_[object].callList();
    for (int object = 9; object <= 17; ++object) placementLists_[object].callList();
    // The wings hinge at the shoulders, with the body texture still bound.
    glPushMatrix();
    glTranslatef(-0.00831261f, 0.06971754f, 0.0141403f);
    glRotatef(static_cast<float>(-animation.wingAngle), 1, 0, 1);
    placementLists_[2].callList();
    glPopMatrix();
    glPushMatrix();
    glTranslatef(0.008570594f, 0.06971754f, 0.014140307f);
    glRotatef(static_cast<float>(-animation.wingAngle), 1, 0, -1);
    placementLists_[8].callList();
    glPopMatrix();
}

void BeeModel::draw(float pitch, float bank, float cameraDistance, float beeScale) {
    glPushMatrix();
    glTranslatef(0, pitch * 3, -cameraDistance);
    glRotatef(-30, 1, 0, 0);
    glRotatef(pitch * 1500, -1, 0, 0);
    glRotatef(bank * 20, 0, -3, 12);
    glScalef(beeScale, beeScale, beeScale);
    if (animation.spinDirection != 0) glRotatef(static_cast<float>(animation.spinAngle), 0, 1, 0);
    // A creature's hit sends her head over heels twice, turning in the picture's plane.
    if (animation.tumbling) glRotatef(static_cast<float>(animation.tumbleAngle), 0, 0, 1);
    drawBody();
    glPopMatrix();
}

}  // namespace glh
