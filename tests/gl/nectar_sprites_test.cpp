// Nectar sprites as GL draws them: only those with nectar left, each lifted to 0.3 above
// its flower, with its glow shifted through the texture matrix.

#include "game/nectar_sprites.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "platform/data_paths.h"
#include "unit/model_fixtures.h"

namespace {

namespace fs = std::filesystem;

TEST(NectarSpritesGl, OnlySpritesWithNectarAreDrawnWithTheirGlowShifted) {
    char pattern[] = "/tmp/oxa-sprites-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path root = pattern;
    std::vector<std::string> model = {"  2"};
    for (int k = 0; k < 2; ++k) {
        model.push_back(fixture::header(3, 0, 'N', 'x', 0));
        fixture::add(model, fixture::triangle());
        fixture::add(model, {"", "", "", ""});
    }
    fs::create_directories(root / "MOD/DATA");
    fs::create_directories(root / "MOD/BMP_0");
    std::ofstream(root / "MOD/DATA/SPRIT.wkx", std::ios::binary) << fixture::join(model);
    // A texture with an image, or GL would leave the texture matrix out.
    std::string texture(16, '\0');
    texture[0] = 'x';
    texture[2] = '1';
    texture.append(32 * 32 * 3, '\x80');
    std::ofstream(root / "MOD/BMP_0/sp.srm", std::ios::binary) << texture;
    dataTree().setRoot(root);

    for (GLenum mode : {GL_PROJECTION, GL_TEXTURE, GL_MODELVIEW}) {
        glMatrixMode(mode);
        glLoadIdentity();
    }
    glViewport(0, 0, 256, 256);
    glDisable(GL_CULL_FACE);
    loadedFlags.sprites = {};
    glh::NectarSprites sprites;
    sprites.loadTextures(1);
    sprites.loadModel();
    sprites.sprites = {{0.25f, -0.5f, NectarSprite::fullAmount, -0.25f}, {-0.5f, 0, 0, 0}};

    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    sprites.draw();
    const GLint used = glRenderMode(GL_RENDER);
    // Two triangles of one sprite: token, count and three vertices of 11 values each.
    ASSERT_EQ(used, 2 * (2 + 3 * 11));
    // The fixture's first corner (-0.5, -0.5) at texture (0, 0), moved by the sprite.
    const GLfloat* first = &buffer[2];
    EXPECT_FLOAT_EQ(first[0], (-0.5f + 0.25f + 1) * 128);
    EXPECT_FLOAT_EQ(first[1], (-0.5f + 0.3f + 1) * 128);
    EXPECT_FLOAT_EQ(first[7], 0);
    EXPECT_FLOAT_EQ(first[8], -0.25f);

    GLfloat textureMatrix[16];
    glGetFloatv(GL_TEXTURE_MATRIX, textureMatrix);
    EXPECT_EQ(textureMatrix[13], 0);  // the glow's shift does not outlive the sprite

    sprites.freeModel();
    sprites.freeTextures();
    EXPECT_FALSE(loadedFlags.sprites.model || loadedFlags.sprites.textures);
    fs::remove_all(root);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
