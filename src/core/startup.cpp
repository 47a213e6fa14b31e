#include "core/startup.h"

#include <GL/freeglut.h>

#include <cstdio>

#include "__SNG/sound_table.h"
#include "core/bench.h"
#include "core/display_record.h"
#include "core/game_flow.h"
#include "core/game_state.h"
#include "core/input_handlers.h"
#include "core/interactors.h"
#include "core/level_start.h"
#include "core/main_loop.h"
#include "core/play_run.h"
#include "core/scene_viewer.h"
#include "core/top_level.h"
#include "game/progress_file.h"
#include "game/stage_settings.h"
#include "menus/menus.h"
#include "platform/input.h"
#include "platform/movie_player.h"
#include "platform/scheduler.h"
#include "platform/screenshot.h"
#include "platform/typed_keys.h"
#include "platform/window.h"

namespace {

// --level: straight into a level, as if chosen from the level choice.
void startLevelDirectly(const Options& options) {
    medium.difficulty = options.difficulty;
    readProgressForPlay(tabwyn, medium.difficulty);
    reportStageEnds(options.once);
    // Scene meshes leave texturing as they find it; the menus normally switch it on.
    glEnable(GL_TEXTURE_2D);
    medium.currentLevel = options.level;
    noteLevelStartCall();
    startLevel(twoDigitLevelId(options.level));
    opera.total = 0;
}

// The start-up film. A screenshot with a frame number on a normal start is a picture of it.
void playStartupFilm(const Options& options) {
    platform::IntroSettings intro;
    intro.sound = !options.noSound;
    intro.fullScreen = !options.windowed;
    if (!options.screenshot.empty()) {
        intro.captureFrame = options.frames;
        intro.capture = [path = options.screenshot] {
            std::string error;
            if (platform::writeScreenshotOfWindow(path, error)) quitGame(0);
            std::fprintf(stderr, "oxa: cannot write the screenshot: %s\n", error.c_str());
            quitGame(1);
        };
    }
    glutCloseFunc(windowClosed);
    platform::playIntro(intro);
    glutDisplayFunc(display);
}

void registerGameCallbacks() {
    glutIdleFunc(idle);
    glutDisplayFunc(display);
    glutPassiveMotionFunc([](int x, int y) { guarded([=] { gamePassiveMotion(x, y); }); });
    glutMouseFunc([](int b, int s, int x, int y) { guarded([=] { gameMouse(b, s, x, y); }); });
    glutKeyboardFunc([](unsigned char k, int x, int y) {
        for (char c : platform::typedKeys().take(k))
            guarded([=] { fanoutKeyboard(static_cast<unsigned char>(c), x, y); });
    });
    platform::setTypedLetterHandler([](unsigned char letter) { fanoutKeyboard(letter, 0, 0); });
    // The arrow keys' held state is polled by the flight: X's auto-repeat must not let go of
    // a held key between two presses. Typed keys repeat (the records' name entry); only
    // where the server cannot tell repeats from presses is key repeat ignored altogether.
    glutIgnoreKeyRepeat(platform::steadyHeldKeys() ? 0 : 1);
    glutSpecialFunc([](int key, int x, int y) {
        platform::noteSpecialKey(key, true);
        guarded([=] { fanoutSpecial(key, x, y); });
    });
    glutSpecialUpFunc([](int key, int, int) { platform::noteSpecialKey(key, false); });
    glutCloseFunc(windowClosed);
}

}  // namespace

void runGame(const Options& requested, int argc, char** argv) {
    const Options options = prepareRun(requested);
    windowedMode = options.windowed;
    if (options.fixedStep) platform::scheduler().setFixedStep(options.fixedStep);
    if (!options.screenshot.empty())
        requestScreenshot(options.screenshot, options.frames ? options.frames : 1);

    ekran.queryMode();
    ekran.savedWidth = ekran.width;
    ekran.savedHeight = ekran.height;
    ekran.savedBitsPerPixel = ekran.bitsPerPixel;

    glutInit(&argc, argv);
    keepExitStatus();
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutInitWindowSize(ekran.width, ekran.height);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("OXA");
    platform::setWindowOpen(true);
    platform::reportFatalXErrors();
    glutDisplayFunc(display);  // the mode switch below already draws a frame
    platform::setInputSource(&platform::windowSystemInput());
    platform::useGlutTimers();

    ekran.readScreenModeFile();
    if (options.windowWidth) {
        ekran.width = options.windowWidth;
        ekran.height = options.windowHeight;
    }
    medium.window = platform::windowId();
    if (introWanted(options)) playStartupFilm(options);
    ekran.takeScreen();
    DisplayRecord::switchMode(ekran);
    ekran.queryMode();
    glEnable(GL_DEPTH_TEST);
    // The menus reach the game only through this flow.
    connectMenus({resumeLevel, [] { quitGame(0); }, drawOneFrame, startChosenLevel});
    loadMainMenu();
    platform::hideSystemCursor();
    medium.screen = ScreenMainMenu;
    startSound(medium.window, !options.noSound, options.soundLog);
    medium.currentLevel = 0;
    medium.countdownActive = 0;
    medium.bonusActive = 0;
    startTimers();

    registerFanout();
    callbackInteractor.keyboardFunc = gameKeyboard;
    addInteractor(&callbackInteractor, true);
    registerGameCallbacks();
    setUpRun(options);

    if (options.viewScene >= 0) startSceneViewer(options.viewScene, options.exitOpen);
    if (options.level) startLevelDirectly(options);

    glutMainLoop();
    quitGame(0);
}
