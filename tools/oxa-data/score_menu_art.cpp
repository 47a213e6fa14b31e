#include "score_menu_art.h"

#include <optional>
#include <string>

#include "art_tools.h"
#include "menu_art.h"
#include "menu_pictures.h"
#include "srm_writer.h"
#include "text_art.h"
#include "text_table.h"

namespace {

using menuCanvas::pixelsPerUnit;
constexpr Colour clear{0, 0, 0, 0};
const Colour ink = hex(0x3e2723);
constexpr int side = 1024;

// The summary's pictures on the screen and on "menupods".
constexpr MenuRect summaryPlate{6, 74, 14, 52};
const Box summaryPlateBox = sizedBox(summaryPlate, 8, 8);
constexpr MenuRect labelRects[3] = {{8, 44, 34, 41}, {8, 44, 26, 33}, {8, 44, 18, 25}};
Box labelBox(int k) {
    return sizedBox(labelRects[k], 8, 520 + static_cast<float>(k) * 100);
}
const Box continueBox = sizedBox(summaryMenu::buttons[0], 520, 520);

Image summaryPictures() {
    const MenuTexts& texts = menuTexts();
    Image image(side, clear);
    const Box p = summaryPlateBox;
    shadow(image, p.grown(-6), 40, 8, 0.4f);
    plate(image, p.grown(-6), 40, 8, hex(0xff8f00), hex(0xfffde7), hex(0xffecb3));
    std::optional<TextRoom> room(std::in_place, Box{p.x0 + 20, p.y0 + 14, p.x1 - 12 * pixelsPerUnit,
                                                    p.y0 + 10 * pixelsPerUnit});
    const TextMask title = setTextToFit(texts.summaryTitle, 4.5f * pixelsPerUnit, p.w() - 300);
    paintTextCentred(image, title, p.cx(), p.y0 + 5 * pixelsPerUnit,
                     {hex(0xffee58), hex(0xff8f00), ink, 6});
    paintBee(image, p.x1 - 7 * pixelsPerUnit, p.y0 + 5 * pixelsPerUnit, 8 * pixelsPerUnit);
    const PageIcon icons[3] = {PageIcon::nectar, PageIcon::clock, PageIcon::jar};
    for (int k = 0; k < 3; ++k) {
        const Box b = labelBox(k);
        paintPageIcon(image, icons[k], b.x0 + b.h() * 0.6f, b.cy(), b.h() * 0.9f, "");
        room.emplace(Box{b.x0 + b.h() * 1.2f, b.y0, b.x1, b.y1});
        const TextMask word = setTextToFit(texts.summaryLabels.at(static_cast<size_t>(k)),
                                           b.h() * 0.5f, b.w() - b.h() * 1.4f);
        paintText(image, word, b.x0 + b.h() * 1.3f, b.cy() + word.capHeight / 2,
                  {hex(0x5d4037), ink, hex(0xffffff), 0});
    }
    // The continue button: a green round button with the play sign.
    const Box c = continueBox.grown(-3);
    plate(image, c, c.h() * 0.4f, 5, hex(0x1b5e20), hex(0xa5d6a7), hex(0x43a047));
    paintButtonIcon(image, ButtonIcon::play, c.cx(), c.cy(), c.h() * 0.7f);
    bleedColours(image);
    return flipped(image);
}

}  // namespace

void paintRecordTabs(Image& poziom) {
    const MenuTexts& texts = menuTexts();
    const Colour colours[3] = {hex(0x66bb6a), hex(0xffa726), hex(0xef5350)};
    for (int k = 0; k < 3; ++k) {
        const Box box = sizedBox(recordsMenu::tabFace(k), 16, 420 + static_cast<float>(k) * 70);
        for (int lit = 0; lit < 2; ++lit) {
            const Box b = lit ? Box{box.x0 + 512, box.y0, box.x1 + 512, box.y1} : box;
            const Box face = b.grown(-2);
            const Colour c = colours[k];
            plate(poziom, face, face.h() * 0.4f, 3, lit ? hex(0xffffff) : mix(c, ink, 0.4f),
                  lit ? mix(c, hex(0xffffff), 0.35f) : hex(0xfffde7),
                  lit ? c : mix(c, hex(0xfffde7), 0.55f));
            const TextRoom room(face.grown(-1.5f));
            const TextMask word = setTextToFit(texts.difficultyNames.at(static_cast<size_t>(k)),
                                               face.h() * 0.46f, face.w() - face.h());
            paintTextCentred(poziom, word, face.cx(), face.cy(),
                             lit ? TextStyle{hex(0xffffff), hex(0xfff9c4), ink, 2}
                                 : TextStyle{mix(c, ink, 0.5f), ink, hex(0xffffff), 0});
        }
    }
}

std::vector<LayoutElement> summaryLayout() {
    std::vector<LayoutElement> elements(summaryMenu::listCount);
    elements[summaryMenu::backgroundList] = fullScreenLayout();
    elements[1] = texturedElement({quadOn(summaryPlate, summaryPlateBox)}, LayoutMaterial::blended);
    for (int k = 0; k < 3; ++k)
        elements[static_cast<size_t>(2 + k)] =
            texturedElement({quadOn(labelRects[k], labelBox(k))}, LayoutMaterial::blended);
    elements[summaryMenu::buttonList] =
        texturedElement({quadOn(summaryMenu::buttons[0], continueBox)}, LayoutMaterial::blended);
    return elements;
}

std::vector<LayoutElement> recordsLayout() {
    std::vector<LayoutElement> elements(recordsMenu::listCount);
    elements[recordsMenu::backgroundList] = fullScreenLayout();
    const AtlasButton face = backButtonFace();
    elements[recordsMenu::backList] =
        texturedElement({layoutRect(face.rect.left, face.rect.bottom, face.rect.right,
                                    face.rect.top, face.s0, face.t0, face.s1, face.t1)},
                        LayoutMaterial::blended);
    for (int k = 0; k < 3; ++k)
        elements[static_cast<size_t>(recordsMenu::firstTabList + k)] = texturedElement(
            {quadOn(recordsMenu::tabFace(k),
                    sizedBox(recordsMenu::tabFace(k), 16, 420 + static_cast<float>(k) * 70))},
            LayoutMaterial::blended);
    return elements;
}

void addScoreMenus(DataFiles& files) {
    files["MEN\\DAT\\menupod.mex"] = encodeLayout(summaryLayout());
    files["MEN\\DAT\\menuwyn.mex"] = encodeLayout(recordsLayout());
    files["MEN\\BMP_0\\menupods.srm"] = encodeTexture(summaryPictures(), true);
}
