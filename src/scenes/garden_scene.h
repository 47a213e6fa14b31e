#pragma once
// A garden scene: the static world of a level. One class, driven by its entry of the
// garden table: the texture slots it loads, the scene model it compiles and the order in
// which it binds slots and calls objects, with the animated water and the exit.

#include <memory>
#include <vector>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "core/game_state.h"
#include "scenes/draw_order.h"
#include "scenes/garden_table.h"
#include "scenes/scene_culling.h"

namespace glh {

class GardenScene {
  public:
    GardenScene(int sceneNumber, AssetFlags& flags);

    void loadTextures();
    void freeTextures();
    void loadModel();
    void freeModel();
    // Draws the scene under the current camera; only a loaded model draws. Placements wholly
    // outside the view are left out; the objects go in the order of sceneDrawOrder.
    void draw();

    int sceneNumber() const { return sceneNumber_; }
    const GardenTableEntry& entry() const;
    bool texturesLoaded() const { return flags_.textures; }
    bool modelLoaded() const { return flags_.model; }
    // The order the loaded model draws in; replaceable, to compare pictures of two orders.
    const std::vector<ObjectCall>& drawOrder() const { return order_; }
    void setDrawOrder(std::vector<ObjectCall> order) { order_ = std::move(order); }

  private:
    // The lists and slots are made on first load: constructors of the game's globals
    // only set defaults.
    void allocate();
    // Calls an object's placements that can show under the view.
    void drawObject(int object, const ViewVolume& view);

    struct Placed {
        PlacementMatrix matrix;
        BoundingSphere bounds;
    };

    int sceneNumber_;
    AssetFlags& flags_;
    std::unique_ptr<tex_object_2D[]> textureSlots_;
    std::unique_ptr<display_list[]> placementLists_;
    std::unique_ptr<display_list[]> meshLists_;
    std::vector<std::vector<Placed>> placements_;  // per object, as the model file gives them
    std::vector<ObjectCall> order_;                // unblended nearest first, then the rest
};

// The eighteen scenes, in table order.
extern GardenScene grden00, grden01, garden02, garden03, garden04, garden05, garden06, garden07,
    garden08, garden09, garden10, grden20, grden21, grden22, grden23, grden24, grden25, grden26;

}  // namespace glh

// The scenes by number: nullptr for a number without a scene.
glh::GardenScene* gardenScene(int sceneNumber);
// All eighteen in table order.
glh::GardenScene* const* allGardenScenes();

// Loads the textures and then the model of scene n; a number without a scene loads nothing.
void loadScene(int sceneNumber);
// Frees every scene's textures and model, in table order.
void freeAllScenes();
// Loads again the textures of every scene that has them, with the current filter mode.
void reloadSceneTextures();
// Draws every scene whose model is loaded, in table order.
void drawScenes();
