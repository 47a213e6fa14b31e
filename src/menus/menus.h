#pragma once
// The menus as the rest of the game sees them: the flow they need from the game, the
// table of screens they fill in, and the operations that load, free and reload them all.

// What the menus ask of the rest of the game. The menus include nothing of the core's game
// flow: start-up fills this in, tests put in their own.
struct MenuFlow {
    void (*resumeLevel)() = nullptr;  // continue: back into the level left with Escape
    void (*quit)() = nullptr;         // yes to the quit question: desktop mode, free, exit 0
    void (*redraw)() = nullptr;       // one frame at once
    // A level chosen on the level choice: starts it, or goes back to the main menu with the
    // level in progress and the running total as they were when it cannot start.
    bool (*startLevel)(int level) = nullptr;
};

// Puts every menu screen into the table of screens and keeps the flow.
void connectMenus(const MenuFlow& flow);
const MenuFlow& menuFlow();

// Start-up: the main menu's layout and textures, then the pointer image.
void loadMainMenu();

// Back to the main menu: screen 1, its layout and textures loaded (once), one frame.
void returnToMainMenu();

// Every menu screen's textures, then its layout; the loading picture and the countdown are
// not touched. The level choice calls this right before a level starts.
void freeAllMenus();
// The quit path frees every texture of the game before any list: the menus' two halves.
void freeAllMenuTextures();
void freeAllMenuLayouts();
// Frees and loads again every loaded menu texture, so they take a new filter mode.
void reloadMenuTextures();
// Reads every loaded menu layout again, the loading picture's and the countdown's too, for
// a window of another shape: their backdrops reach its edges.
void refitMenuLayouts();

// The loading picture of a level (1 to 10; another number shows no level picture): built,
// made the current screen and drawn once; freed when the level has loaded.
void showLoadingPicture(int level);
void freeLoadingPicture();
void drawLoadingPicture();

// The countdown before play: nothing for a second, then four pictures a second each. The
// stage clock and the bee are held while it runs; it ends when its fifth second is drawn.
void startCountdown();
void countdownSecond();  // the one-second housekeeping tick
void drawCountdown();    // over the world, every frame of play
void freeCountdown();

// After a level: the summary of its points (screen 9), loaded once and kept across levels.
void showSummary();
// The best scores (screen 10) of the current difficulty, with the name entry on the row the
// level end won, if any.
void showRecords();
void typeIntoRecords(unsigned char c);  // every key typed while the best scores show
void recordsSecond();                   // the one-second tick: the caret blinks
