#include "core/game_flow.h"

#include "core/game_state.h"
#include "core/main_loop.h"

void showMainMenu() {
    medium.screen = ScreenMainMenu;
    drawOneFrame();
}

void freeEverything() {
    // Every asset group frees itself here, guarded by its loaded flags, as the groups
    // come into the game: textures first, then display lists.
}
