#pragma once
// `glh::motyl_tx`: the stage's butterflies and what they are drawn with: "MOD\BMP_0\motyl.srm"
// and "MOD\DATA\MOTYL.wkx" (object 0 the body, 1 and 2 the wings). Freed with the stage.

#include <vector>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/butterfly.h"

namespace glh {

class Butterflies {
  public:
    static constexpr int objectCount = 3;

    // Guarded by the butterflies' loaded flags.
    void loadTextures(int textureFilterMode);
    void freeTextures();
    void loadModel();
    void freeModel();

    // Every butterfly at its place and yaw, its wings at their angle; in world space.
    // Nothing while the model is not loaded.
    void draw();

    std::vector<Butterfly> butterflies;  // created at each stage start

  private:
    tex_object_2D texture_;  // motyl
    display_list lists_[objectCount];
};

extern Butterflies motyl_tx;

}  // namespace glh
