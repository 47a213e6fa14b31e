#pragma once
// The machine of screens: the level start, the frame of a running level, and tearing
// down what levels and menus loaded.

// Back to the main menu: its layout and textures are loaded (once), screen 1, one frame.
void showMainMenu();

// Continue from the main menu: the level left with Escape runs again, nothing reloaded.
void resumeLevel();

// Perspective of play: 60 degrees vertically (widened on a portrait screen so that it
// holds horizontally), near 0.1, far 450, over the whole display mode.
void setPlayPerspective();

// One frame of a running level: the flight update, then the world.
void playFrame();
// The same frame with nothing of the world drawn (--no-drawing): what the drawing does to
// the game, the chasing butterflies' steps and the fish's jumps, runs in the same order.
void playFrameUndrawn();
// The world in its order: scene, plants, creatures, icons, flowers, sprites, panel, bee.
void drawWorld();

// Frees what the level start loaded (scenes, creatures, bee, flowers, plants, sprites,
// panel, fish); dragonflies and icons stay for the life of the process.
void freeStageAssets();
// Frees the textures, then the display lists, of everything loaded.
void freeEverything();

// Loads again every loaded texture with the current filter mode (the settings screen).
void reloadAllTextures();
