#pragma once
// `glh::ikony_tx`: the stage's pickup icons (clocks, speed icons, flower markers), their
// shared bob and spin, and the speed boost's counter.

#include <span>
#include <vector>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/icon_rules.h"

namespace glh {

class PickupIcons {
  public:
    static constexpr int objectCount = 3;  // clock, speed icon, flower marker

    // Guarded by the icons' loaded flags; the icons' assets stay for the whole process.
    void loadTextures(int textureFilterMode);
    void freeTextures();
    void loadModel();
    void freeModel();

    // Every active icon, bobbing and spinning, half size; in world space. Nothing while the
    // model is not loaded.
    void draw();

    void tick() { iconTick(icons, motion); }

    std::vector<PickupIcon> icons;  // laid out at each stage start
    IconMotion motion;
    int bonusSeconds = 0;  // seconds left of a speed boost

  private:
    tex_object_2D texture_;  // ikonki
    display_list lists_[objectCount];
};

extern PickupIcons ikony_tx;

}  // namespace glh
