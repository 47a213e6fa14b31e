#pragma once
// After a level: the summary (9) with the points earned, and the best scores (10) with the
// name entry and a tab for each difficulty.

#include <array>
#include <string>

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/progress_file.h"
#include "menus/button_row.h"
#include "menus/menu_layouts.h"
#include "menus/menu_screen.h"

namespace glh {

class SummaryScreen : public MenuScreen {
  public:
    SummaryScreen();
    void draw() override;
    void onHover(float mx, float my) override;
    void onClick() override;

    ButtonRow buttons{summaryMenu::buttons, hoverOutside};

  protected:
    void readTextures(int textureFilterMode) override;
    void deleteTextures() override;
    void readLayout() override;
    void deleteLayout() override;

  private:
    tex_object_2D pictures_;    // menupods
    tex_object_2D background_;  // menuonez
    display_list lists_[summaryMenu::listCount];
};

// The tabs take whole-number pointer positions inclusively: a rectangle half a unit wider
// on every side holds exactly those positions.
inline constexpr std::array<MenuRect, 4> recordsButtons{{
    recordsMenu::backButton,
    {8.5f, 21.5f, 5.5f, 8.5f},
    {24.5f, 37.5f, 5.5f, 8.5f},
    {40.5f, 53.5f, 5.5f, 8.5f},
}};

class RecordsScreen : public MenuScreen {
  public:
    RecordsScreen();
    void draw() override;
    void onHover(float mx, float my) override;
    void onClick() override;

    // A typed character, for the name entry.
    void type(unsigned char c);
    // The one-second tick: the caret blinks.
    void blink() { caretOn_ = !caretOn_; }
    // Shows the current difficulty's table again (on opening).
    void showTableOfPlay();

    ButtonRow buttons{recordsButtons, hoverOutside};
    // The table on the screen: the table of play, or another difficulty's for looking only.
    const ProgressTable& shownTable() const { return showingOther_ ? other_ : tabwyn; }

  private:
    void endNameEntry();
    void readTextures(int textureFilterMode) override;
    void deleteTextures() override;
    void readLayout() override;
    void deleteLayout() override;

    tex_object_2D background_;  // menuonez
    tex_object_2D backFace_;    // menuonex
    tex_object_2D tabs_;        // poziom
    display_list lists_[recordsMenu::listCount];
    std::array<std::string, 9> suffixes_;
    bool caretOn_ = false;
    bool showingOther_ = false;
    ProgressTable other_;
};

extern SummaryScreen menu_pod;
extern RecordsScreen menu_wyn;

}  // namespace glh
