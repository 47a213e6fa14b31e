// The menu screens as the player drives them through the game's pointer and key handlers,
// without a window: the screens' loaded flags are set beforehand, so no file is read and
// no GL call is made, and the game flow the menus call is the test's own.

#include "menus/menus.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/display_record.h"
#include "core/frame_time.h"
#include "core/game_flow.h"
#include "core/game_state.h"
#include "core/input_handlers.h"
#include "core/level_start.h"
#include "core/screens.h"
#include "game/kontrol.h"
#include "game/progress_file.h"
#include "menus/menu_pointer.h"
#include "menus/menu_screens.h"
#include "menus/play_screens.h"
#include "menus/score_screens.h"
#include "platform/clock.h"
#include "platform/data_paths.h"
#include "platform/scheduler.h"

namespace {

namespace fs = std::filesystem;

int quits = 0;
int resumes = 0;

class Menus : public testing::Test {
  protected:
    void SetUp() override {
        quits = resumes = 0;
        ekran.width = 800;
        ekran.height = 600;
        medium = Medium{};
        medium.screen = ScreenMainMenu;
        loadedFlags = LoadedFlags{};
        // Every screen counts as loaded: entering one reads nothing.
        for (AssetFlags* flags : {&loadedFlags.mainMenu, &loadedFlags.quit, &loadedFlags.controls,
                                  &loadedFlags.credits})
            *flags = {true, true};
        connectMenus({[] {
                          ++resumes;
                          resumeLevel();
                      },
                      [] { ++quits; }, nullptr});
        glh::menu_one.buttons.setAll(0);
        glh::menu_ko.buttons.setAll(0);
        glh::menu_ste.pageCounter = 0;
    }
    void TearDown() override {
        for (auto& handlers : screenHandlers) handlers = {};
        loadedFlags = LoadedFlags{};
    }

    // The pointer at a menu position, through the window pixels of an 800 x 600 screen.
    static void pointAt(float mx, float my) {
        gamePassiveMotion(static_cast<int>(mx * 10), static_cast<int>((60 - my) * 10));
    }
    // One physical click: a press, then a release.
    static void click() {
        gameMouse(0, 0, 0, 0);
        gameMouse(0, 1, 0, 0);
    }
};

TEST_F(Menus, PixelsBecomeMenuUnitsOfTheDisplayMode) {
    gamePassiveMotion(400, 300);
    EXPECT_FLOAT_EQ(menuPointer.x, 40);
    EXPECT_FLOAT_EQ(menuPointer.y, 30);
}

TEST_F(Menus, ControlsThenHelpThenBackCountingPressAndRelease) {
    pointAt(10, 30);  // controls
    click();
    ASSERT_EQ(medium.screen, ScreenControls);
    EXPECT_EQ(glh::menu_ste.pageCounter, 0);  // the release found nothing to act on

    pointAt(62, 5);  // the page's button
    gameMouse(0, 0, 0, 0);
    EXPECT_EQ(glh::menu_ste.pageCounter, 1);  // the press: the help page
    gameMouse(0, 1, 0, 0);
    EXPECT_EQ(glh::menu_ste.pageCounter, 2);  // the release: still the help page
    EXPECT_EQ(medium.screen, ScreenControls);

    click();  // back to the main menu, the controls freed
    EXPECT_EQ(medium.screen, ScreenMainMenu);
    EXPECT_EQ(glh::menu_ste.pageCounter, 0);
    EXPECT_FALSE(loadedFlags.controls.textures);
    EXPECT_FALSE(loadedFlags.controls.model);
    EXPECT_TRUE(loadedFlags.mainMenu.textures);

    loadedFlags.controls = {true, true};
    pointAt(10, 30);
    click();
    pointAt(50, 5);  // beside the button: nothing
    click();
    EXPECT_EQ(glh::menu_ste.pageCounter, 0);
    EXPECT_EQ(medium.screen, ScreenControls);
}

TEST_F(Menus, CreditsGoBackAtTheFirstClick) {
    pointAt(10, 16);
    click();
    ASSERT_EQ(medium.screen, ScreenCredits);
    pointAt(69.5f, 8);  // the whole-number position (69, 7) is inside
    click();
    EXPECT_EQ(medium.screen, ScreenMainMenu);
    EXPECT_FALSE(loadedFlags.credits.textures);
}

TEST_F(Menus, ContinueWithNoLevelInProgressDoesNothing) {
    pointAt(20, 44);
    click();
    EXPECT_EQ(medium.screen, ScreenMainMenu);
    EXPECT_EQ(resumes, 0);
    EXPECT_TRUE(glh::menu_one.buttons.lit(mainMenu::continueGame));  // still under the pointer
}

TEST_F(Menus, EscapeLeavesTheLevelAndContinueResumesIt) {
    platform::scheduler().reset();
    platform::scheduler().setFixedStep(50);
    glh::reset.lastTick = 0;
    medium.screen = ScreenPlaying;
    medium.currentLevel = 4;
    medium.countdownActive = 1;
    glh::kontrol.clock.gameState = stageRunning;
    gameKeyboard(27, 0, 0);
    ASSERT_EQ(medium.screen, ScreenMainMenu);
    EXPECT_EQ(glh::kontrol.clock.gameState, stageStopped);

    for (int frame = 0; frame < 200; ++frame) platform::scheduler().advanceFrame();  // 10 s

    pointAt(20, 44);
    click();
    EXPECT_EQ(resumes, 1);
    EXPECT_EQ(medium.screen, ScreenPlaying);
    EXPECT_EQ(glh::kontrol.clock.gameState, stageRunning);
    EXPECT_EQ(medium.currentLevel, 4);
    // The ten seconds in the menu are not one frame of flight.
    EXPECT_EQ(glh::reset.lastTick, platform::timeGetTime());
    EXPECT_GE(glh::reset.lastTick, 10000u);
    platform::scheduler().reset();
    platform::scheduler().setFixedStep(0);
}

TEST_F(Menus, TheQuitQuestionHoldsTheMainMenuBehindIt) {
    pointAt(10, 9);  // quit
    click();
    ASSERT_EQ(medium.screen, ScreenQuit);

    pointAt(10, 30);  // the controls button shows behind, but does not react
    click();
    EXPECT_EQ(medium.screen, ScreenQuit);
    EXPECT_FALSE(glh::menu_one.buttons.lit(mainMenu::controls));

    pointAt(45, 26);  // no
    click();
    EXPECT_EQ(medium.screen, ScreenMainMenu);
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(loadedFlags.quit.textures);  // kept for the next time

    pointAt(10, 9);
    click();
    pointAt(35, 26);  // yes
    gameMouse(0, 0, 0, 0);
    EXPECT_EQ(quits, 1);
}

TEST_F(Menus, FreeingAllMenusClearsEveryFlag) {
    freeAllMenus();
    for (const AssetFlags* flags :
         {&loadedFlags.mainMenu, &loadedFlags.quit, &loadedFlags.controls, &loadedFlags.credits}) {
        EXPECT_FALSE(flags->textures);
        EXPECT_FALSE(flags->model);
    }
    freeAllMenus();  // freeing what is free does nothing
    EXPECT_FALSE(loadedFlags.mainMenu.model);
}

// The best scores' tabs show another difficulty's table for looking only: the table of
// play and the difficulty stay, so the next level cannot write one difficulty's progress
// into another's file. A name typed before is kept, at most as long as the file keeps.
TEST_F(Menus, ARecordsTabLeavesTheTableOfPlayAndTheDifficultyAlone) {
    loadedFlags.results = {true, true};
    medium.difficulty = 1;
    tabwyn = ProgressTable{};
    tabwyn.unlocked[2] = 1;
    tabwyn.scores[0] = 1875;
    opera.editedRow = 0;
    showRecords();
    ASSERT_EQ(medium.screen, ScreenResults);
    for (char c : std::string("Ola and Ala!!")) gameKeyboard(static_cast<unsigned char>(c), 0, 0);
    gameKeyboard(8, 0, 0);
    EXPECT_EQ(tabwyn.names[0], "Ola and Ala!");
    for (char c : std::string("xyz")) gameKeyboard(static_cast<unsigned char>(c), 0, 0);
    EXPECT_EQ(tabwyn.names[0], "Ola and Ala!xy");  // 14 characters

    testing::internal::CaptureStderr();
    pointAt(30, 7);  // the second tab
    click();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(medium.difficulty, 1);
    EXPECT_EQ(tabwyn.unlocked[2], 1);
    EXPECT_EQ(tabwyn.scores[0], 1875);
    EXPECT_EQ(opera.editedRow, -1);  // the entry ended with the tab
    EXPECT_NE(&glh::menu_wyn.shownTable(), &tabwyn);
    gameKeyboard('q', 0, 0);
    EXPECT_EQ(tabwyn.names[0], "Ola and Ala!xy");

    pointAt(62, 5);  // back
    click();
    EXPECT_EQ(medium.screen, ScreenMainMenu);
    EXPECT_EQ(&glh::menu_wyn.shownTable(), &tabwyn);
    tabwyn = ProgressTable{};
}

// The summary's button leads by the outcome: the next level (after level 9, level 10), the
// main menu, or the best scores.
TEST_F(Menus, TheSummaryLeadsOnByItsOutcome) {
    static int started = 0;
    MenuFlow flow = menuFlow();
    flow.startLevel = [](int level) {
        started = level;
        return true;
    };
    connectMenus(flow);
    loadedFlags.summary = loadedFlags.results = {true, true};
    struct Case {
        int outcome, nextLevel;
        int screen, started;
    };
    const Case cases[] = {
        {resultNextLevel, 10, ScreenSummary, 10},
        {resultGameOver, 0, ScreenMainMenu, 0},
        {resultBestScores, 0, ScreenResults, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outcome);
        started = 0;
        medium.screen = ScreenSummary;
        glh::kontrol.resultCode = c.outcome;
        glh::kontrol.nextLevel = c.nextLevel;
        pointAt(60, 30);  // off the button: nothing
        click();
        EXPECT_EQ(medium.screen, ScreenSummary);
        pointAt(70, 8);  // the continue button
        click();
        EXPECT_EQ(medium.screen, c.screen);
        EXPECT_EQ(started, c.started);
    }
}

// A level chosen on the level choice begins a new game: the running total starts from 0. A
// level that cannot start keeps the game in progress and its total.
TEST_F(Menus, AChosenLevelStartsTheRunningTotalFromZero) {
    static bool starts = false;
    MenuFlow flow = menuFlow();
    flow.startLevel = [](int level) {
        medium.screen = starts ? ScreenPlaying : ScreenMainMenu;
        if (starts) medium.currentLevel = level;
        return starts;
    };
    connectMenus(flow);
    tabwyn = ProgressTable{};
    for (bool canStart : {false, true}) {
        SCOPED_TRACE(canStart);
        starts = canStart;
        loadedFlags.levelChoice = {true, true};
        medium.screen = ScreenLevelChoice;
        glh::menu_zrec.buttons.setFromFlags(tabwyn.unlocked);
        opera.total = 1870;
        pointAt(10, 42);  // level 1
        click();
        EXPECT_EQ(medium.screen, canStart ? ScreenPlaying : ScreenMainMenu);
        EXPECT_EQ(opera.total, canStart ? 0 : 1870);
    }
}

// The three difficulties' progress files in a data tree of their own.
class MenusWithProgressFiles : public Menus {
  protected:
    void SetUp() override {
        Menus::SetUp();
        root_ = fs::temp_directory_path() / ("oxa-menus-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "STA");
        for (int d = 1; d <= 3; ++d) write(d, freshBytes());
        loadedFlags.difficulty = loadedFlags.levelChoice = loadedFlags.summary = {true, true};
    }
    void TearDown() override {
        dataTree().setRoot({});
        fs::remove_all(root_);
        tabwyn = ProgressTable{};
        opera = Opera{};
        Menus::TearDown();
    }
    static std::string freshBytes() { return updatedProgressBytes("", ProgressTable()); }
    fs::path file(int difficulty, const char* suffix = "") const {
        return root_ / "STA" / ("eloper" + std::to_string(difficulty) + ".mtt" + suffix);
    }
    void write(int difficulty, const std::string& bytes) {
        std::ofstream(file(difficulty), std::ios::binary) << bytes;
    }
    std::string read(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The files are in place: the tree is indexed.
    void useTree() { dataTree().setRoot(root_); }
    fs::path root_;
};

// A level left with Escape, another difficulty chosen, back twice, "continue": the level goes
// on at the difficulty it was started with, and its win unlocks the next level in its own
// difficulty's progress file; the other difficulty's file is not touched.
TEST_F(MenusWithProgressFiles, APausedLevelKeepsItsDifficultyWhenAnotherIsChosen) {
    ProgressTable played;
    for (int k = 0; k < 4; ++k) played.unlocked[static_cast<size_t>(k)] = 1;
    write(1, updatedProgressBytes("", played));
    useTree();
    medium.difficulty = 1;
    tabwyn = played;
    medium.screen = ScreenPlaying;
    medium.currentLevel = 4;
    glh::kontrol.clock.gameState = stageRunning;
    gameKeyboard(27, 0, 0);  // Escape
    ASSERT_EQ(medium.screen, ScreenMainMenu);

    pointAt(16, 51);  // new game
    click();
    ASSERT_EQ(medium.screen, ScreenDifficulty);
    pointAt(40, 15);  // difficulty 2
    click();
    ASSERT_EQ(medium.screen, ScreenLevelChoice);
    EXPECT_EQ(medium.difficulty, 2);
    EXPECT_FALSE(tabwyn.isUnlocked(2));  // the level choice shows difficulty 2's levels
    pointAt(62, 5);                      // back
    click();
    ASSERT_EQ(medium.screen, ScreenDifficulty);
    pointAt(62, 5);  // back again
    click();
    ASSERT_EQ(medium.screen, ScreenMainMenu);
    pointAt(20, 44);  // continue
    click();
    ASSERT_EQ(resumes, 1);
    EXPECT_EQ(medium.difficulty, 1);
    EXPECT_TRUE(tabwyn.isUnlocked(4));

    opera.exitOpen = 1;  // the level is won
    tryCompleteStage();
    EXPECT_EQ(medium.screen, ScreenSummary);
    EXPECT_EQ(glh::kontrol.nextLevel, 5);
    played.unlocked[4] = 1;
    EXPECT_EQ(read(file(1)), updatedProgressBytes("", played));
    EXPECT_EQ(read(file(2)), freshBytes());
}

// A damaged progress file does not end the game when its difficulty is chosen: one line
// names it and the problem, it is kept beside itself, and the level choice opens on a
// fresh table, whose wins are saved in a fresh file.
TEST_F(MenusWithProgressFiles, ADamagedProgressFileIsKeptAsideAndPlayGoesOn) {
    write(3, "1\r\n1\r\n1\r\ncut short\r\n");
    useTree();
    pointAt(16, 51);  // new game
    click();
    pointAt(56, 15);  // difficulty 3
    testing::internal::CaptureStderr();
    click();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(medium.screen, ScreenLevelChoice);
    EXPECT_EQ(medium.difficulty, 3);
    EXPECT_TRUE(tabwyn.isUnlocked(1));
    EXPECT_FALSE(tabwyn.isUnlocked(2));
    EXPECT_EQ(said, "oxa: " + file(3).string() +
                        ":5: the progress file ends after 4 lines; it needs 26; kept as " +
                        file(3, ".damaged").string() + "; the game goes on with a fresh table\n");
    EXPECT_EQ(read(file(3, ".damaged")), "1\r\n1\r\n1\r\ncut short\r\n");
    EXPECT_EQ(read(file(3)), freshBytes());
}

// '!' and '6' keep their meaning while a best-score name is typed, and reach the name too.
TEST_F(Menus, TheFrameRateKeyStillWorksInTheNameEntry) {
    loadedFlags.results = {true, true};
    tabwyn = ProgressTable{};
    opera.editedRow = 2;
    showRecords();
    ASSERT_EQ(medium.screen, ScreenResults);
    for (char c : std::string("Ala!6")) gameKeyboard(static_cast<unsigned char>(c), 0, 0);
    EXPECT_EQ(tabwyn.names[2], "Ala!6");
    EXPECT_TRUE(medium.showFps);
    opera.editedRow = -1;
    tabwyn = ProgressTable{};
}

}  // namespace
