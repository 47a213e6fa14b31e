#include "core/menu_pilot.h"

#include <cstring>

#include "assets/layout_view.h"
#include "core/game_state.h"
#include "menus/menu_layouts.h"
#include "menus/score_screens.h"

namespace {

constexpr int settleFrames = 3;   // between pointing and clicking
constexpr int screenFrames = 20;  // after a click, for the next screen

void middle(const MenuRect& r, float& mx, float& my) {
    mx = (r.left + r.right) / 2;
    my = (r.bottom + r.top) / 2;
}

}  // namespace

bool menuPilotTarget(const MenuPilot& pilot, const MenuPilot::View& view, float& mx, float& my) {
    switch (view.screen) {
        case ScreenMainMenu:
            middle(mainMenu::buttons[pilot.gamesDone >= pilot.games ? mainMenu::quit
                                                                    : mainMenu::newGame],
                   mx, my);
            return true;
        case ScreenQuit:
            middle(quitMenu::buttons[quitMenu::yes], mx, my);
            return true;
        case ScreenDifficulty:
            middle(difficultyMenu::buttons[static_cast<size_t>(pilot.gameDifficulty())], mx, my);
            return true;
        case ScreenLevelChoice:
            middle(levelMenu::buttons[static_cast<size_t>(pilot.firstLevel - 1)], mx, my);
            return true;
        case ScreenSummary:
            middle(summaryMenu::buttons[0], mx, my);
            return true;
        case ScreenResults:
            middle(recordsMenu::backButton, mx, my);
            return true;
        default:
            return false;
    }
}

std::vector<InputEvent> MenuPilot::step(const View& view) {
    std::vector<InputEvent> events;
    if (wait > 0) {
        --wait;
        return events;
    }
    if (view.screen == ScreenResults && view.editedRow >= 0 && !nameTyped) {
        for (size_t k = 0; k < std::strlen(name); ++k)
            events.push_back({InputEvent::Key, static_cast<unsigned char>(name[k]), 0, 0});
        events.push_back({InputEvent::Key, 13, 0, 0});
        nameTyped = true;
        wait = screenFrames;
        return events;
    }
    float mx = 0, my = 0;
    if (!menuPilotTarget(*this, view, mx, my)) {
        pointed = false;
        return events;
    }
    int x = 0, y = 0;
    designToWindow(layoutViewOf(view.width, view.height), mx, my, x, y);
    if (!pointed || x != cursorX || y != cursorY) {
        cursorX = x;
        cursorY = y;
        events.push_back({InputEvent::PassiveMotion, x, y});
        pointed = true;
        wait = settleFrames;
        return events;
    }
    // A summary with no level in progress ends the game: the last level was won, or the
    // clock ran out.
    if (view.screen == ScreenSummary && view.currentLevel == 0) ++gamesDone;
    if (view.screen == ScreenMainMenu) nameTyped = false;  // a new game begins
    events.push_back({InputEvent::Button, 0, 0, x, y});    // press
    events.push_back({InputEvent::Button, 0, 1, x, y});    // release
    pointed = false;
    wait = screenFrames;
    return events;
}
