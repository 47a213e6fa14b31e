#pragma once
// `glh::wazka_tx`: the stage's dragonflies and what they are drawn with: "MOD\BMP_0\wazka.srm"
// and "MOD\DATA\wazka.wkx" (object 0 the body, 1 and 2 the wings). Once loaded they stay
// for the life of the process.

#include <vector>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/dragonfly.h"

namespace glh {

class Dragonflies {
  public:
    static constexpr int objectCount = 3;

    // Guarded by the dragonflies' loaded flags.
    void loadTextures(int textureFilterMode);
    void freeTextures();
    void loadModel();
    void freeModel();

    // Every dragonfly at its place and yaw, its wings at their angle; in world space.
    // Nothing while the model is not loaded.
    void draw();

    std::vector<Dragonfly> dragonflies;  // created at each stage start that has any
    DragonflyFlock flock;

  private:
    tex_object_2D texture_;  // wazka
    display_list lists_[objectCount];
};

extern Dragonflies wazka_tx;

}  // namespace glh
