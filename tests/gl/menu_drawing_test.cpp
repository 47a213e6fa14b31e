// The game font and the menus' pointer as GL sees them: glyph quads side by side with their
// texture cells, the hyphen's block from the blank cell, and the pointer's picture with its
// tip on the pointer position.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/game_state.h"
#include "game/game_font.h"
#include "menus/menu_pointer.h"

namespace {

struct Vertex {
    float x, y, s, t;  // menu units (the viewport is 80 x 60 pixels), texture coordinate
};
using Polygon = std::vector<Vertex>;

template <typename Draw>
std::vector<Polygon> feedback(Draw draw) {
    std::vector<GLfloat> buffer(1 << 14);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<Polygon> polygons;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[static_cast<size_t>(i)], GL_POLYGON_TOKEN);
        const int n = static_cast<int>(buffer[static_cast<size_t>(i) + 1]);
        i += 2;
        Polygon polygon;
        for (int k = 0; k < n; ++k, i += 11) {
            const GLfloat* v = &buffer[static_cast<size_t>(i)];
            polygon.push_back({v[0], v[1], v[7], v[8]});
        }
        polygons.push_back(polygon);
    }
    return polygons;
}

struct Bounds {
    float left, right, bottom, top, s0, s1, t0, t1;
};

// GL hands a quad back as two triangles: the bounds of each quad, in drawing order.
std::vector<Bounds> quadsOf(const std::vector<Polygon>& triangles) {
    EXPECT_EQ(triangles.size() % 2, 0u);
    std::vector<Bounds> quads;
    for (size_t k = 0; k + 1 < triangles.size(); k += 2) {
        Bounds b{1e9f, -1e9f, 1e9f, -1e9f, 1e9f, -1e9f, 1e9f, -1e9f};
        for (const Polygon* polygon : {&triangles[k], &triangles[k + 1]}) {
            for (const Vertex& v : *polygon) {
                b.left = std::min(b.left, v.x), b.right = std::max(b.right, v.x);
                b.bottom = std::min(b.bottom, v.y), b.top = std::max(b.top, v.y);
                b.s0 = std::min(b.s0, v.s), b.s1 = std::max(b.s1, v.s);
                b.t0 = std::min(b.t0, v.t), b.t1 = std::max(b.t1, v.t);
            }
        }
        quads.push_back(b);
    }
    return quads;
}

class MenuDrawing : public testing::Test {
  protected:
    void SetUp() override {
        glViewport(0, 0, 80, 60);
        for (GLenum mode : {GL_PROJECTION, GL_TEXTURE, GL_MODELVIEW}) {
            glMatrixMode(mode);
            glLoadIdentity();
        }
        glDisable(GL_CULL_FACE);
        glEnable(GL_DEPTH_TEST);
        loadedFlags.font = {};
    }
    void TearDown() override {
        glh::gl_fonty.freeGlyphs();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
};

TEST_F(MenuDrawing, TextIsGlyphCellsSideBySideAndTheHyphenIsABlock) {
    glh::gl_fonty.buildGlyphs();
    const auto quads = quadsOf(feedback([] { glh::gl_fonty.drawText(10, 20, "7.-?"); }));
    ASSERT_EQ(quads.size(), 3u);  // the full stop has no glyph and takes no room
    const struct {
        float x;
        int glyph;
    } expected[] = {{10, 7}, {12.8f, 49}, {15.6f, 48}};
    for (size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const Bounds& b = quads[k];
        EXPECT_NEAR(b.left, expected[k].x, 1e-3);
        EXPECT_NEAR(b.right, expected[k].x + 3, 1e-3);
        EXPECT_NEAR(b.bottom, 20, 1e-3);
        EXPECT_NEAR(b.top, 25, 1e-3);
        if (expected[k].glyph == gameFont::hyphenGlyph) {
            EXPECT_NEAR(b.s0, 0, 1e-6);
            EXPECT_NEAR(b.s1, 0.1428f, 1e-6);
            EXPECT_NEAR(b.t0, -0.1428f, 1e-6);
            EXPECT_NEAR(b.t1, 0, 1e-6);
            continue;
        }
        const gameFont::GlyphCell cell = gameFont::glyphCell(expected[k].glyph);
        EXPECT_NEAR(b.s0, cell.left, 1e-6);
        EXPECT_NEAR(b.s1, cell.right, 1e-6);
        EXPECT_NEAR(b.t0, cell.bottom, 1e-6);
        EXPECT_NEAR(b.t1, cell.top, 1e-6);
    }
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));  // each glyph's list turns it off again
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);

    // Building twice builds once; freeing frees all fifty lists.
    const GLuint first = glh::gl_fonty.glyphs[0].listName;
    glh::gl_fonty.buildGlyphs();
    EXPECT_EQ(glh::gl_fonty.glyphs[0].listName, first);
    glh::gl_fonty.freeGlyphs();
    EXPECT_TRUE(feedback([] { glh::gl_fonty.drawText(10, 20, "77"); }).empty());
}

TEST_F(MenuDrawing, ThePointersTipStandsOnThePointerPosition) {
    loadMenuPointer();
    EXPECT_TRUE(glIsEnabled(GL_BLEND));  // loading the pointer leaves blending on
    menuPointer = {40, 30};
    const auto quads = quadsOf(feedback([] { drawMenuPointer(); }));
    ASSERT_EQ(quads.size(), 1u);
    const Bounds& b = quads[0];
    // 5 x 5 units, the tip 2 in from the left and 1 down from the top.
    EXPECT_NEAR(b.left, 38, 1e-3);
    EXPECT_NEAR(b.right, 43, 1e-3);
    EXPECT_NEAR(b.bottom, 26, 1e-3);
    EXPECT_NEAR(b.top, 31, 1e-3);
    EXPECT_NEAR(b.s0, 0, 1e-6);
    EXPECT_NEAR(b.s1, 1, 1e-6);
    EXPECT_NEAR(b.t0, 0, 1e-6);
    EXPECT_NEAR(b.t1, 1, 1e-6);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));  // the list turns it off after the picture
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

// A pointer wholly off the screen sends no quad (Mesa's software renderer would compile a
// shader for it), but leaves GL as drawing it does: the next frame draws the same.
TEST_F(MenuDrawing, APointerOffTheScreenSendsNoQuadAndLeavesTheSameState) {
    loadMenuPointer();
    struct Case {
        float x, y;
        bool drawn;  // some of its 5 x 5 units, from (x - 2, y - 4), on the 80 x 60 screen
    };
    const Case cases[] = {{40, 30, true},     {400, 300, false},  {-5.5f, 30, false},
                          {-2.5f, 30, true},  {82.5f, 30, false}, {81.5f, 30, true},
                          {40, 64.5f, false}, {40, 63.5f, true},  {40, -1.5f, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " " << c.y);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ZERO);
        glTexCoord2f(0.3f, 0.7f);
        glBindTexture(GL_TEXTURE_2D, 0);
        menuPointer = {c.x, c.y};
        EXPECT_EQ(!feedback([] { drawMenuPointer(); }).empty(), c.drawn);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        GLint source = 0, destination = 0, texture = 0;
        glGetIntegerv(GL_BLEND_SRC, &source);
        glGetIntegerv(GL_BLEND_DST, &destination);
        EXPECT_EQ(source, GL_SRC_ALPHA);
        EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        EXPECT_NE(texture, 0);  // the pointer's picture stays bound
        GLfloat coordinate[4] = {};
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coordinate);
        EXPECT_EQ(coordinate[0], 0.0f);
        EXPECT_EQ(coordinate[1], 1.0f);
    }
}

}  // namespace
