#pragma once
// The face every menu screen shares. A screen owns its textures and layout lists, loads
// and frees them guarded by its two loaded flags, draws itself in the flat overlay, and
// answers the pointer: hover with the pointer in menu units, click with no position at all
// (it acts on what the last hover found under the pointer).

#include <GL/gl.h>
#include <GL/glu.h>

#include "assets/display_list.h"
#include "assets/layout_projection.h"
#include "assets/tex_object.h"
#include "core/game_state.h"

namespace glh {

class MenuScreen {
  public:
    explicit MenuScreen(AssetFlags& flags) : flags_(flags) {}
    MenuScreen(const MenuScreen&) = delete;
    MenuScreen& operator=(const MenuScreen&) = delete;
    virtual ~MenuScreen() = default;

    // Loading a loaded part or freeing a freed one does nothing. Textures load with the
    // current texture filter mode; a freshly loaded layout resets the hover values.
    void loadTextures();
    void freeTextures();
    void loadLayout();
    void freeLayout();
    // A loaded layout read again for a window of another shape (its hover values reset).
    void refitLayout();
    bool texturesLoaded() const { return flags_.textures; }

    virtual void draw() = 0;
    virtual void onHover(float mx, float my) = 0;
    virtual void onClick() = 0;

  protected:
    virtual void readTextures(int textureFilterMode) = 0;
    virtual void deleteTextures() = 0;
    virtual void readLayout() = 0;
    virtual void deleteLayout() = 0;

  private:
    AssetFlags& flags_;
};

// Runs `draw` in the menus' overlay: no depth test, an orthographic projection of the
// window in menu units (the 80 x 60 design in its 4:3 box in the middle), the identity
// model-view, colour white; both matrices are restored after.
template <typename Draw>
void inOverlay(Draw&& draw) {
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    loadLayoutProjection();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor3f(1, 1, 1);
    draw();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}

// Binds a full-screen picture, clamped at its texture's edges: where a wide or tall window
// shows its margins beside the box, its edge does not blend with its opposite edge.
void bindBackdrop(tex_object_2D& picture);

// The tint of a button under the pointer: a warm yellow.
inline constexpr float underPointerTint[3] = {1, 0.992f, 0.729f};

// Calls a button's list with its normal face, or with its highlighted face, which lies half
// a texture to the right of the normal one.
void drawLitOrPlain(const display_list& list, bool lit);

// The hover chime, once for every button the pointer has just entered.
void chime(int buttonsEntered);

}  // namespace glh
