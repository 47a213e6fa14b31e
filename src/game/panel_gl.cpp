#include <GL/gl.h>
#include <GL/glu.h>

#include "assets/layout_projection.h"
#include "assets/model_loader.h"
#include "assets/texture_loader.h"
#include "core/game_state.h"
#include "game/kontrol.h"

namespace glh {

namespace {
constexpr int background = 0;
constexpr int firstBucketLamp = 1;
constexpr int firstSpeedLamp = 6;
constexpr int compassDisc = 17;
constexpr int clockFaceElement = 18;
}  // namespace

void Panel::loadTextures() {
    if (loadedFlags.panel.textures) return;
    loadTextureFile("PUL\\BMP_0\\kontnie.srm", lampOff_, panelTextureFilterMode);
    loadTextureFile("PUL\\BMP_0\\kont.srm", lampOn_, panelTextureFilterMode);
    loadTextureFile("PUL\\BMP_0\\zegar.srm", clockFace_, panelTextureFilterMode);
    loadTextureFile("PUL\\BMP_0\\komp.srm", compass_, panelTextureFilterMode);
    loadedFlags.panel.textures = true;
}

void Panel::freeTextures() {
    if (!loadedFlags.panel.textures) return;
    lampOff_.deleteTexture();
    lampOn_.deleteTexture();
    clockFace_.deleteTexture();
    compass_.deleteTexture();
    loadedFlags.panel.textures = false;
}

void Panel::readLayout() {
    // The clock keeps to the window's top left corner, the compass and the speed lamps to
    // the bottom left, the bucket and the bar to the bottom right.
    loadLayoutFile("PUL\\DATA\\kontrolx.mex", elements_, LayoutFit::corners);
}

void Panel::loadLayout() {
    if (!loadedFlags.panel.model) {
        readLayout();
        buildGlyphs();
        loadedFlags.panel.model = true;
    }
    bucket.empty();
    clock.collected = 0;
    clock.gameState = stageRunning;
}

void Panel::freeLayout() {
    if (!loadedFlags.panel.model) return;
    for (auto& list : elements_) list.deleteList();
    for (auto& list : glyphs_) list.deleteList();
    loadedFlags.panel.model = false;
}

void Panel::refitLayout() {
    if (!loadedFlags.panel.model) return;
    for (auto& list : elements_) list.deleteList();
    readLayout();
}

void Panel::buildGlyphs() {
    for (int glyph = 0; glyph < glyphCount; ++glyph) {
        const GlyphCell cell = glyphCell(glyph);
        glyphs_[glyph].newList(GL_COMPILE);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.1f);
        glBegin(GL_QUADS);
        glTexCoord2f(cell.right, cell.bottom);
        glVertex2f(glyphWidth, 0);
        glTexCoord2f(cell.right, cell.top);
        glVertex2f(glyphWidth, glyphHeight);
        glTexCoord2f(cell.left, cell.top);
        glVertex2f(0, glyphHeight);
        glTexCoord2f(cell.left, cell.bottom);
        glVertex2f(0, 0);
        glEnd();
        glyphs_[glyph].endList();
    }
}

void Panel::drawGlyphs(const PanelPlan& plan) {
    clockFace_.bind();
    for (const PanelGlyph& glyph : plan.glyphs) {
        float dx = 0, dy = 0;
        cornerOffset(layoutView(), glyph.x + glyphWidth / 2, glyph.y + glyphHeight / 2, dx, dy);
        glLoadIdentity();
        glTranslatef(glyph.x + dx, glyph.y + dy, 0);
        glyphs_[glyph.glyph].callList();
    }
    glLoadIdentity();
}

void Panel::draw(float speed, float maxSpeed, float compassAngle) {
    const PanelPlan plan = planPanel(bucket, clock, speed, maxSpeed);

    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    loadLayoutProjection();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor3f(1, 1, 1);

    lampOff_.bind();
    elements_[background].callList();

    lampOn_.bind();
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.1f);
    const BarQuad& bar = plan.bar;
    // The bar grows from its foot: its corner is the one its foot is in.
    float dx = 0, dy = 0;
    cornerOffset(layoutView(), (bar.left + bar.right) / 2, bar.bottom, dx, dy);
    glTranslatef(dx, dy, 0);
    glBegin(GL_QUADS);
    glTexCoord2f(bar.texRight, bar.texTop);
    glVertex2f(bar.right, bar.top);
    glTexCoord2f(bar.texLeft, bar.texTop);
    glVertex2f(bar.left, bar.top);
    glTexCoord2f(bar.texLeft, bar.texBottom);
    glVertex2f(bar.left, bar.bottom);
    glTexCoord2f(bar.texRight, bar.texBottom);
    glVertex2f(bar.right, bar.bottom);
    glEnd();
    glLoadIdentity();
    glDisable(GL_BLEND);

    for (int k = 0; k < NectarBucket::slotCount; ++k) {
        (plan.bucketLamps[static_cast<size_t>(k)] ? lampOn_ : lampOff_).bind();
        elements_[firstBucketLamp + k].callList();
    }
    for (int k = 0; k < 3; ++k) {
        (plan.speedLamps[static_cast<size_t>(k)] ? lampOn_ : lampOff_).bind();
        elements_[firstSpeedLamp + k].callList();
    }

    clockFace_.bind();
    elements_[clockFaceElement].callList();

    // The needle is the compass texture turned about its centre.
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(0.5f, 0.5f, 0);
    glRotatef(compassAngle, 0, 0, 1);
    glMatrixMode(GL_MODELVIEW);
    compass_.bind();
    elements_[compassDisc].callList();
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    drawGlyphs(plan);

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
}

}  // namespace glh
