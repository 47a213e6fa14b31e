#pragma once
// What the display list of one model or layout object records, as plain data: the state
// calls before the vertices, the primitive and which vertex attributes it records, and the
// state calls after. The GL step replays a plan call by call; oxa-check prints it. The
// material letter and the flag number decide the state calls, differently per file kind:
//
//   object and scene models  letters A/a K/k G/g H/h D/d; a flag number of 512 or more,
//                            after taking away 16384, 8192, 4096, 2048 and 1024, turns
//                            face culling off. Object lists also switch 2D texturing on.
//   layouts                  letters A/a K/k only; the flag number picks the culled face
//                            (1024), culling off (512) and 2D texturing on (32, 8 or 4).

#include <optional>
#include <span>
#include <vector>

#include "assets/model_file.h"

enum class GlSwitch { AlphaTest, Blending, FaceCulling, Texturing2D };
enum class CulledFace { Back, FrontAndBack };

struct StateCall {
    enum class Op {
        Enable,
        Disable,
        AlphaFunction,  // GL_GREATER, reference 0.1
        BlendFunction,  // GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA
        CullFace,       // the face in `face`
    };
    Op op;
    GlSwitch which = GlSwitch::AlphaTest;  // Enable and Disable only
    CulledFace face = CulledFace::Back;    // CullFace only

    bool operator==(const StateCall&) const = default;
};

enum class Primitive { None, Triangles, Quads };

struct ListPlan {
    std::vector<StateCall> opening;
    Primitive primitive = Primitive::None;  // None: the list holds state calls only
    bool recordsColour = false;
    bool recordsTexCoord = false;
    std::vector<StateCall> closing;
};

// The list of an object of an object model file, the mesh list of a scene model object,
// the list of a layout object.
ListPlan listPlan(ModelFileKind kind, const ModelObject& object);

// The state a run of calls leaves behind; unset where the calls do not touch it.
struct GlStateSummary {
    std::optional<bool> alphaTest;
    std::optional<bool> blending;
    std::optional<bool> faceCulling;
    std::optional<bool> texturing2D;
    std::optional<CulledFace> culledFace;

    bool operator==(const GlStateSummary&) const = default;
};

GlStateSummary summarize(std::span<const StateCall> calls, GlStateSummary state = {});

// What a plan has set when its vertices are drawn, and what it leaves after it ran.
inline GlStateSummary stateWhileDrawing(const ListPlan& plan) {
    return summarize(plan.opening);
}
inline GlStateSummary stateLeft(const ListPlan& plan) {
    return summarize(plan.closing, summarize(plan.opening));
}
