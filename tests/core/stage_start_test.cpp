// A stage whose own files are missing or damaged does not start: one line says which and
// why, the game is back at the main menu, and the level in progress is left as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/level_start.h"
#include "game/collision_mesh.h"
#include "game/stage_settings.h"
#include "platform/data_paths.h"

namespace {

namespace fs = std::filesystem;

// A valid stage file for scene `scene`, every feature off.
std::string stageFile(int scene) {
    std::vector<std::string> lines(40, "0");
    lines[0] = std::to_string(scene);
    lines[3] = "2";                            // two minutes on the clock
    for (int k : {22, 23, 24, 25, 36}) lines[static_cast<size_t>(k)] = "0.5";
    lines[37] = "abcdemuzyka1.wav";
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

// The same stage with one dragonfly (line 38), whose file "STA\w0111.mtt" is not there.
std::string withDragonfly(std::string stage) {
    const size_t line38 = [&] {
        size_t at = 0;
        for (int k = 0; k < 38; ++k) at = stage.find("\r\n", at) + 2;
        return at;
    }();
    return stage.replace(line38, 1, "1");
}

// One group (the hive's entrance) of one triangle, in 6-character columns.
const std::string goodMesh = "mesh of level 01\r\n# -1.00  0.00 -1.00  1.00  1.00  1.00   1\r\n"
                             " -1.00  0.50 -1.00 -1.00  0.50  1.00  1.00  0.50 -1.00\r\n";

class StageStart : public testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("oxa-stage-start-" + std::to_string(::getpid()));
        fs::create_directories(root / "STA");
        fs::create_directories(root / "SCE" / "CLP");
        // Loaded at start-up, as in the game: going back to it reads no file.
        loadedFlags.mainMenu = {true, true};
    }
    void TearDown() override {
        loadedFlags.mainMenu = {};
        fs::remove_all(root);
    }
    void write(const std::string& relative, const std::string& bytes) {
        std::ofstream(root / relative, std::ios::binary) << bytes;
    }
    fs::path root;
};

TEST_F(StageStart, AMissingOrDamagedStageFileGoesBackToTheMainMenuWithOneLine) {
    struct Case {
        const char* what;
        std::string stage;  // STA/scena011.mtt; empty: no file
        std::string mesh;   // SCE/CLP/s01.clp; empty: no file
        std::string line;   // what stderr says, after the data folder's path
    };
    const std::string dir = root.string() + "/";
    const Case cases[] = {
        {"no stage file", "", goodMesh,
         "oxa: Cannot open file STA\\scena011.mtt; level 01 does not start\n"},
        {"a stage line that is no number", stageFile(15).replace(0, 2, "x\r"), goodMesh,
         "oxa: " + dir + "STA/scena011.mtt:1: 'x' is not a valid floating point value; level 01 "
         "does not start\n"},
        {"no placement map for a garden", stageFile(3), goodMesh,
         "oxa: Cannot open file STA\\kontrola03.bmp; level 01 does not start\n"},
        {"no collision mesh", stageFile(15), "",
         "oxa: Cannot open file SCE\\CLP\\s01.clp; level 01 does not start\n"},
        {"a collision mesh cut short", stageFile(15), goodMesh.substr(0, goodMesh.size() - 30),
         "oxa: " + dir + "SCE/CLP/s01.clp:3: '' is not a valid floating point value; level 01 "
         "does not start\n"},
        {"a dragonfly file the stage names is missing", withDragonfly(stageFile(15)), goodMesh,
         "oxa: Cannot open file STA\\w0111.mtt; level 01 does not start\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(root / "STA" / "scena011.mtt");
        fs::remove(root / "SCE" / "CLP" / "s01.clp");
        if (!c.stage.empty()) write("STA/scena011.mtt", c.stage);
        if (!c.mesh.empty()) write("SCE/CLP/s01.clp", c.mesh);
        dataTree().setRoot(root);

        // A level in progress, left by Escape; its settings and mesh must survive.
        medium.difficulty = 1;
        medium.screen = ScreenLoading;
        model.sceneNumber = 7;
        clip_plan = readCollisionMesh(goodMesh, "kept");
        testing::internal::CaptureStderr();
        startLevel("01");
        const std::string said = testing::internal::GetCapturedStderr();

        EXPECT_EQ(medium.screen, ScreenMainMenu);
        EXPECT_EQ(model.sceneNumber, 7);
        EXPECT_EQ(clip_plan.groups.size(), 1u);
        EXPECT_EQ(said, c.line);
    }
}

// A chosen level that cannot start leaves the level in progress and the running total as
// they were: "continue" goes on with the level whose assets are still loaded, and its end
// cannot unlock a level the player never earned.
TEST_F(StageStart, AChosenLevelThatCannotStartKeepsTheLevelInProgressAndTheTotal) {
    dataTree().setRoot(root);  // no stage file of level 04 at all
    medium.difficulty = 1;
    medium.currentLevel = 2;
    opera.total = 1870;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(startChosenLevel(4));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(medium.currentLevel, 2);
    EXPECT_EQ(opera.total, 1870);
    EXPECT_EQ(medium.screen, ScreenMainMenu);
    EXPECT_EQ(medium.countdownActive, 0);
}

}  // namespace
