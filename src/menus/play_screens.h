#pragma once
// The way into a level: the difficulty screen (5), the level choice (6), the loading picture
// (3) and the countdown drawn over the first seconds of a level.

#include <optional>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/progress_file.h"
#include "menus/button_row.h"
#include "menus/level_buttons.h"
#include "menus/menu_layouts.h"
#include "menus/menu_screen.h"

namespace glh {

class DifficultyScreen : public MenuScreen {
  public:
    DifficultyScreen();
    void draw() override;
    void onHover(float mx, float my) override;
    void onClick() override;

    ButtonRow buttons{difficultyMenu::buttons, hoverOutside};

    // A level left with Escape keeps the difficulty and the table of play it was started
    // with while this screen puts another difficulty's in their place: "continue" puts them
    // back, so the level's win, its unlocks and its next level stay with its own difficulty
    // and file. A level started from the level choice begins a new game and forgets them.
    void putBackTableOfPlay();
    void forgetTableOfPlay() { kept_.reset(); }

  protected:
    void readTextures(int textureFilterMode) override;
    void deleteTextures() override;
    void readLayout() override;
    void deleteLayout() override;

  private:
    struct TableOfPlay {
        int difficulty = 1;
        ProgressTable table;
    };
    std::optional<TableOfPlay> kept_;
    tex_object_2D backFace_;  // menuonex
    tex_object_2D picture_;   // menutryy
    tex_object_2D faces_;     // poziom: normal faces left, highlighted right
    display_list lists_[difficultyMenu::listCount];
};

class LevelChoiceScreen : public MenuScreen {
  public:
    LevelChoiceScreen();
    void draw() override;
    void onHover(float mx, float my) override;
    void onClick() override;

    LevelButtons buttons;

  protected:
    void readTextures(int textureFilterMode) override;
    void deleteTextures() override;
    void readLayout() override;
    void deleteLayout() override;

  private:
    tex_object_2D backFace_;    // menuonex
    tex_object_2D levels_;      // menuzrec: levels 1 to 9
    tex_object_2D lastLevel_;   // menueduk: level 10
    display_list lists_[levelMenu::listCount];
};

extern DifficultyScreen menu_try;
extern LevelChoiceScreen menu_zrec;

}  // namespace glh

// The loading picture's and the countdown's layouts read again for a window of another
// shape, where they are loaded.
void refitLoadingAndCountdown();
