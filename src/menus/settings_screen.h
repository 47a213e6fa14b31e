#pragma once
// Screen 2, the settings: screen size, colour depth, how textures are filtered, and soft
// polygon edges. What is in effect shows yellow.

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "menus/button_row.h"
#include "menus/menu_screen.h"
#include "menus/settings_layout.h"

namespace glh {

class SettingsScreen : public MenuScreen {
  public:
    // What the items do to the rest of the game. The game's own by default; tests put in
    // their own.
    struct Actions {
        void (*switchMode)();      // applies the display record's mode
        void (*readBackMode)();    // reads the mode really in effect into the display record
        void (*reloadTextures)();  // every loaded texture again, with the filter mode
        void (*setSmoothing)(bool on);
    };
    static const Actions gameActions;

    SettingsScreen();
    void draw() override;
    void onHover(float mx, float my) override;
    void onClick() override;

    // The settings as the yellow marks read them.
    static settingsMenu::Current current();

    ButtonRow items{settingsMenu::items, hoverOutside};
    Actions actions = gameActions;

  protected:
    void readTextures(int textureFilterMode) override;
    void deleteTextures() override;
    void readLayout() override;
    void deleteLayout() override;

  private:
    tex_object_2D background_;  // menuustz
    display_list lists_[settingsMenu::listCount];
};

extern SettingsScreen menu_ust;

}  // namespace glh
