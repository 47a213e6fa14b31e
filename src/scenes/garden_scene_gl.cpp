#include <GL/gl.h>

#include <array>

#include "assets/list_plan.h"
#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "game/stage_settings.h"
#include "scenes/garden_scene.h"

namespace glh {

GardenScene::GardenScene(int sceneNumber, AssetFlags& flags)
    : sceneNumber_(sceneNumber), flags_(flags) {}

const GardenTableEntry& GardenScene::entry() const {
    return *findGarden(sceneNumber_);
}

void GardenScene::allocate() {
    if (textureSlots_) return;
    textureSlots_.reset(new tex_object_2D[entry().textures.size()]);
    placementLists_.reset(new display_list[entry().objectCount]);
    meshLists_.reset(new display_list[entry().objectCount]);
}

void GardenScene::loadTextures() {
    if (flags_.textures) return;
    allocate();
    for (int slot = 0; slot < entry().textureCount(); ++slot) {
        std::string path(gardenTextureFolder);
        path += entry().textures[slot];
        loadTextureFile(path, textureSlots_[slot], medium.textureFilterMode);
    }
    flags_.textures = true;
}

void GardenScene::freeTextures() {
    if (!flags_.textures) return;
    for (int slot = 0; slot < entry().textureCount(); ++slot) textureSlots_[slot].deleteTexture();
    flags_.textures = false;
}

void GardenScene::loadModel() {
    if (flags_.model) return;
    allocate();
    const auto count = static_cast<size_t>(entry().objectCount);
    const ModelFile file = loadSceneModel(entry().modelFile, {placementLists_.get(), count},
                                          {meshLists_.get(), count});
    placements_.assign(count, {});
    std::vector<ObjectLook> looks(count);
    for (size_t k = 0; k < file.objects.size() && k < count; ++k) {
        const ModelObject& object = file.objects[k];
        // Every scene list closes with blending off, so a list that does not switch it on
        // draws unblended whatever ran before it.
        const GlStateSummary state = stateWhileDrawing(listPlan(ModelFileKind::Scene, object));
        looks[k].blended = state.blending.value_or(false);
        looks[k].distance = distanceFromGardenMiddle(object);
        const BoundingSphere bounds = boundingSphere(object.vertices);
        for (const PlacementMatrix& matrix : object.placements)
            placements_[k].push_back({matrix, placedSphere(bounds, matrix)});
    }
    order_ = sceneDrawOrder(entry(), looks);
    flags_.model = true;
}

void GardenScene::freeModel() {
    if (!flags_.model) return;
    for (int i = 0; i < entry().objectCount; ++i) {
        placementLists_[i].deleteList();
        meshLists_[i].deleteList();
    }
    placements_.clear();
    order_.clear();
    flags_.model = false;
}

void GardenScene::drawObject(int object, const ViewVolume& view) {
    const std::vector<Placed>& placed = placements_[static_cast<size_t>(object)];
    size_t shown = 0;
    for (const Placed& p : placed) shown += outsideView(view, p.bounds) ? 0 : 1;
    if (shown == placed.size()) {
        placementLists_[object].callList();
        return;
    }
    if (shown == 0) {
        // The state every scene mesh leaves behind, as if it had been drawn.
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_BLEND);
        glEnable(GL_CULL_FACE);
        return;
    }
    for (const Placed& p : placed) {
        if (outsideView(view, p.bounds)) continue;
        glPushMatrix();
        glMultMatrixd(p.matrix.data());
        meshLists_[object].callList();
        glPopMatrix();
    }
}

void GardenScene::draw() {
    if (!flags_.model) return;
    std::array<double, 16> modelView{}, projection{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    const ViewVolume view = viewVolume(modelView, projection);
    const std::vector<DrawStep>& steps = entry().drawSequence;
    int current = -1;  // the step whose slot and state are set
    auto leave = [&] {
        if (current < 0) return;
        switch (steps[static_cast<size_t>(current)].kind) {
            case StepKind::plain:
                break;
            case StepKind::water:
                glMatrixMode(GL_TEXTURE);
                glLoadIdentity();
                glMatrixMode(GL_MODELVIEW);
                break;
            case StepKind::exit:
                glDisable(GL_TEXTURE_GEN_S);
                glDisable(GL_TEXTURE_GEN_T);
                break;
        }
        current = -1;
    };
    for (const ObjectCall& call : order_) {
        if (call.step != current) {
            leave();
            const DrawStep& step = steps[static_cast<size_t>(call.step)];
            switch (step.kind) {
                case StepKind::plain:
                    textureSlots_[step.slot].bind();
                    break;
                case StepKind::water:
                    // The water breathes: its texture coordinates scale with the sprite pulse.
                    glMatrixMode(GL_TEXTURE);
                    glScalef(model.spritePulse, model.spritePulse, model.spritePulse);
                    textureSlots_[step.slot].bind();
                    glMatrixMode(GL_MODELVIEW);
                    break;
                case StepKind::exit:
                    // Invisible until the exit opens, then shiny and environment-mapped.
                    if (opera.exitOpen != 1) return;
                    textureSlots_[step.slot].bind();
                    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
                    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
                    glEnable(GL_TEXTURE_GEN_S);
                    glEnable(GL_TEXTURE_GEN_T);
                    break;
            }
            current = call.step;
        }
        drawObject(call.object, view);
    }
    leave();
}

}  // namespace glh

namespace {
glh::GardenScene* const scenes[sceneCount] = {
    &glh::grden00,  &glh::grden01,  &glh::garden02, &glh::garden03, &glh::garden04, &glh::garden05,
    &glh::garden06, &glh::garden07, &glh::garden08, &glh::garden09, &glh::garden10, &glh::grden20,
    &glh::grden21,  &glh::grden22,  &glh::grden23,  &glh::grden24,  &glh::grden25,  &glh::grden26};
}  // namespace

glh::GardenScene* const* allGardenScenes() {
    return scenes;
}

glh::GardenScene* gardenScene(int sceneNumber) {
    for (auto* scene : scenes)
        if (scene->sceneNumber() == sceneNumber) return scene;
    return nullptr;
}

void loadScene(int sceneNumber) {
    if (auto* scene = gardenScene(sceneNumber)) {
        scene->loadTextures();
        scene->loadModel();
    }
}

void freeAllScenes() {
    for (auto* scene : scenes) {
        scene->freeTextures();
        scene->freeModel();
    }
}

void reloadSceneTextures() {
    for (auto* scene : scenes) {
        if (!scene->texturesLoaded()) continue;
        scene->freeTextures();
        scene->loadTextures();
    }
}

void drawScenes() {
    for (auto* scene : scenes) scene->draw();
}
