#include "assets/model_loader.h"

#include <algorithm>
#include <string>

#include "assets/data_error.h"
#include "assets/list_plan.h"
#include "platform/data_paths.h"

namespace {

// Ends the list being compiled however the compilation is left.
class Compiling {
  public:
    explicit Compiling(glh::display_list& list) : list_(list) { list_.newList(GL_COMPILE); }
    Compiling(const Compiling&) = delete;
    Compiling& operator=(const Compiling&) = delete;
    ~Compiling() { list_.endList(); }

  private:
    glh::display_list& list_;
};

GLenum capability(GlSwitch which) {
    switch (which) {
        case GlSwitch::AlphaTest:
            return GL_ALPHA_TEST;
        case GlSwitch::Blending:
            return GL_BLEND;
        case GlSwitch::FaceCulling:
            return GL_CULL_FACE;
        case GlSwitch::Texturing2D:
            return GL_TEXTURE_2D;
    }
    return GL_TEXTURE_2D;
}

void issue(const StateCall& call) {
    switch (call.op) {
        case StateCall::Op::Enable:
            glEnable(capability(call.which));
            break;
        case StateCall::Op::Disable:
            glDisable(capability(call.which));
            break;
        case StateCall::Op::AlphaFunction:
            glAlphaFunc(GL_GREATER, 0.1f);
            break;
        case StateCall::Op::BlendFunction:
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            break;
        case StateCall::Op::CullFace:
            glCullFace(call.face == CulledFace::FrontAndBack ? GL_FRONT_AND_BACK : GL_BACK);
            break;
    }
}

void compileObject(glh::display_list& list, ModelFileKind kind, const ModelObject& object) {
    ListPlan plan = listPlan(kind, object);
    Compiling compiling(list);
    for (const StateCall& call : plan.opening) issue(call);
    if (plan.primitive != Primitive::None) {
        glBegin(plan.primitive == Primitive::Quads ? GL_QUADS : GL_TRIANGLES);
        for (const ModelVertex& v : object.vertices) {
            if (plan.recordsColour) glColor4d(v.colour[0], v.colour[1], v.colour[2], 1.0);
            if (plan.recordsTexCoord) glTexCoord2d(v.texCoord[0], v.texCoord[1]);
            glVertex3d(v.position[0], v.position[1], v.position[2]);
        }
        glEnd();
    }
    for (const StateCall& call : plan.closing) issue(call);
}

std::string readOrFail(std::string_view path) {
    DataFileFault fault = DataFileFault::None;
    auto bytes = readDataFile(path, &fault);
    if (fault == DataFileFault::TooLarge)
        throw DataError("larger than any model file can be", displayName(path));
    // Missing, a folder, a FIFO or a device: not a file the game can open.
    if (!bytes) throw DataError("Cannot open file " + displayName(path));
    return std::move(*bytes);
}

ModelFile readModel(ModelFileKind kind, std::string_view path, size_t room) {
    std::string bytes = readOrFail(path);
    std::string name = displayName(path);
    ModelFile model = parseModelFile(kind, bytes, name);
    if (model.objects.size() > room)
        throw DataError("Too many objects (" + std::to_string(model.objects.size()) +
                            "), room for " + std::to_string(room),
                        name, 1);
    return model;
}

}  // namespace

void compileModelLists(const ModelFile& model, std::span<glh::display_list> lists) {
    for (size_t k = 0; k < model.objects.size() && k < lists.size(); ++k)
        compileObject(lists[k], model.kind, model.objects[k]);
}

void compileSceneLists(const ModelFile& model, std::span<glh::display_list> placementLists,
                       std::span<glh::display_list> meshLists) {
    for (size_t k = 0;
         k < model.objects.size() && k < placementLists.size() && k < meshLists.size(); ++k) {
        const ModelObject& object = model.objects[k];
        compileObject(meshLists[k], ModelFileKind::Scene, object);
        Compiling compiling(placementLists[k]);
        for (const PlacementMatrix& matrix : object.placements) {
            glPushMatrix();
            glMultMatrixd(matrix.data());
            meshLists[k].callList();
            glPopMatrix();
        }
    }
}

void loadObjectModel(std::string_view path, std::span<glh::display_list> lists) {
    compileModelLists(readModel(ModelFileKind::Object, path, lists.size()), lists);
}

ModelFile loadSceneModel(std::string_view path, std::span<glh::display_list> placementLists,
                         std::span<glh::display_list> meshLists) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    ModelFile model =
        readModel(ModelFileKind::Scene, path, std::min(placementLists.size(), meshLists.size()));
    compileSceneLists(model, placementLists, meshLists);
    return model;
}

void loadLayoutFile(std::string_view path, std::span<glh::display_list> lists, LayoutFit fit) {
    ModelFile layout = readModel(ModelFileKind::Layout, path, lists.size());
    fitLayout(layout, fit, layoutView());
    compileModelLists(layout, lists);
}
