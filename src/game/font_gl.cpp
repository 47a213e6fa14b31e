#include <GL/gl.h>
#include <GL/glu.h>

#include "assets/layout_projection.h"
#include "assets/texture_loader.h"
#include "core/game_state.h"
#include "game/game_font.h"

namespace glh {

void GameFont::loadTextures(int textureFilterMode) {
    if (loadedFlags.font.textures) return;
    loadTextureFile("MOD\\BMP_0\\fontyabc.srm", texture, textureFilterMode);
    loadedFlags.font.textures = true;
}

void GameFont::freeTextures() {
    if (!loadedFlags.font.textures) return;
    texture.deleteTexture();
    loadedFlags.font.textures = false;
}

void GameFont::buildGlyphs() {
    if (loadedFlags.font.model) return;
    using namespace gameFont;
    auto quad = [](float left, float right, float bottom, float top) {
        glBegin(GL_QUADS);
        glTexCoord2f(right, bottom);
        glVertex2f(glyphWidth, 0);
        glTexCoord2f(right, top);
        glVertex2f(glyphWidth, glyphHeight);
        glTexCoord2f(left, top);
        glVertex2f(0, glyphHeight);
        glTexCoord2f(left, bottom);
        glVertex2f(0, 0);
        glEnd();
    };
    for (int glyph = 0; glyph < hyphenGlyph; ++glyph) {
        const GlyphCell cell = glyphCell(glyph);
        glyphs[glyph].newList(GL_COMPILE);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.1f);
        quad(cell.left, cell.right, cell.bottom, cell.top);
        glDisable(GL_ALPHA_TEST);
        glyphs[glyph].endList();
    }
    // The hyphen reaches below the texture, which repeats: the blank's cell, drawn whole
    // without the alpha test, so it shows as a solid block (the name entry's caret).
    glyphs[hyphenGlyph].newList(GL_COMPILE);
    quad(0, cellSize, -cellSize, 0);
    glyphs[hyphenGlyph].endList();
    loadedFlags.font.model = true;
}

void GameFont::freeGlyphs() {
    if (!loadedFlags.font.model) return;
    for (auto& list : glyphs) list.deleteList();
    loadedFlags.font.model = false;
}

void GameFont::drawText(int x, int y, std::string_view text) {
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    loadLayoutProjection();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0);
    texture.bind();
    gameFont::layOutText(text, [this](int glyph, float) {
        glyphs[glyph].callList();
        glTranslatef(gameFont::advance, 0, 0);
    });
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
}

}  // namespace glh
