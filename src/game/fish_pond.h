#pragma once
// `glh::rybka_tx`: the stage's fish and what they are drawn with: "MOD\BMP_0\rybka.srm" with
// "MOD\DATA\rybka.wkx" (the fish) and "MOD\BMP_0\plusk.srm" with "MOD\DATA\plusk.wkx" (a
// splash). Freed with the stage; each fish's two sounds are released when the next
// stage's fish are made.

#include <vector>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/fish.h"

namespace glh {

class FishPond {
  public:
    // Guarded by the fish's loaded flags.
    void loadTextures(int textureFilterMode);
    void freeTextures();
    void loadModel();
    void freeModel();

    // Each fish on its half circle while it shows, then its two splashes at their sizes;
    // in world space. Nothing while the models are not loaded.
    void draw();

    std::vector<Fish> fish;  // created at each stage start

  private:
    tex_object_2D fishTexture_;    // rybka
    tex_object_2D splashTexture_;  // plusk
    display_list fishList_[1];
    display_list splashList_[1];
};

extern FishPond rybka_tx;

}  // namespace glh
