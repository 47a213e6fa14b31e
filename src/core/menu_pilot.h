#pragma once
// The autopilot's hand in the menus (--autopilot without --level): it moves the pointer to
// a button, waits a moment, clicks it, and waits for the next screen, as a child would. New
// game, the difficulty, the first level; after each level the summary's button; past the
// last level it leaves the bee waiting by the hive until the clock runs out; in the best
// scores it types a name and Enter, then goes back. With more games to play (--games) it
// starts the next one from the main menu at the next difficulty (1, 2, 3, 1, ...); after
// the last one it quits through the question.

#include <vector>

#include "core/replay_format.h"

struct MenuPilot {
    int difficulty = 1;  // the first game's; each further game takes the next one
    int firstLevel = 1;
    int lastLevel = 10;
    int games = 1;  // whole games, one after another, before it quits
    const char* name = "OXA BEE";

    // What the game shows now.
    struct View {
        int screen = 0;
        int currentLevel = 0;
        int editedRow = -1;  // the best-score row whose name is being typed
        int width = 0, height = 0;  // pixels of the game's screen
    };
    // This frame's events; the pointer stays where the last motion put it.
    std::vector<InputEvent> step(const View& view);
    // Play goes on at the current level (the autopilot flies), or the bee waits.
    bool flies(const View& view) const { return view.currentLevel <= lastLevel; }

    // The difficulty of the game being played.
    int gameDifficulty() const { return (difficulty - 1 + gamesDone) % 3 + 1; }

    bool pointed = false;  // the pointer is on the button to click
    int gamesDone = 0;     // games whose last summary was left; the main menu quits at `games`
    bool nameTyped = false;
    int wait = 0;          // frames before the next action
    int cursorX = 0, cursorY = 0;
};

// The middle of the button the pilot wants on this screen, in menu units; false for none.
bool menuPilotTarget(const MenuPilot& pilot, const MenuPilot::View& view, float& mx, float& my);
