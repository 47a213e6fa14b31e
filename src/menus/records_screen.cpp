#include <string>

#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "game/game_font.h"
#include "menus/menus.h"
#include "menus/records_rules.h"
#include "menus/score_screens.h"

namespace glh {

RecordsScreen::RecordsScreen() : MenuScreen(loadedFlags.results) {}

void RecordsScreen::readTextures(int textureFilterMode) {
    loadTextureFile("MEN\\BMP_0\\menuonez.srm", background_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\menuonex.srm", backFace_, textureFilterMode);
    loadTextureFile("MEN\\BMP_0\\poziom.srm", tabs_, textureFilterMode);
    gl_fonty.loadTextures(textureFilterMode);
}

void RecordsScreen::deleteTextures() {
    background_.deleteTexture();
    backFace_.deleteTexture();
    tabs_.deleteTexture();
    if (!loadedFlags.summary.textures) gl_fonty.freeTextures();
}

void RecordsScreen::readLayout() {
    loadLayoutFile("MEN\\DAT\\menuwyn.mex", lists_, LayoutFit::backdrops);
    gl_fonty.buildGlyphs();
    buttons.setAll(hoverOutside);
}

void RecordsScreen::deleteLayout() {
    for (auto& list : lists_) list.deleteList();
    if (!loadedFlags.summary.model) gl_fonty.freeGlyphs();
}

void RecordsScreen::showTableOfPlay() {
    showingOther_ = false;
    suffixes_.fill("");
}

void RecordsScreen::draw() {
    inOverlay([this] {
        bindBackdrop(background_);
        lists_[recordsMenu::backgroundList].callList();
        // A light board under the rows, so that the names read well over the garden.
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4f(1, 0.98f, 0.88f, 0.8f);
        glBegin(GL_QUADS);
        glVertex2f(3, 9.5f);
        glVertex2f(70, 9.5f);
        glVertex2f(70, 56.5f);
        glVertex2f(3, 56.5f);
        glEnd();
        glDisable(GL_BLEND);
        glEnable(GL_TEXTURE_2D);
        glColor3f(1, 1, 1);
        tabs_.bind();
        for (int k = 0; k < 3; ++k)
            drawLitOrPlain(lists_[recordsMenu::firstTabList + k], buttons.lit(k + 1));
        backFace_.bind();
        if (buttons.under(recordsMenu::back)) glColor3fv(underPointerTint);
        lists_[recordsMenu::backList].callList();
        glColor3f(1, 1, 1);
    });
    const int edited = opera.editedRow;
    if (edited >= 0 && edited < 9) suffixes_[static_cast<size_t>(edited)] = caretOn_ ? "-" : "";
    const ProgressTable& table = shownTable();
    for (int k = 1; k <= 9; ++k) {
        const auto row = static_cast<size_t>(k - 1);
        gl_fonty.drawText(recordsMenu::rowX, recordsMenu::rowY(k),
                          recordsRowText(k, table.names[row], suffixes_[row], table.scores[row]));
    }
}

void RecordsScreen::onHover(float mx, float my) {
    chime(buttons.hover(mx, my));
}

void RecordsScreen::endNameEntry() {
    if (opera.editedRow < 0) return;
    writeProgress(medium.difficulty, tabwyn);
    opera.editedRow = -1;
}

void RecordsScreen::onClick() {
    const int button = buttons.clicked();
    if (button < 0) return;
    endNameEntry();
    if (button == recordsMenu::back) {
        freeTextures();
        freeLayout();
        buttons.setAll(hoverOutside);
        showTableOfPlay();
        returnToMainMenu();
        return;
    }
    // Another difficulty's table is read for looking only: the table of play, and the
    // difficulty, stay as they are.
    if (button == medium.difficulty) {
        showingOther_ = false;
        return;
    }
    readProgressForPlay(other_, button);
    showingOther_ = true;
}

void RecordsScreen::type(unsigned char c) {
    const int row = opera.editedRow;
    if (row < 0 || row >= 9 || showingOther_) return;
    if (typeIntoName(tabwyn.names[static_cast<size_t>(row)], c) == NameKey::finished) {
        suffixes_[static_cast<size_t>(row)] = "";
        opera.editedRow = -1;
        writeProgress(medium.difficulty, tabwyn);
    }
}

RecordsScreen menu_wyn;

}  // namespace glh

void showRecords() {
    glh::menu_wyn.showTableOfPlay();
    if (medium.screen == ScreenMainMenu && opera.editedRow < 0) {
        // From the main menu: the current difficulty's table as the file keeps it.
        readProgressForPlay(tabwyn, medium.difficulty);
    }
    glh::menu_wyn.loadTextures();
    glh::menu_wyn.loadLayout();
    medium.screen = ScreenResults;
    if (menuFlow().redraw) menuFlow().redraw();
}

void typeIntoRecords(unsigned char c) {
    glh::menu_wyn.type(c);
}

void recordsSecond() {
    if (medium.screen == ScreenResults) glh::menu_wyn.blink();
}
