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
//
// It is the first thing drawn at a level start, and on Mesa's software renderer each new
// combination of GL state costs a shader compiled on its first use (tens of milliseconds).
// So the opaque layers (RGB files: the garden and the level's picture) are kept with an
// alpha of 255 and drawn in the frame's own state, blending on: their pixels are the same,
// and the whole picture costs one shader instead of three (the pointer drawn over it, without
// the alpha test, one more).
struct LoadingPicture {
    glh::tex_object_2D background, frame, sheet;
    glh::display_list lists[loadingMenu::listCount];
    glh::display_list picture;
    bool hasPicture = false;
    bool opaqueBackground = false, opaqueSheet = false;

    void build(int level) {
        free();
        const levelPictures::Cell cell = levelPictures::cellOfLevel(level);
        const int filter = medium.textureFilterMode;
        opaqueBackground = loadTextureFile("MEN\\BMP_0\\menuintz.srm", background, filter,
                                           TextureAlpha::Always) == TextureKind::Opaque;
        loadTextureFile("MEN\\BMP_0\\menuinta.srm", frame, filter);
        opaqueSheet = loadTextureFile(
                          cell.sheet == 1 ? "MEN\\BMP_0\\menueduk.srm" : "MEN\\BMP_0\\menuzrec.srm",
                          sheet, filter, TextureAlpha::Always) == TextureKind::Opaque;
        readLayout();
        hasPicture = cell.sheet >= 0;
        if (hasPicture) {
            const MenuRect& r = loadingMenu::pictureRect;
            picture.newList(GL_COMPILE);
            // An opaque sheet has nothing for the alpha test to take away.
            if (!opaqueSheet) glEnable(GL_ALPHA_TEST);
            glBegin(GL_QUADS);
            // Three coordinates, as the layout files' lists have: one vertex format for all.
            glTexCoord2f(cell.s1, cell.t0);
            glVertex3f(r.right, r.bottom, 0);
            glTexCoord2f(cell.s1, cell.t1);
            glVertex3f(r.right, r.top, 0);
            glTexCoord2f(cell.s0, cell.t1);
            glVertex3f(r.left, r.top, 0);
            glTexCoord2f(cell.s0, cell.t0);
            glVertex3f(r.left, r.bottom, 0);
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
            drawBlended(opaqueBackground, lists[0]);
            frame.bind();
            lists[1].callList();
            sheet.bind();
            if (hasPicture) drawBlended(opaqueSheet, picture);
        });
    }

    // An opaque layer in the frame's state: blending on with the one blend function the game
    // uses. Blending is left on or off as it was found.
    static void drawBlended(bool opaque, const glh::display_list& list) {
        if (!opaque) {
            list.callList();
            return;
        }
        const bool blending = glIsEnabled(GL_BLEND);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        list.callList();
        if (!blending) glDisable(GL_BLEND);
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
