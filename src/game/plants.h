#pragma once
// `glh::gl_rosli`: the stage's tufts and grass, four kinds on free cells of the placement
// map, compiled once per stage start. Decoration only.

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/field_placement.h"

namespace glh {

class Plants {
  public:
    // Guarded by the plants' loaded flags; freeing the model frees the compiled plants too.
    void loadTextures(int textureFilterMode);
    void freeTextures();
    void loadModel();
    void freeModel();

    // Places and compiles one list per kind. The lists hold no texture: each kind's
    // texture is bound when drawn, so reloading the textures leaves them intact.
    void build(const std::array<int, plantKinds>& counts, const PlacementMap& map,
               RandomGenerator& random);
    void draw();  // nothing while the model is not loaded

  private:
    tex_object_2D& kindTexture(int kind);

    tex_object_2D kepa_, kepa1_, trawa1_;
    display_list shapes_[plantKinds];
    display_list kinds_[plantKinds];
};

extern Plants gl_rosli;

}  // namespace glh
