// What the model, scene model and layout loaders compile, read back from GL: vertices,
// colours and texture coordinates through feedback mode, switches with glIsEnabled after
// the list ran.

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "assets/data_error.h"
#include "assets/model_loader.h"
#include "platform/data_paths.h"
#include "unit/model_fixtures.h"

namespace {

namespace fs = std::filesystem;
using fixture::add;
using fixture::header;

struct FeedbackVertex {
    float x, y, z;
    float colour[4];
    float texCoord[4];
};
using Polygon = std::vector<FeedbackVertex>;

// Runs `draw` in feedback mode and returns the polygons that reached the rasteriser, in
// window coordinates of the 256 x 256 viewport.
template <typename Draw>
std::vector<Polygon> feedback(Draw draw) {
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    GLint used = glRenderMode(GL_RENDER);
    std::vector<Polygon> polygons;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[static_cast<size_t>(i)], GL_POLYGON_TOKEN);
        int n = static_cast<int>(buffer[static_cast<size_t>(i) + 1]);
        i += 2;
        Polygon polygon;
        for (int k = 0; k < n; ++k, i += 11) {
            const GLfloat* v = &buffer[static_cast<size_t>(i)];
            polygon.push_back(
                {v[0], v[1], v[2], {v[3], v[4], v[5], v[6]}, {v[7], v[8], v[9], v[10]}});
        }
        polygons.push_back(polygon);
    }
    return polygons;
}

// Window x of an object x under identity matrices.
float windowX(double x) {
    return static_cast<float>((x + 1) * 128);
}

void setState(GLenum capability, bool on) {
    on ? glEnable(capability) : glDisable(capability);
}

class ModelLists : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/oxa-model-lists-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        glViewport(0, 0, 256, 256);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glCullFace(GL_BACK);
        glColor4f(1, 1, 1, 1);
        for (GLenum c : {GL_ALPHA_TEST, GL_BLEND, GL_CULL_FACE, GL_TEXTURE_2D}) glDisable(c);
    }
    void TearDown() override {
        fs::remove_all(root_);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    // Writes a file under the data root and indexes the tree again.
    void write(const std::string& relative, const std::vector<std::string>& lines) {
        fs::path path = root_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << fixture::join(lines);
        dataTree().setRoot(root_);
    }

    fs::path root_;
};

TEST_F(ModelLists, ObjectListRecordsColourTexCoordAndVertexPerLine) {
    std::vector<std::string> file = {"  2", header(3, 0, 'N', 'a', 512)};
    add(file, fixture::triangle(" 255,128,0  "));
    add(file, {"", "", "", ""});
    file.push_back(header(4, 0, 'C', 'x', 0));  // two triangles
    for (int k = 0; k < 2; ++k)
        add(file, {fixture::untextured(-0.5, -0.5, 0, "0,0,255"),
                   fixture::untextured(0.5, -0.5, 0, "0,0,255"),
                   fixture::untextured(0, 0.5, 0, "0,0,255")});
    add(file, {"", "", "", ""});
    write("mod/data/Test.WKX", file);

    glh::display_list lists[2];
    loadObjectModel("MOD\\DATA\\test.wkx", lists);
    auto polygons = feedback([&] { lists[0].callList(); });
    ASSERT_EQ(polygons.size(), 1u);
    ASSERT_EQ(polygons[0].size(), 3u);
    const FeedbackVertex& second = polygons[0][1];
    EXPECT_FLOAT_EQ(second.x, windowX(0.5));
    EXPECT_FLOAT_EQ(second.colour[0], 1.0f);
    EXPECT_NEAR(second.colour[1], 128.0 / 255.0, 1e-6);
    EXPECT_FLOAT_EQ(second.colour[2], 0.0f);
    EXPECT_FLOAT_EQ(second.colour[3], 1.0f);
    EXPECT_FLOAT_EQ(second.texCoord[0], 1.0f);
    EXPECT_FLOAT_EQ(polygons[0][2].texCoord[1], 1.0f);

    // Untextured lines record no texture coordinate: the current one shows through.
    glTexCoord2f(0.75f, 0.75f);
    auto plain = feedback([&] { lists[1].callList(); });
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_FLOAT_EQ(plain[1][0].colour[2], 1.0f);
    EXPECT_FLOAT_EQ(plain[1][0].texCoord[0], 0.75f);
}

TEST_F(ModelLists, ObjectListSetsCullingByMaterialAndFlagsAndLeavesTheSameStateBehind) {
    struct Case {
        char material;
        int flags;
        bool backFacesDrawn;
    };
    // Culling starts enabled, so only the list can turn it off.
    const Case cases[] = {{'a', 0, false}, {'a', 512, true}, {'K', 0, false},    {'G', 0, true},
                          {'h', 0, true},  {'D', 0, true},   {'x', 1024, false}, {'x', 1536, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.material << " " << c.flags);
        std::vector<std::string> file = {"  1", header(3, 0, 'N', c.material, c.flags)};
        auto clockwise = fixture::triangle();
        std::swap(clockwise[0], clockwise[1]);
        add(file, clockwise);
        write("MOD/DATA/cull.wkx", file);
        glh::display_list list[1];
        loadObjectModel("MOD\\DATA\\cull.wkx", list);
        for (bool before : {false, true}) {
            for (GLenum c : {GL_ALPHA_TEST, GL_BLEND, GL_TEXTURE_2D}) setState(c, before);
            glEnable(GL_CULL_FACE);
            auto polygons = feedback([&] { list[0].callList(); });
            EXPECT_EQ(polygons.size(), c.backFacesDrawn ? 1u : 0u);
            EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
            EXPECT_FALSE(glIsEnabled(GL_BLEND));
            EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
            EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        }
    }
}

TEST_F(ModelLists, SceneLoadResetsTheModelViewMatrixAndPlacesEachMeshUnderItsMatrix) {
    std::vector<std::string> file = {"  3", header(3, 3, 'N', 'x', 0)};
    add(file, fixture::triangle());
    add(file, fixture::translation(0, 0, 0));
    add(file, fixture::translation(0.25, 0, 0));
    add(file, fixture::translation(-0.25, 0, 0));
    file.push_back(header(3, 0, 'N', 'x', 0));  // loaded, never drawn
    add(file, fixture::triangle());
    file.push_back(header(3, 1, 'N', 'x', 0));  // right after the previous vertex lines
    add(file, fixture::triangle("0,255,0"));
    add(file, fixture::translation(0, 0.125, 0));
    write("SCE/DATA/garden02.wkx", file);

    glMatrixMode(GL_PROJECTION);
    glTranslatef(3, 0, 0);  // undone below; the load must reset only the model-view
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(5, 6, 7);
    glMatrixMode(GL_PROJECTION);
    glh::display_list placements[3];
    glh::display_list meshes[3];
    loadSceneModel("SCE\\DATA\\garden02.wkx", placements, meshes);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLdouble matrix[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(matrix[k], k % 5 == 0 ? 1.0 : 0.0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);

    auto polygons = feedback([&] { placements[0].callList(); });
    ASSERT_EQ(polygons.size(), 3u);
    const float shifts[] = {0, 0.25f, -0.25f};
    for (size_t j = 0; j < 3; ++j)
        EXPECT_FLOAT_EQ(polygons[j][0].x, windowX(-0.5 + shifts[j])) << "placement " << j;
    glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
    EXPECT_EQ(matrix[12], 0.0);  // each placement popped its matrix

    EXPECT_TRUE(feedback([&] { placements[1].callList(); }).empty());
    auto third = feedback([&] { placements[2].callList(); });
    ASSERT_EQ(third.size(), 1u);
    EXPECT_FLOAT_EQ(third[0][0].y, static_cast<float>((-0.5 + 0.125 + 1) * 128));
    EXPECT_FLOAT_EQ(third[0][0].colour[1], 1.0f);

    // The mesh leaves 2D texturing as the caller set it.
    for (bool texturing : {false, true}) {
        setState(GL_TEXTURE_2D, texturing);
        placements[0].callList();
        EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), texturing ? GL_TRUE : GL_FALSE);
    }
}

TEST_F(ModelLists, LayoutQuadsTakeTheCurrentColourAndTheStateOfTheirFlags) {
    struct Case {
        char material;
        int flags;
        GLint culledFace;
        bool culling;
        bool texturing;
    };
    const Case cases[] = {
        {'x', 4, GL_BACK, true, true},
        {'x', 0, GL_BACK, true, false},
        {'A', 1540, GL_FRONT_AND_BACK, false, true},
        {'K', 1024, GL_FRONT_AND_BACK, true, false},
        {'x', 32, GL_BACK, true, true},
        {'x', 16, GL_BACK, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.material << " " << c.flags);
        std::vector<std::string> file = {"  1",
                                         header(3, 0, 'N', c.material, c.flags),
                                         fixture::textured(-0.5, -0.5, 0, 0, 0, "255,0,0"),
                                         fixture::textured(0.5, -0.5, 0, 1, 0, "255,0,0"),
                                         fixture::textured(0.5, 0.5, 0, 1, 1, "255,0,0"),
                                         fixture::textured(-0.5, 0.5, 0, 0, 1, "255,0,0")};
        write("MEN/DAT/menuone.mex", file);
        glh::display_list list[1];
        loadLayoutFile("MEN\\DAT\\menuone.mex", list);
        // Alpha test and blending on before: the letter's own switch goes off, others stay.
        glEnable(GL_ALPHA_TEST);
        glEnable(GL_BLEND);
        glColor4f(0.25f, 0.5f, 0.75f, 1.0f);
        auto polygons = feedback([&] { list[0].callList(); });
        GLint face = 0;
        glGetIntegerv(GL_CULL_FACE_MODE, &face);
        EXPECT_EQ(face, c.culledFace);
        EXPECT_EQ(glIsEnabled(GL_CULL_FACE), c.culling ? GL_TRUE : GL_FALSE);
        EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), c.texturing ? GL_TRUE : GL_FALSE);
        EXPECT_EQ(glIsEnabled(GL_ALPHA_TEST), c.material == 'A' ? GL_FALSE : GL_TRUE);
        EXPECT_EQ(glIsEnabled(GL_BLEND), c.material == 'K' ? GL_FALSE : GL_TRUE);
        if (c.culledFace == GL_FRONT_AND_BACK && c.culling) {
            EXPECT_TRUE(polygons.empty());
            continue;
        }
        size_t vertices = 0;
        for (const Polygon& polygon : polygons) {
            for (const FeedbackVertex& v : polygon) {
                EXPECT_FLOAT_EQ(v.colour[0], 0.25f);
                EXPECT_FLOAT_EQ(v.colour[2], 0.75f);
            }
            vertices += polygon.size();
        }
        EXPECT_GE(vertices, 4u);  // one quad, whether or not the driver splits it
    }
}

TEST_F(ModelLists, FailedLoadsLeaveNoListOpenAndSayWhy) {
    write("MOD/DATA/bad.wkx", {"  2", header(3, 0, 'N', 'a', 0), fixture::textured(0, 0, 0, 0, 0)});
    std::vector<std::string> three = {"  3"};
    for (int k = 0; k < 3; ++k) add(three, {header(0, 0, 'N', 'a', 0), "", "", "", ""});
    write("MOD/DATA/three.wkx", three);
    // Names that resolve to no regular file: a folder and a link to a device.
    fs::create_directories(root_ / "MOD/DATA/folder.wkx");
    fs::create_symlink("/dev/zero", root_ / "MOD/DATA/zero.wkx");
    dataTree().setRoot(root_);
    const std::string bad = (root_ / "MOD/DATA/bad.wkx").string();
    const std::string big = (root_ / "MOD/DATA/three.wkx").string();
    struct Case {
        const char* name;
        std::string report;
    };
    const Case cases[] = {
        {"MOD\\DATA\\missing.wkx", "Cannot open file MOD\\DATA\\missing.wkx"},
        {"MOD\\DATA\\bad.wkx", bad + ":4: List index out of bounds (3)"},
        {"MOD\\DATA\\three.wkx", big + ":1: Too many objects (3), room for 2"},
        {"MOD\\DATA\\folder.wkx", "Cannot open file " + (root_ / "MOD/DATA/folder.wkx").string()},
        {"MOD\\DATA\\zero.wkx", "Cannot open file " + (root_ / "MOD/DATA/zero.wkx").string()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        glh::display_list lists[2];
        for (int loader = 0; loader < 3; ++loader) {
            try {
                if (loader == 0) loadObjectModel(c.name, lists);
                if (loader == 1) loadLayoutFile(c.name, lists);
                if (loader == 2) loadSceneModel(c.name, lists, lists);
                ADD_FAILURE() << "no error";
            } catch (const DataError& error) {
                if (loader == 0) {
                    EXPECT_EQ(error.report(), c.report);
                }
            }
            GLint open = -1;
            glGetIntegerv(GL_LIST_INDEX, &open);
            EXPECT_EQ(open, 0);
            EXPECT_FALSE(lists[0].created);
        }
    }
}

TEST_F(ModelLists, UncompiledListsDrawNothingAndDeleteTwiceHarmlessly) {
    glh::display_list list;
    EXPECT_TRUE(feedback([&] { list.callList(); }).empty());
    list.deleteList();
    write("MOD/DATA/one.wkx", [] {
        std::vector<std::string> file = {"1", header(3, 0, 'N', 'x', 0)};
        add(file, fixture::triangle());
        return file;
    }());
    loadObjectModel("MOD\\DATA\\one.wkx", {&list, 1});
    GLuint name = list.listName;
    EXPECT_TRUE(glIsList(name));
    list.deleteList();
    list.deleteList();
    EXPECT_FALSE(glIsList(name));
    EXPECT_TRUE(feedback([&] { list.callList(); }).empty());
}

}  // namespace
