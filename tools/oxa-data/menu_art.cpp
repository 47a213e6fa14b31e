#include "menu_art.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "art_tools.h"
#include "backdrop.h"
#include "font_texture.h"
#include "menu_pages.h"
#include "menu_pictures.h"
#include "play_menu_art.h"
#include "preview.h"
#include "score_menu_art.h"
#include "settings_art.h"
#include "srm_writer.h"
#include "text_art.h"
#include "text_table.h"

namespace {

using menuCanvas::pixelsPerUnit;
constexpr Colour clear{0, 0, 0, 0};
const Colour ink = hex(0x3e2723);

// Texture rectangle (t up) of a box of an upright picture of `side` texels.
AtlasButton onAtlas(MenuRect rect, Box box, int side) {
    const auto s = static_cast<float>(side);
    return {rect, box.x0 / s, 1 - box.y1 / s, box.x1 / s, 1 - box.y0 / s};
}

LayoutQuad quadOf(const AtlasButton& button) {
    const MenuRect& r = button.rect;
    return layoutRect(r.left, r.bottom, r.right, r.top, button.s0, button.t0, button.s1, button.t1);
}

LayoutElement blended(std::vector<LayoutQuad> quads) {
    return {std::move(quads), LayoutMaterial::blended, layoutTextured};
}

// A full-screen picture painted in the top 1024 x 768 texels, and its margins beside the box
// (backdrop.h).
LayoutElement fullScreenPicture() {
    const float bottom = 1 - static_cast<float>(menuCanvas::height) / menuCanvas::side;
    std::vector<LayoutQuad> quads{layoutRect(0, 0, 80, 60, 0, bottom, 1, 1)};
    for (const LayoutQuad& margin : marginQuads()) quads.push_back(margin);
    return {std::move(quads), LayoutMaterial::plain, layoutTextured};
}

// Lays the button faces out in rows on an atlas of `side` texels, 12.8 texels a unit.
std::vector<AtlasButton> packButtons(const std::vector<MenuRect>& rects, int side) {
    constexpr float gap = 8;
    std::vector<AtlasButton> atlas;
    float x = gap, y = gap, rowHeight = 0;
    for (const MenuRect& r : rects) {
        const float w = (r.right - r.left) * pixelsPerUnit, h = (r.top - r.bottom) * pixelsPerUnit;
        if (x + w + gap > static_cast<float>(side)) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        if (y + h + gap > static_cast<float>(side)) throw std::length_error("button atlas full");
        atlas.push_back(onAtlas(r, {x, y, x + w, y + h}, side));
        x += w + gap;
        rowHeight = std::max(rowHeight, h);
    }
    return atlas;
}

Box pixelsOf(const AtlasButton& button, int side) {
    const auto s = static_cast<float>(side);
    return {button.s0 * s, (1 - button.t1) * s, button.s1 * s, (1 - button.t0) * s};
}

// How a button face looks, plain or under the pointer.
struct FaceStyle {
    Colour edge, top, bottom;
    TextStyle text;
};

// A rounded plate filling the face's box (a texel short of its edges, so that filtering
// never reaches a neighbour) with its word in the middle, or beside its sign.
void paintFace(Image& image, Box box, const std::string& word, const FaceStyle& style,
               ButtonIcon icon = ButtonIcon::none) {
    const Box face = box.grown(-2);
    const float radius = face.h() * 0.38f;
    const float edge = std::max(3.0f, face.h() * 0.07f);
    plate(image, face, radius, edge, style.edge, style.top, style.bottom);
    // A shine along the top.
    const Box shine{face.x0 + radius * 0.8f, face.y0 + edge * 1.6f, face.x1 - radius * 0.8f,
                    face.y0 + face.h() * 0.3f};
    fillRegion(image, shine.x0, shine.y0, shine.x1, shine.y1, roundedBox(shine, shine.h() / 2),
               [](float, float) {
                   return Colour{1, 1, 1, 0.35f};
               });
    float left = face.x0 + radius * 0.6f;
    if (icon == ButtonIcon::back) {  // the small back button: a smaller arrow, closer in
        paintButtonIcon(image, icon, face.x0 + edge + face.h() * 0.42f, face.cy(), face.h() * 0.6f);
        left = face.x0 + edge + face.h() * 0.8f;
    } else if (icon != ButtonIcon::none) {
        const float size = face.h() * 0.72f;
        paintButtonIcon(image, icon, face.x0 + edge + face.h() * 0.55f, face.cy(), size);
        left = face.x0 + edge + face.h() * 1.05f;
    }
    const float right = face.x1 - radius * 0.6f;
    // The word keeps off the sign and inside the plate's rim.
    const TextRoom room(
        {icon != ButtonIcon::none ? left - face.h() * 0.1f : face.x0 + radius * 0.3f,
         face.y0 + edge, face.x1 - radius * 0.3f, face.y1 - edge});
    const TextMask text = setTextToFit(word, face.h() * 0.46f, right - left);
    paintTextCentred(image, text, (left + right) / 2, face.cy() + face.h() * 0.01f, style.text);
}

// The signs of the main menu's buttons from the top.
constexpr ButtonIcon mainMenuIcons[mainMenu::buttonCount] = {
    ButtonIcon::bee, ButtonIcon::play,  ButtonIcon::gear, ButtonIcon::mouse,
    ButtonIcon::cup, ButtonIcon::heart, ButtonIcon::door};

const FaceStyle plainButton{
    hex(0x8d6e63), hex(0xfffde7), hex(0xffe082), {hex(0x4e342e), hex(0x3e2723), hex(0xffffff), 0}};
const FaceStyle litButton{
    hex(0xffffff), hex(0xffca28), hex(0xf57c00), {hex(0xffffff), hex(0xfff9c4), ink, 3.5f}};
// The pages' button is only ever drawn from the lit atlas, tinted yellow under the pointer:
// sky blue, which the tint turns green.
const FaceStyle pageButton{hex(0x0d47a1),
                           hex(0xe3f2fd),
                           hex(0x64b5f6),
                           {hex(0xffffff), hex(0xffffff), hex(0x0d47a1), 3.5f}};

std::vector<MenuRect> mainButtonRects() {
    std::vector<MenuRect> rects(mainMenu::buttons.begin(), mainMenu::buttons.end());
    rects.push_back(pageMenu::buttons[0]);
    rects.push_back(difficultyMenu::buttons[difficultyMenu::back]);
    return rects;
}

}  // namespace

Image mainButtonFaces(bool lit) {
    const MenuTexts& texts = menuTexts();
    Image image(menuCanvas::side, clear);
    const auto atlas = mainButtonAtlas();
    for (int k = 0; k < mainMenu::buttonCount; ++k) {
        paintFace(image, pixelsOf(atlas[static_cast<size_t>(k)], image.side()),
                  texts.mainMenuButtons.at(static_cast<size_t>(k)), lit ? litButton : plainButton,
                  mainMenuIcons[k]);
    }
    paintFace(image, pixelsOf(pageButtonFace(), image.side()), texts.pageButton, pageButton);
    paintFace(image, pixelsOf(backButtonFace(), image.side()), texts.backButton, pageButton,
              ButtonIcon::back);
    paintSettingsFaces(image, lit);
    bleedColours(image);
    return flipped(image);
}

namespace {

// The light veil behind the main menu's buttons, by the column (pixels of the 4:3 picture;
// the margin on the left lies below 0).
float buttonVeil(float x) {
    const float edge = 47 * pixelsPerUnit;
    return 0.35f * (1 - smoothstep(edge - 120, edge + 40, x));
}

// The main menu's picture: a garden with the hive, the game's name and the bee.
Image mainBackground(const std::vector<Colour>& garden) {
    const MenuTexts& texts = menuTexts();
    Image image(menuCanvas::side);
    for (int y = 0; y < menuCanvas::side; ++y) {
        const int row = std::min(y, menuCanvas::height - 1);  // the spare rows repeat the last
        for (int x = 0; x < menuCanvas::width; ++x)
            image.at(x, y) = garden[static_cast<size_t>(row * menuCanvas::width + x)];
    }
    // The buttons' side is calmer: a light veil behind them.
    image.layer([&](float u, float v, Colour under) {
        const float x = u * menuCanvas::side, y = v * menuCanvas::side;
        if (y >= static_cast<float>(menuCanvas::height)) return under;
        return mix(under, hex(0xfffde7), buttonVeil(x));
    });
    // The name, large, in honey colours, with the bee flying past it.
    const Box title{48 * pixelsPerUnit, 2 * pixelsPerUnit, 79 * pixelsPerUnit, 20 * pixelsPerUnit};
    {
        const TextRoom room(title);
        const TextMask name = setTextToFit(texts.title, 9.5f * pixelsPerUnit, title.w() * 0.8f);
        paintTextCentred(image, name, title.cx() - 1.5f * pixelsPerUnit, title.cy(),
                         {hex(0xffee58), hex(0xff8f00), ink, 9});
    }
    // The subtitle under the name, right of the buttons and above the hive.
    const TextRoom room({title.x0 - 0.5f * pixelsPerUnit, title.y1,
                         static_cast<float>(menuCanvas::width), title.y1 + 4 * pixelsPerUnit});
    const TextMask subtitle = setTextToFit(texts.subtitle, 2.2f * pixelsPerUnit, title.w());
    paintTextCentred(image, subtitle, title.cx(), title.y1 + 1.6f * pixelsPerUnit,
                     {hex(0xffffff), hex(0xfff9c4), ink, 4});
    paintBee(image, 72.5f * pixelsPerUnit, 7 * pixelsPerUnit, 10 * pixelsPerUnit);
    return flipped(image);
}

// The quit question's atlas, 12.8 texels a unit like the main menu's: the dialog, a patch of
// the veil that dims the main menu behind it, and the two buttons.
namespace quitAtlas {
constexpr int side = 512;
constexpr MenuRect dialog{20, 60, 19.5f, 43.5f};
constexpr Box dialogBox{8, 8, 8 + 40 * pixelsPerUnit, 8 + 24 * pixelsPerUnit};
constexpr Box veilBox{8, 360, 40, 392};
}  // namespace quitAtlas

std::vector<AtlasButton> quitButtons() {
    const float y = 410;
    std::vector<AtlasButton> buttons;
    float x = 8;
    for (const MenuRect& r : quitMenu::buttons) {
        const float w = (r.right - r.left) * pixelsPerUnit, h = (r.top - r.bottom) * pixelsPerUnit;
        buttons.push_back(onAtlas(r, {x, y, x + w, y + h}, quitAtlas::side));
        x += w + 16;
    }
    return buttons;
}

}  // namespace

Image quitFaces(bool lit) {
    const MenuTexts& texts = menuTexts();
    Image image(quitAtlas::side, clear);
    const auto buttons = quitButtons();
    const FaceStyle yesStyle = lit ? FaceStyle{hex(0xffffff),
                                               hex(0x81c784),
                                               hex(0x2e7d32),
                                               {hex(0xffffff), hex(0xf1f8e9), ink, 3}}
                                   : FaceStyle{hex(0x2e7d32),
                                               hex(0xf1f8e9),
                                               hex(0xa5d6a7),
                                               {hex(0x1b5e20), hex(0x1b5e20), hex(0xffffff), 0}};
    const FaceStyle noStyle = lit ? FaceStyle{hex(0xffffff),
                                              hex(0xef9a9a),
                                              hex(0xc62828),
                                              {hex(0xffffff), hex(0xffebee), ink, 3}}
                                  : FaceStyle{hex(0xc62828),
                                              hex(0xffebee),
                                              hex(0xef9a9a),
                                              {hex(0xb71c1c), hex(0xb71c1c), hex(0xffffff), 0}};
    paintFace(image, pixelsOf(buttons[quitMenu::yes], image.side()), texts.yes, yesStyle);
    paintFace(image, pixelsOf(buttons[quitMenu::no], image.side()), texts.no, noStyle);
    if (!lit) {
        const Box d = quitAtlas::dialogBox;
        shadow(image, d.grown(-10), 40, 8, 0.45f);
        plate(image, d.grown(-10), 40, 10, hex(0xff8f00), hex(0xfffde7), hex(0xffecb3));
        // The bee asks the question over the buttons.
        const float unitTop = quitAtlas::dialog.top;
        auto rowOf = [&](float unitY) { return d.y0 + (unitTop - unitY) * pixelsPerUnit; };
        paintBee(image, d.cx() - 0.6f * pixelsPerUnit, rowOf(38.8f), 6.5f * pixelsPerUnit);
        // Between the bee and the buttons, inside the card's rim.
        const TextRoom room({d.x0 + 20, rowOf(35.6f), d.x1 - 20, rowOf(quitMenu::buttons[0].top)});
        const TextMask question = setTextToFit(texts.quitQuestion, 3 * pixelsPerUnit, d.w() - 60);
        paintTextCentred(image, question, d.cx(), rowOf(32),
                         {hex(0x5d4037), ink, hex(0xffffff), 0});
        const Box v = quitAtlas::veilBox;
        image.rect(v.x0, v.y0, v.x1, v.y1, {0.15f, 0.08f, 0.02f, 1}, 0.1f);
        for (int y = static_cast<int>(v.y0); y < static_cast<int>(v.y1); ++y) {
            for (int x = static_cast<int>(v.x0); x < static_cast<int>(v.x1); ++x)
                image.at(x, y).a = 0.4f;
        }
    }
    bleedColours(image);
    return flipped(image);
}

Image pointerPicture() {
    Image image(128, clear);
    // The tip 2 units in from the left and 1 down from the top of the 5 x 5 picture.
    paintPointerArrow(image, 0.4f * 128, 0.2f * 128, 0.7f * 128);
    bleedColours(image);
    return flipped(image);
}

namespace {

// The garden behind the menus: the bee's eye view of the meadow of scene 7, the hive on the
// right.
const WideGarden& menuGarden(const DataFiles& files) {
    return wideGarden(files, 7, {-0.1f, 0.42f, 1.6f}, {-1.5f, 0.62f, -1.45f}, 2);
}

}  // namespace

std::vector<AtlasButton> mainButtonAtlas() {
    return packButtons(mainButtonRects(), menuCanvas::side);
}

AtlasButton pageButtonFace() {
    return mainButtonAtlas()[mainMenu::buttonCount];
}

AtlasButton backButtonFace() {
    return mainButtonAtlas()[mainMenu::buttonCount + 1];
}

std::vector<LayoutElement> mainMenuLayout() {
    std::vector<LayoutElement> elements(mainMenu::listCount);
    elements[mainMenu::backgroundList] = fullScreenPicture();
    const auto atlas = mainButtonAtlas();
    for (int k = 0; k < mainMenu::buttonCount; ++k)
        elements[static_cast<size_t>(mainMenu::firstButtonList + k)] =
            blended({quadOf(atlas[static_cast<size_t>(k)])});
    return elements;
}

std::vector<LayoutElement> quitLayout() {
    std::vector<LayoutElement> elements(quitMenu::listCount);
    const auto buttons = quitButtons();
    elements[quitMenu::yesList] = blended({quadOf(buttons[quitMenu::yes])});
    elements[quitMenu::noList] = blended({quadOf(buttons[quitMenu::no])});
    // The veil over the whole screen, and far beyond it for any window, takes one texel from
    // the middle of its patch.
    const AtlasButton veil = onAtlas(fullScreenRect, quitAtlas::veilBox, quitAtlas::side);
    const float s = (veil.s0 + veil.s1) / 2, t = (veil.t0 + veil.t1) / 2;
    elements[quitMenu::dialogList] =
        blended({layoutRect(-400, -300, 480, 360, s, t, s, t),
                 quadOf(onAtlas(quitAtlas::dialog, quitAtlas::dialogBox, quitAtlas::side))});
    return elements;
}

std::vector<LayoutElement> pageLayout() {
    std::vector<LayoutElement> elements(pageMenu::listCount);
    elements[pageMenu::pageList] = fullScreenPicture();
    elements[pageMenu::buttonList] = blended({quadOf(pageButtonFace())});
    return elements;
}

void addMenus(DataFiles& files) {
    files["MEN\\DAT\\menuone.mex"] = encodeLayout(mainMenuLayout());
    files["MEN\\DAT\\menuko.mex"] = encodeLayout(quitLayout());
    files["MEN\\DAT\\menuste.mex"] = encodeLayout(pageLayout());

    const WideGarden& wide = menuGarden(files);
    const std::vector<Colour> garden = wide.box();
    auto veiled = [](Colour g, float x, float) {
        return mix(g, hex(0xfffde7), buttonVeil(x * pixelsPerUnit));
    };
    auto softened = [](Colour g, float, float) { return softenedGarden(g); };
    files["MEN\\BMP_0\\menuonez.srm"] =
        encodeTexture(withMargins(mainBackground(garden), wide, veiled), false);
    files["MEN\\BMP_0\\menuonex.srm"] = encodeTexture(mainButtonFaces(true), true);
    files["MEN\\BMP_0\\menuoney.srm"] = encodeTexture(mainButtonFaces(false), true);
    files["MEN\\BMP_0\\menuzaky.srm"] = encodeTexture(quitFaces(false), true);
    files["MEN\\BMP_0\\menuzakx.srm"] = encodeTexture(quitFaces(true), true);
    files["PUL\\BMP_0\\kursor.srm"] = encodeTexture(pointerPicture(), true);
    files["MEN\\BMP_0\\sterowanie.srm"] =
        encodeTexture(withMargins(controlsPage(garden), wide, softened), false);
    files["MEN\\BMP_0\\help.srm"] =
        encodeTexture(withMargins(helpPage(garden), wide, softened), false);
    files["MEN\\BMP_0\\autorzy.srm"] =
        encodeTexture(withMargins(creditsPage(garden), wide, softened), false);
    files["MOD\\BMP_0\\fontyabc.srm"] = encodeTexture(fontTexture(), true);
    addSettingsScreen(files, wide);
}

// The helpers the other screens' art shares with the main menu.
LayoutElement fullScreenLayout() {
    return fullScreenPicture();
}

LayoutElement blendedFace(const AtlasButton& face) {
    return blended({quadOf(face)});
}

AtlasButton atlasFace(MenuRect rect, Box box, int side) {
    return onAtlas(rect, box, side);
}

LayoutElement texturedElement(std::vector<LayoutQuad> quads, LayoutMaterial material) {
    return {std::move(quads), material, layoutTextured};
}

LayoutQuad quadOn(const MenuRect& r, Box box, int side) {
    return quadOf(onAtlas(r, box, side));
}

Box sizedBox(const MenuRect& r, float x, float y) {
    return {x, y, x + (r.right - r.left) * pixelsPerUnit, y + (r.top - r.bottom) * pixelsPerUnit};
}

Box atlasBox(const AtlasButton& face, int side) {
    return pixelsOf(face, side);
}

void addLanguageMenus(DataFiles& files) {
    DataFiles translated;
    for (Language language : allLanguages) {
        if (language == Language::english) continue;
        DataFiles menus = files;
        setMenuLanguage(language);
        addMenus(menus);
        addPlayMenus(menus);
        addScoreMenus(menus);
        setMenuLanguage(Language::english);
        const std::string folder = std::string(languageFolder(language)) + "\\";
        for (auto& [name, bytes] : menus) {
            auto english = files.find(name);
            if (english == files.end() || english->second != bytes)
                translated[folder + name] = std::move(bytes);
        }
    }
    files.merge(translated);
}
