#pragma once
// `glh::gl_kwiata`: the stage's flower field, groups of six flowers on free cells of the
// placement map, compiled once per stage start.

#include <span>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/field_placement.h"

namespace glh {

class FlowerField {
  public:
    static constexpr int shapeCount = 6;
    static constexpr int textureCount = 3;

    // Guarded by the flowers' loaded flags; freeing the model frees the field too.
    void loadTextures(int textureFilterMode);
    void freeTextures();
    void loadModel();
    void freeModel();

    // Places the flowers (and the sprites on them) and compiles the field. The field is
    // kept as one list per texture, bound when drawn, so reloading the textures (the
    // settings screen during a level) leaves the field intact.
    void build(int groups, const PlacementMap& map, RandomGenerator& random,
               std::span<NectarSprite> sprites);
    void draw();  // nothing while the model is not loaded

  private:
    tex_object_2D textures_[textureCount];  // kwiat1, kwiat2, kwiat3
    display_list shapes_[shapeCount];
    display_list field_[textureCount];
};

extern FlowerField gl_kwiata;

}  // namespace glh
