#pragma once
// `glh::spritte_tx`: the stage's nectar sprites and the glow they are drawn with.

#include <vector>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/nectar.h"

namespace glh {

class NectarSprites {
  public:
    static constexpr int objectCount = 2;

    // Guarded by the sprites' loaded flags.
    void loadTextures(int textureFilterMode);
    void freeTextures();
    void loadModel();
    void freeModel();

    // Each sprite with nectar left, standing 0.3 above its flower with its glow shifted
    // by its flash; in world space (the caller applies the camera). Nothing while the model
    // is not loaded.
    void draw();

    // The 30 ms tick; returns the water's pulse.
    float tick() { return spriteTick(sprites, pulsePhase); }

    std::vector<NectarSprite> sprites;  // created at each stage start
    float pulsePhase = 0;

  private:
    tex_object_2D texture_;  // sp
    display_list lists_[objectCount];
};

extern NectarSprites spritte_tx;

}  // namespace glh
