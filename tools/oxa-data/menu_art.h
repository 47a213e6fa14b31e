#pragma once
// The menus' data: the layouts "MEN\DAT\menuone.mex", "menuko.mex" and "menuste.mex", the
// pictures they draw (the main menu's background and button faces, the quit question, the
// controls, help and credits pages), the pointer "PUL\BMP_0\kursor.srm" and the game font
// "MOD\BMP_0\fontyabc.srm". Every button's picture lies on exactly the rectangle the game
// tests the pointer against; every word comes from the table of texts.

#include <string>
#include <vector>

#include "data_tree.h"
#include "layout_writer.h"
#include "menu_pictures.h"
#include "menus/menu_layouts.h"
#include "paint.h"

// Menu pictures are painted at 1024 x 768, one texel a pixel at that screen size, in the
// top rows of a 1024 texture; the layouts show only those rows.
namespace menuCanvas {
inline constexpr int side = 1024;
inline constexpr int width = 1024, height = 768;
inline constexpr float pixelsPerUnit = 12.8f;
}  // namespace menuCanvas

// A button face of an atlas: the screen rectangle it is drawn on and the texture rectangle
// (t up) it shows, of the same proportions at 12.8 texels a menu unit.
struct AtlasButton {
    MenuRect rect;
    float s0, t0, s1, t1;
};

// The main menu's button atlas (menuonex lit, menuoney plain): its seven buttons from the
// top, then the pages' button, then the other screens' back button.
std::vector<AtlasButton> mainButtonAtlas();
// The pages' "OK" face and the back button's face (a "Back" with an arrow) of that atlas,
// both drawn from the lit atlas only and tinted under the pointer.
AtlasButton pageButtonFace();
AtlasButton backButtonFace();

std::vector<LayoutElement> mainMenuLayout();
std::vector<LayoutElement> quitLayout();
std::vector<LayoutElement> pageLayout();

// The textures, t up as they are stored: the main menu's button faces (menuonex lit,
// menuoney plain), the quit question (menuzakx lit, menuzaky plain: the dialog and the
// veil are on the plain one) and the pointer.
Image mainButtonFaces(bool lit);
Image quitFaces(bool lit);
Image pointerPicture();

// Shared with the other screens' art: a full-screen picture's list, a blended list of one
// face, a face's texture rectangle from its pixel box (y down) on an atlas of `side`
// texels and back.
LayoutElement fullScreenLayout();
LayoutElement blendedFace(const AtlasButton& face);
AtlasButton atlasFace(MenuRect rect, Box box, int side);
Box atlasBox(const AtlasButton& face, int side);
// A list of textured quads drawn with `material`.
LayoutElement texturedElement(std::vector<LayoutQuad> quads, LayoutMaterial material);
// The screen rectangle r showing the texels of `box` (pixels, y down) of a picture `side`
// texels wide.
LayoutQuad quadOn(const MenuRect& r, Box box, int side = menuCanvas::side);
// A box of r's size at 12.8 texels a unit, its top left corner at (x, y).
Box sizedBox(const MenuRect& r, float x, float y);

// Adds every menu file. The main menu's background shows a garden, so the gardens must be
// in `files` already.
void addMenus(DataFiles& files);

// The menus again in every other language: each file that comes out different from the
// English one is added under the language's folder ("LANG\PL\", "LANG\DE\", ...) with its
// own name (the game looks there first when it speaks that language). Call after addMenus.
void addLanguageMenus(DataFiles& files);
