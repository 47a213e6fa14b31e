#include "core/input_handlers.h"

#include "__SNG/sound_table.h"
#include "assets/layout_view.h"
#include "core/display_record.h"
#include "core/game_flow.h"
#include "core/screens.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "menus/menu_pointer.h"
#include "menus/menus.h"
#include "platform/window.h"

ScreenHandlers screenHandlers[screenCount];

const ScreenHandlers* currentScreenHandlers() {
    if (medium.screen < 0 || medium.screen >= screenCount) return nullptr;
    return &screenHandlers[medium.screen];
}

void toMenuUnits(int x, int y, float& mx, float& my) {
    windowToDesign(layoutViewOf(ekran.width, ekran.height), x, y, mx, my);
}

void gameKeyboard(unsigned char key, int x, int y) {
    (void)x;
    (void)y;
    if (key == '!') medium.showFps = !medium.showFps;
    if (key == '6') playEffect(SlotBounce);
    if (medium.screen == ScreenPlaying && key == 27) {
        medium.countdownActive = 0;
        glh::kontrol.clock.gameState =
            stageStopped;  // the level stays loaded; "continue" resumes it
        showMainMenu();
    }
    // The best scores' name entry hears every key after the two above: a '!' typed into a
    // name also shows the frame rate, a '6' also bounces.
    if (medium.screen == ScreenResults) typeIntoRecords(key);
    platform::postRedisplay();
}

void gamePassiveMotion(int x, int y) {
    static int previousY = 0;  // kept across levels
    if (medium.screen == ScreenPlaying) {
        glh::kamera.verticalMouseDirection = y > previousY ? 1 : (y == previousY ? 0 : -1);
        previousY = y;
        return;
    }
    float mx = 0, my = 0;
    toMenuUnits(x, y, mx, my);
    menuPointer.x = mx;
    menuPointer.y = my;
    const ScreenHandlers* handlers = currentScreenHandlers();
    if (!handlers) return;
    if (handlers->hover) handlers->hover(mx, my);
    if (handlers->hoverWhole) handlers->hoverWhole(static_cast<int>(mx), static_cast<int>(my));
}

void gameMouse(int button, int state, int x, int y) {
    if (medium.screen == ScreenPlaying) return;
    const ScreenHandlers* handlers = currentScreenHandlers();
    if (handlers && handlers->click) handlers->click(button, state, x, y);
}
