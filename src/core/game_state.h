#pragma once
// The small core records every part of the game reads: the screen and settings
// (`medium`), the score tally (`opera`) and the loaded flags of every asset group.

#include <string>

// Screens (values of medium.screen).
enum Screen : int {
    ScreenPlaying = 0,
    ScreenMainMenu = 1,
    ScreenSettings = 2,
    ScreenLoading = 3,
    ScreenQuit = 4,
    ScreenDifficulty = 5,
    ScreenLevelChoice = 6,
    ScreenSummary = 9,
    ScreenResults = 10,
    ScreenControls = 11,
    ScreenCredits = 12,
};
constexpr int screenCount = 13;

// Lifetime: the whole process; nothing resets it between levels.
struct Medium {
    int difficulty = 1;          // 1 to 3
    int textureFilterMode = 1;   // 0 to 3, passed to every texture load
    int screen = ScreenPlaying;  // start-up sets the main menu
    float frameCounter = 0;      // idle calls since the last housekeeping tick
    std::string fpsText;         // the last second's idle count
    bool showFps = false;        // toggled by '!'
    unsigned long window = 0;    // the game window (X window id)
    int currentLevel = 0;        // 1 to 10 while a level is in progress, else 0
    int countdownActive = 0;     // 1 while the countdown before play runs
    int countdownStep = 0;       // whole seconds of the countdown; play begins at 5
    int bonusActive = 0;         // 1 while a speed icon's boost runs
};

// Lifetime: the whole process.
struct Opera {
    int total = 0;       // running score of the game
    int editedRow = -1;  // best-score row whose name is being typed, -1 for none
    int exitOpen = 0;    // 1 once the level's exit is open
    int smoothing = 0;   // polygon smoothing chosen on the settings screen
};

// Two flags per asset group: its textures are loaded, its model (or layout) is loaded.
// Every load does nothing when its flag is set; every free does nothing when it is clear.
struct AssetFlags {
    bool textures = false;
    bool model = false;
};

constexpr int sceneCount = 18;  // scenes 00-10 and 20-26, in that order

struct LoadedFlags {
    AssetFlags plants, sprites, butterflies, dragonflies, fish, icons, flowers, bee, panel, font;
    AssetFlags mainMenu, settings, difficulty, levelChoice, loading, quit, countdown, summary,
        results, controls, credits;
    AssetFlags scenes[sceneCount];
};

extern Medium medium;
extern Opera opera;
extern LoadedFlags loadedFlags;
