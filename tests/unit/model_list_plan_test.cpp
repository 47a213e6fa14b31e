#include <gtest/gtest.h>

#include "assets/list_plan.h"

namespace {

ModelObject object(char material, int32_t flags, char kind = texturedVertices) {
    ModelObject o;
    o.material = material;
    o.flags = flags;
    o.vertexKind = kind;
    return o;
}

constexpr std::optional<bool> on = true;
constexpr std::optional<bool> off = false;
constexpr std::optional<bool> untouched = std::nullopt;

struct Case {
    const char* what;
    ModelFileKind kind;
    char material;
    int32_t flags;
    GlStateSummary whileDrawing;
};

TEST(ModelListPlan, MaterialLetterAndFlagNumberSetTheStateOfModelLists) {
    using K = ModelFileKind;
    // {alphaTest, blending, faceCulling, texturing2D, culledFace}
    const Case cases[] = {
        {"A", K::Object, 'A', 0, {on, untouched, on, on, {}}},
        {"a, then 512 turns culling off", K::Object, 'a', 512, {on, untouched, off, on, {}}},
        {"K", K::Object, 'K', 0, {untouched, on, on, on, {}}},
        {"k", K::Object, 'k', 0, {untouched, on, on, on, {}}},
        {"G", K::Object, 'G', 0, {on, untouched, off, on, {}}},
        {"g", K::Object, 'g', 0, {on, untouched, off, on, {}}},
        {"H", K::Object, 'H', 0, {untouched, on, off, on, {}}},
        {"h", K::Object, 'h', 0, {untouched, on, off, on, {}}},
        {"D", K::Object, 'D', 0, {untouched, untouched, off, on, {}}},
        {"d", K::Object, 'd', 0, {untouched, untouched, off, on, {}}},
        {"other letter", K::Object, 'x', 0, {untouched, untouched, untouched, on, {}}},
        {"1536 = 1024 + 512", K::Object, 'x', 1536, {untouched, untouched, off, on, {}}},
        {"1024 alone", K::Object, 'x', 1024, {untouched, untouched, untouched, on, {}}},
        {"512 alone", K::Object, 'x', 512, {untouched, untouched, off, on, {}}},
        {"511", K::Object, 'x', 511, {untouched, untouched, untouched, on, {}}},
        {"31744 = 16384+8192+4096+2048+1024",
         K::Object,
         'x',
         31744,
         {untouched, untouched, untouched, on, {}}},
        // Not bits: 32768 minus 16384 ... 1024 still leaves 1024.
        {"32768", K::Object, 'x', 32768, {untouched, untouched, off, on, {}}},
        {"negative", K::Object, 'A', -512, {on, untouched, on, on, {}}},
        {"scene mesh leaves texturing alone",
         K::Scene,
         'a',
         512,
         {on, untouched, off, untouched, {}}},
        {"scene mesh, other letter", K::Scene, 'x', 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ListPlan plan = listPlan(c.kind, object(c.material, c.flags));
        EXPECT_EQ(stateWhileDrawing(plan), c.whileDrawing);
        // Whatever the object, the list ends with alpha test and blending off, culling on.
        GlStateSummary left = c.whileDrawing;
        left.alphaTest = off;
        left.blending = off;
        left.faceCulling = on;
        EXPECT_EQ(stateLeft(plan), left);
        EXPECT_EQ(plan.primitive, Primitive::Triangles);
    }
}

TEST(ModelListPlan, FlagNumberOfLayoutsPicksCulledFaceCullingAndTexturing) {
    const std::optional<CulledFace> back = CulledFace::Back;
    const std::optional<CulledFace> both = CulledFace::FrontAndBack;
    using K = ModelFileKind;
    const Case cases[] = {
        {"4", K::Layout, 'x', 4, {untouched, untouched, on, on, back}},
        {"0", K::Layout, 'x', 0, {untouched, untouched, on, off, back}},
        {"1540 = 1024 + 512 + 4", K::Layout, 'x', 1540, {untouched, untouched, off, on, both}},
        {"1024", K::Layout, 'x', 1024, {untouched, untouched, on, off, both}},
        {"32 is never taken away", K::Layout, 'x', 32, {untouched, untouched, on, on, back}},
        {"16", K::Layout, 'x', 16, {untouched, untouched, on, off, back}},
        {"8", K::Layout, 'x', 8, {untouched, untouched, on, on, back}},
        {"484 = 256+128+64+16+4+16", K::Layout, 'x', 484, {untouched, untouched, on, on, back}},
        {"A, no culling change", K::Layout, 'A', 4, {on, untouched, on, on, back}},
        {"k", K::Layout, 'k', 4, {untouched, on, on, on, back}},
        {"G means nothing here", K::Layout, 'G', 4, {untouched, untouched, on, on, back}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ListPlan plan = listPlan(c.kind, object(c.material, c.flags));
        EXPECT_EQ(stateWhileDrawing(plan), c.whileDrawing);
        // Only what the letter switched on is switched off again.
        GlStateSummary left = c.whileDrawing;
        if (left.alphaTest) left.alphaTest = off;
        if (left.blending) left.blending = off;
        EXPECT_EQ(stateLeft(plan), left);
        EXPECT_EQ(plan.primitive, Primitive::Quads);
        EXPECT_FALSE(plan.recordsColour);
    }
}

TEST(ModelListPlan, CallsComeInTheOrderTheGameIssuedThem) {
    using Op = StateCall::Op;
    ListPlan model = listPlan(ModelFileKind::Object, object('a', 512));
    const std::vector<StateCall> modelOpening = {{Op::Enable, GlSwitch::AlphaTest},
                                                 {Op::AlphaFunction},
                                                 {Op::Enable, GlSwitch::FaceCulling},
                                                 {Op::Disable, GlSwitch::FaceCulling},
                                                 {Op::Enable, GlSwitch::Texturing2D}};
    EXPECT_EQ(model.opening, modelOpening);

    ListPlan layout = listPlan(ModelFileKind::Layout, object('K', 1540));
    const std::vector<StateCall> layoutOpening = {
        {Op::Enable, GlSwitch::Blending},
        {Op::BlendFunction},
        {Op::CullFace, GlSwitch::AlphaTest, CulledFace::FrontAndBack},
        {Op::Disable, GlSwitch::FaceCulling},
        {Op::Enable, GlSwitch::Texturing2D}};
    EXPECT_EQ(layout.opening, layoutOpening);
    EXPECT_EQ(layout.closing, (std::vector<StateCall>{{Op::Disable, GlSwitch::Blending}}));
}

TEST(ModelListPlan, VertexKindDecidesPrimitiveAndAttributes) {
    struct KindCase {
        ModelFileKind kind;
        char vertexKind;
        Primitive primitive;
        bool colour;
        bool texCoord;
    };
    using K = ModelFileKind;
    const KindCase cases[] = {
        {K::Object, 'N', Primitive::Triangles, true, true},
        {K::Object, 'C', Primitive::Triangles, true, false},
        {K::Object, 'X', Primitive::None, false, false},
        {K::Scene, 'N', Primitive::Triangles, true, true},
        {K::Scene, 'C', Primitive::Triangles, true, false},
        {K::Layout, 'N', Primitive::Quads, false, true},
        {K::Layout, 'C', Primitive::Quads, false, false},
        {K::Layout, 'c', Primitive::None, false, false},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(std::string(modelFileKindName(c.kind)) + " " + c.vertexKind);
        ListPlan plan = listPlan(c.kind, object('x', 0, c.vertexKind));
        EXPECT_EQ(plan.primitive, c.primitive);
        EXPECT_EQ(plan.recordsColour, c.colour);
        EXPECT_EQ(plan.recordsTexCoord, c.texCoord);
    }
}

}  // namespace
