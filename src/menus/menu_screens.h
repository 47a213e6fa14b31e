#pragma once
// The menu screens of the game: the main menu (with the menus' pointer), the quit question
// drawn over it, the controls and help pages, and the credits. Each is one global object.

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "menus/button_row.h"
#include "menus/menu_layouts.h"
#include "menus/menu_screen.h"

namespace glh {

// Screen 1. Its background and button faces are shared: the settings, difficulty and level
// choice screens draw with them while the main menu stays loaded.
class MainMenu : public MenuScreen {
  public:
    MainMenu();
    void draw() override;
    void onHover(float mx, float my) override;
    void onClick() override;

    void loadPointer();
    void drawPointer();

    tex_object_2D background;   // menuonez
    tex_object_2D buttonLit;    // menuonex: the face under the pointer
    tex_object_2D buttonPlain;  // menuoney
    ButtonRow buttons{mainMenu::buttons, 0};

  protected:
    void readTextures(int textureFilterMode) override;
    void deleteTextures() override;
    void readLayout() override;
    void deleteLayout() override;

  private:
    display_list lists_[mainMenu::listCount];
    tex_object_2D pointerTexture_;  // kursor
    display_list pointerList_;
};

// Screen 4: "yes" ends the game, "no" goes back. The main menu shows behind it but takes
// no pointer input meanwhile.
class QuitQuestion : public MenuScreen {
  public:
    QuitQuestion();
    void draw() override;
    void onHover(float mx, float my) override;
    void onClick() override;

    ButtonRow buttons{quitMenu::buttons, 0};

  protected:
    void readTextures(int textureFilterMode) override;
    void deleteTextures() override;
    void readLayout() override;
    void deleteLayout() override;

  private:
    tex_object_2D plain_;  // menuzaky: the dialog and the plain faces
    tex_object_2D lit_;    // menuzakx: the faces under the pointer
    display_list lists_[quitMenu::listCount];
};

// A full-screen page with one button in the bottom right corner ("MEN\DAT\menuste.mex");
// the button is tinted while the pointer is on it.
class PageScreen : public MenuScreen {
  public:
    using MenuScreen::MenuScreen;
    void onHover(float mx, float my) override;

    ButtonRow buttons{pageMenu::buttons, hoverOutside};

  protected:
    void readLayout() override;
    void deleteLayout() override;
    void drawPage(tex_object_2D& page);
    // Frees this screen and goes back to the main menu.
    void leave();

    tex_object_2D buttonFace_;  // menuonex

  private:
    display_list lists_[pageMenu::listCount];
};

// Screen 11: the controls page, then the help page. Every mouse button event counts, press
// and release alike, so one click turns to the help page and the next goes back.
class ControlsPages : public PageScreen {
  public:
    ControlsPages();
    void draw() override;
    void onClick() override;

    int pageCounter = 0;  // 0 the controls page, 1 and 2 the help page

  protected:
    void readTextures(int textureFilterMode) override;
    void deleteTextures() override;
    void readLayout() override;

  private:
    tex_object_2D controls_;  // sterowanie
    tex_object_2D help_;      // help
};

// Screen 12: who made the game.
class CreditsPage : public PageScreen {
  public:
    CreditsPage();
    void draw() override;
    void onClick() override;

  protected:
    void readTextures(int textureFilterMode) override;
    void deleteTextures() override;

  private:
    tex_object_2D credits_;  // autorzy
};

extern MainMenu menu_one;
extern QuitQuestion menu_ko;
extern ControlsPages menu_ste;
extern CreditsPage menu_aut;

}  // namespace glh
