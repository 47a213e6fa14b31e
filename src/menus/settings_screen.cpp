#include "menus/settings_screen.h"

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "core/display_record.h"
#include "core/game_flow.h"
#include "menus/menu_screens.h"
#include "menus/menus.h"

namespace glh {

namespace {

void switchToWantedMode() {
    DisplayRecord::switchMode(ekran);
}

void readBackMode() {
    ekran.queryMode();
}

void setPolygonSmoothing(bool on) {
    if (on)
        glEnable(GL_POLYGON_SMOOTH);
    else
        glDisable(GL_POLYGON_SMOOTH);
}

constexpr float yellow[3] = {1, 1, 0};

}  // namespace

const SettingsScreen::Actions SettingsScreen::gameActions = {
    switchToWantedMode, readBackMode, reloadAllTextures, setPolygonSmoothing};

SettingsScreen menu_ust;

SettingsScreen::SettingsScreen() : MenuScreen(loadedFlags.settings) {}

settingsMenu::Current SettingsScreen::current() {
    return {ekran.width, ekran.height, ekran.bitsPerPixel, medium.textureFilterMode,
            opera.smoothing};
}

void SettingsScreen::readTextures(int textureFilterMode) {
    loadTextureFile("MEN\\BMP_0\\menuustz.srm", background_, textureFilterMode);
}

void SettingsScreen::deleteTextures() {
    background_.deleteTexture();
}

void SettingsScreen::readLayout() {
    loadLayoutFile("MEN\\DAT\\menuust.mex", lists_, LayoutFit::backdrops);
    items.setAll(hoverOutside);
}

void SettingsScreen::deleteLayout() {
    for (auto& list : lists_) list.deleteList();
}

void SettingsScreen::draw() {
    // The item faces are the main menu's, which stays loaded behind this screen.
    inOverlay([this] {
        bindBackdrop(background_);
        lists_[settingsMenu::backgroundList].callList();
        const settingsMenu::Current now = current();
        for (int k = 0; k < settingsMenu::itemCount; ++k) {
            if (settingsMenu::shownYellow(k, now)) glColor3fv(yellow);
            (items.lit(k) ? menu_one.buttonLit : menu_one.buttonPlain).bind();
            lists_[settingsMenu::firstItemList + k].callList();
            glColor3f(1, 1, 1);
        }
    });
}

void SettingsScreen::onHover(float mx, float my) {
    chime(items.hover(mx, my));
}

void SettingsScreen::onClick() {
    using namespace settingsMenu;
    const int item = items.clicked();
    if (item < 0) return;
    if (item <= res1024) {
        const Resolution r = resolutions[static_cast<size_t>(item - res640)];
        ekran.width = r.width;
        ekran.height = r.height;
        actions.switchMode();
        // Whatever the switch achieved, the marks show the mode in effect.
        actions.readBackMode();
    } else if (item <= depth32) {
        ekran.bitsPerPixel = depths[static_cast<size_t>(item - depth16)];
        actions.switchMode();
        actions.reloadTextures();
    } else if (item <= filter3) {
        medium.textureFilterMode = filterModes[static_cast<size_t>(item - filter0)];
        actions.reloadTextures();
    } else if (item == smoothingOn || item == smoothingOff) {
        const bool on = item == smoothingOn;
        actions.setSmoothing(on);
        opera.smoothing = on ? 1 : 0;
    } else {
        freeLayout();
        freeTextures();
        returnToMainMenu();
    }
    items.setAll(hoverOutside);
}

}  // namespace glh
