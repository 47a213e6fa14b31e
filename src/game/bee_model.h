#pragma once
// `glh::gl_oxa_model`: the drawable bee (body, bucket, wings) and her animation.

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/bee_animation.h"

namespace glh {

class BeeModel {
  public:
    static constexpr int objectCount = 20;

    // Guarded by the bee's loaded flags: loading twice loads once.
    void loadTextures(int textureFilterMode);
    void freeTextures();
    void loadModel();
    void freeModel();

    // Draws the bee in eye space: in front of the camera, tilted with the flight's pitch
    // and bank, scaled by the stage's bee scale.
    void draw(float pitch, float bank, float cameraDistance, float beeScale);

    BeeAnimation animation;

  private:
    void drawBody();

    tex_object_2D body_;    // u1
    tex_object_2D head_;    // g1
    tex_object_2D bucket_;  // wiadro
    display_list placementLists_[objectCount];
    display_list meshLists_[objectCount];
};

extern BeeModel gl_oxa_model;

}  // namespace glh
