#include <cstdio>
#include "assets/display_list.h"
#include "assets/model_loader.h"
#include "assets/tex_object.h"
#include "assets/texture_loader.h"
#include "core/game_state.h"
#include "core/screens.h"
#include "menus/menu_layouts.h"
#include "menus/menu_screen.h"
#include "menus/menus.h"
#include "menus/play_screens.h"

namespace {

// The loading picture: a garden, a frame, and in it the picture of the level that loads.
struct LoadingPicture {
    glh::tex_object_2D background, frame, sheet;
    glh::display_list lists[loadingMenu::listCount];
    glh::display_list picture;
    bool hasPicture = false;

    void build(int level) {
        free();
        const levelPictures::Cell cell = levelPictures::cellOfLevel(level);
        const int filter = medium.textureFilterMode;
        loadTextureFile("MEN\\BMP_0\\menuintz.srm", background, filter);
        loadTextureFile("MEN\\BMP_0\\menuinta.srm", frame, filter);
        loadTextureFile(cell.sheet == 1 ? "MEN\\BMP_0\\menueduk.srm" : "MEN\\BMP_0\\menuzrec.srm",
                        sheet, filter);
        readLayout();
        hasPicture = cell.sheet >= 0;
        if (hasPicture) {
            const MenuRect& r = loadingMenu::pictureRect;
            picture.newList(GL_COMPILE);
            glEnable(GL_ALPHA_TEST);
            glBegin(GL_QUADS);
            glTexCoord2f(cell.s1, cell.t0);
            glVertex2f(r.right, r.bottom);
            glTexCoord2f(cell.s1, cell.t1);
            glVertex2f(r.right, r.top);
            glTexCoord2f(cell.s0, cell.t1);
            glVertex2f(r.left, r.top);
            glTexCoord2f(cell.s0, cell.t0);
            glVertex2f(r.left, r.bottom);
            glEnd();
            glDisable(GL_ALPHA_TEST);
            picture.endList();
        }
        loadedFlags.loading.textures = loadedFlags.loading.model = true;
    }

    void readLayout() { loadLayoutFile("MEN\\DAT\\menuin.mex", lists, LayoutFit::backdrops); }

    void refit() {
        if (!loadedFlags.loading.model) return;
        for (auto& list : lists) list.deleteList();
        readLayout();
    }

    void free() {
        if (!loadedFlags.loading.textures) return;
        background.deleteTexture();
        frame.deleteTexture();
        sheet.deleteTexture();
        for (auto& list : lists) list.deleteList();
        picture.deleteList();
        hasPicture = false;
        loadedFlags.loading.textures = loadedFlags.loading.model = false;
    }

    void draw() {
        if (!loadedFlags.loading.textures) return;
        glh::inOverlay([this] {
            glh::bindBackdrop(background);
            lists[0].callList();
            frame.bind();
            lists[1].callList();
            sheet.bind();
            if (hasPicture) picture.callList();
        });
    }
};

LoadingPicture loading;

// The countdown: four pictures, one a second, after a second of nothing.
struct Countdown {
    glh::tex_object_2D texture;
    glh::display_list lists[countdownMenu::listCount];

    void load() {
        if (!loadedFlags.countdown.textures) {
            loadTextureFile("MEN\\BMP_0\\odliczan.srm", texture, medium.textureFilterMode);
            loadedFlags.countdown.textures = true;
        }
        if (!loadedFlags.countdown.model) {
            readLayout();
            loadedFlags.countdown.model = true;
        }
    }

    void readLayout() { loadLayoutFile("MEN\\DAT\\odliczan.mex", lists, LayoutFit::backdrops); }

    void refit() {
        if (!loadedFlags.countdown.model) return;
        for (auto& list : lists) list.deleteList();
        readLayout();
    }

    void free() {
        if (loadedFlags.countdown.textures) texture.deleteTexture();
        if (loadedFlags.countdown.model)
            for (auto& list : lists) list.deleteList();
        loadedFlags.countdown.textures = loadedFlags.countdown.model = false;
    }
};

Countdown countdown;

}  // namespace

void showLoadingPicture(int level) {
    loading.build(level);
    medium.screen = ScreenLoading;
    if (menuFlow().redraw) menuFlow().redraw();
}

void freeLoadingPicture() {
    loading.free();
}

void drawLoadingPicture() {
    loading.draw();
}

void startCountdown() {
    medium.countdownActive = 1;
    medium.countdownStep = 0;
    countdown.load();
}

void countdownSecond() {
    if (medium.countdownActive == 1) medium.countdownStep += 1;
}

void drawCountdown() {
    if (medium.countdownActive != 1) return;
    if (medium.countdownStep >= 5) {
        countdown.free();
        medium.screen = ScreenPlaying;
        medium.countdownActive = 0;
        return;
    }
    const int list = countdownMenu::listOfStep(medium.countdownStep);
    if (list < 0) return;
    glh::inOverlay([list] {
        countdown.texture.bind();
        countdown.lists[list].callList();
    });
}

void freeCountdown() {
    countdown.free();
}

void refitLoadingAndCountdown() {
    loading.refit();
    countdown.refit();
}
