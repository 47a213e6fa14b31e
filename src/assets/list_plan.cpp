#include "assets/list_plan.h"

namespace {

StateCall enable(GlSwitch which) {
    return {StateCall::Op::Enable, which};
}
StateCall disable(GlSwitch which) {
    return {StateCall::Op::Disable, which};
}
const StateCall alphaFunction{StateCall::Op::AlphaFunction};
const StateCall blendFunction{StateCall::Op::BlendFunction};
StateCall cullFace(CulledFace face) {
    return {StateCall::Op::CullFace, GlSwitch::AlphaTest, face};
}

// Takes `value` away from the flag number when the number holds it.
bool take(int32_t& flags, int32_t value) {
    if (flags < value) return false;
    flags -= value;
    return true;
}

void modelMaterial(char material, std::vector<StateCall>& calls) {
    switch (material) {
        case 'A':
        case 'a':
            calls.insert(calls.end(), {enable(GlSwitch::AlphaTest), alphaFunction,
                                       enable(GlSwitch::FaceCulling)});
            break;
        case 'K':
        case 'k':
            calls.insert(calls.end(), {enable(GlSwitch::Blending), blendFunction,
                                       enable(GlSwitch::FaceCulling)});
            break;
        case 'G':
        case 'g':
            calls.insert(calls.end(), {enable(GlSwitch::AlphaTest), alphaFunction,
                                       disable(GlSwitch::FaceCulling)});
            break;
        case 'H':
        case 'h':
            calls.insert(calls.end(), {enable(GlSwitch::Blending), blendFunction,
                                       disable(GlSwitch::FaceCulling)});
            break;
        case 'D':
        case 'd':
            calls.push_back(disable(GlSwitch::FaceCulling));
            break;
        default:
            break;
    }
}

void modelFlags(int32_t flags, std::vector<StateCall>& calls) {
    for (int32_t value : {16384, 8192, 4096, 2048, 1024}) take(flags, value);
    if (flags >= 512) calls.push_back(disable(GlSwitch::FaceCulling));
}

void layoutMaterial(char material, std::vector<StateCall>& calls) {
    if (material == 'A' || material == 'a')
        calls.insert(calls.end(), {enable(GlSwitch::AlphaTest), alphaFunction});
    else if (material == 'K' || material == 'k')
        calls.insert(calls.end(), {enable(GlSwitch::Blending), blendFunction});
}

void layoutFlags(int32_t flags, std::vector<StateCall>& calls) {
    for (int32_t value : {16384, 8192, 4096, 2048}) take(flags, value);
    calls.push_back(cullFace(take(flags, 1024) ? CulledFace::FrontAndBack : CulledFace::Back));
    calls.push_back(take(flags, 512) ? disable(GlSwitch::FaceCulling)
                                     : enable(GlSwitch::FaceCulling));
    // 32 is never taken away, so it leaves the number at 4 or more and turns texturing on.
    for (int32_t value : {256, 128, 64, 16}) take(flags, value);
    calls.push_back(take(flags, 4) ? enable(GlSwitch::Texturing2D)
                                   : disable(GlSwitch::Texturing2D));
}

}  // namespace

ListPlan listPlan(ModelFileKind kind, const ModelObject& object) {
    ListPlan plan;
    bool textured = object.vertexKind == texturedVertices;
    bool drawn = textured || object.vertexKind == untexturedVertices;
    if (kind == ModelFileKind::Layout) {
        layoutMaterial(object.material, plan.opening);
        layoutFlags(object.flags, plan.opening);
        if (drawn) plan.primitive = Primitive::Quads;
        plan.recordsTexCoord = textured;
        if (object.material == 'A' || object.material == 'a')
            plan.closing.push_back(disable(GlSwitch::AlphaTest));
        else if (object.material == 'K' || object.material == 'k')
            plan.closing.push_back(disable(GlSwitch::Blending));
        return plan;
    }
    modelMaterial(object.material, plan.opening);
    modelFlags(object.flags, plan.opening);
    // Scene meshes leave texturing to whoever calls their placement list.
    if (kind == ModelFileKind::Object) plan.opening.push_back(enable(GlSwitch::Texturing2D));
    if (drawn) plan.primitive = Primitive::Triangles;
    plan.recordsColour = drawn;
    plan.recordsTexCoord = textured;
    plan.closing = {disable(GlSwitch::AlphaTest), disable(GlSwitch::Blending),
                    enable(GlSwitch::FaceCulling)};
    return plan;
}

GlStateSummary summarize(std::span<const StateCall> calls, GlStateSummary state) {
    for (const StateCall& call : calls) {
        std::optional<bool>* target = nullptr;
        switch (call.which) {
            case GlSwitch::AlphaTest:
                target = &state.alphaTest;
                break;
            case GlSwitch::Blending:
                target = &state.blending;
                break;
            case GlSwitch::FaceCulling:
                target = &state.faceCulling;
                break;
            case GlSwitch::Texturing2D:
                target = &state.texturing2D;
                break;
        }
        switch (call.op) {
            case StateCall::Op::Enable:
                *target = true;
                break;
            case StateCall::Op::Disable:
                *target = false;
                break;
            case StateCall::Op::CullFace:
                state.culledFace = call.face;
                break;
            case StateCall::Op::AlphaFunction:
            case StateCall::Op::BlendFunction:
                break;
        }
    }
    return state;
}
