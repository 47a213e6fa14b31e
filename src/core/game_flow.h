#pragma once
// Moving between screens, and tearing down what levels and menus loaded.

// Back to the main menu: its layout and textures are loaded (once), screen 1, one frame.
void showMainMenu();

// Frees every scene, object and menu asset that is loaded.
void freeEverything();
