// A filter mode chosen on the settings screen reaches every texture loaded at that moment
// (the menus' and a level's) and those loaded later.

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "game/bee_model.h"
#include "menus/menu_screens.h"
#include "menus/menus.h"
#include "menus/settings_screen.h"
#include "platform/data_paths.h"

namespace {

namespace fs = std::filesystem;

// The minification filter of every texture GL holds.
std::vector<GLint> filtersOfLiveTextures() {
    std::vector<GLint> filters;
    for (GLuint name = 1; name < 512; ++name) {
        if (!glIsTexture(name)) continue;
        glBindTexture(GL_TEXTURE_2D, name);
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        filters.push_back(filter);
    }
    return filters;
}

TEST(SettingsReload, AFilterModeReachesEveryLoadedTextureAndLaterOnes) {
    char pattern[] = "/tmp/oxa-settings-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path root = pattern;
    const std::string pixels(16 + 32 * 32 * 3, 'x');
    std::string bytes = pixels;
    bytes[0] = 'b';  // RGB
    bytes[1] = 0;
    bytes[2] = '1';  // 32 x 32
    for (const char* name :
         {"MEN/BMP_0/menuonez.srm", "MEN/BMP_0/menuonex.srm", "MEN/BMP_0/menuoney.srm",
          "MEN/BMP_0/menuustz.srm", "MEN/BMP_0/autorzy.srm", "MOD/BMP_0/u1.srm", "MOD/BMP_0/g1.srm",
          "MOD/BMP_0/wiadro.srm"}) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name, std::ios::binary) << bytes;
    }
    // The loading picture shows while the textures reload: its layout from the real tree.
    fs::create_directories(root / "MEN/DAT");
    fs::copy_file(fs::path(OXA_TEST_DATA) / "MEN/DAT/menuin.mex", root / "MEN/DAT/menuin.mex");
    dataTree().setRoot(root);
    medium = Medium{};
    loadedFlags = LoadedFlags{};
    medium.textureFilterMode = 0;
    glh::menu_one.loadTextures();
    glh::menu_ust.loadTextures();
    glh::gl_oxa_model.loadTextures(medium.textureFilterMode);  // a level paused behind the menus
    const std::vector<GLint> before = filtersOfLiveTextures();
    ASSERT_EQ(before, std::vector<GLint>(7, GL_NEAREST_MIPMAP_NEAREST));

    medium.screen = ScreenSettings;
    glh::menu_ust.onHover(62, 27.3f);  // the last filter item: mode 3
    glh::menu_ust.onClick();
    EXPECT_EQ(medium.textureFilterMode, 3);
    EXPECT_EQ(medium.screen, ScreenSettings);  // the loading picture came and went
    EXPECT_EQ(filtersOfLiveTextures(), std::vector<GLint>(7, GL_LINEAR_MIPMAP_LINEAR));

    glh::menu_aut.loadTextures();  // the credits' picture and button face, later
    EXPECT_EQ(filtersOfLiveTextures(), std::vector<GLint>(9, GL_LINEAR_MIPMAP_LINEAR));

    freeAllMenuTextures();
    glh::gl_oxa_model.freeTextures();
    EXPECT_TRUE(filtersOfLiveTextures().empty());
    loadedFlags = LoadedFlags{};
    medium = Medium{};
    fs::remove_all(root);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
