#include "settings_art.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "art_tools.h"
#include "menu_pages.h"
#include "menus/settings_layout.h"
#include "srm_writer.h"
#include "text_art.h"
#include "text_table.h"

namespace {

using menuCanvas::pixelsPerUnit;
const Colour ink = hex(0x3e2723);

float px(float units) {
    return units * pixelsPerUnit;
}

// Pixel row (y down) of a height in menu units.
float rowOf(float unitsUp) {
    return (60 - unitsUp) * pixelsPerUnit;
}

// The band of the atlases the settings faces take: from this row down to the bottom.
constexpr float bandTop = 800;

bool overlap(const Box& a, const Box& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

}  // namespace

std::vector<AtlasButton> settingsFaceAtlas() {
    constexpr float gap = 8;
    const auto side = static_cast<float>(menuCanvas::side);
    std::vector<AtlasButton> faces;
    float x = gap, y = bandTop, rowHeight = 0;
    for (const MenuRect& r : settingsMenu::items) {
        const float w = (r.right - r.left) * pixelsPerUnit, h = (r.top - r.bottom) * pixelsPerUnit;
        if (x + w + gap > side) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        if (y + h + gap > side) throw std::length_error("settings faces do not fit the atlas");
        faces.push_back(atlasFace(r, {x, y, x + w, y + h}, menuCanvas::side));
        x += w + gap;
        rowHeight = std::max(rowHeight, h);
    }
    return faces;
}

std::vector<LayoutElement> settingsLayout() {
    std::vector<LayoutElement> elements(settingsMenu::listCount);
    elements[settingsMenu::backgroundList] = fullScreenLayout();
    const auto faces = settingsFaceAtlas();
    for (size_t k = 0; k < faces.size(); ++k)
        elements[settingsMenu::firstItemList + k] = blendedFace(faces[k]);
    return elements;
}

void paintSettingsFaces(Image& atlas, bool lit) {
    const SettingsTexts& texts = menuTexts().settings;
    const int side = atlas.side();
    for (const AtlasButton& mine : settingsFaceAtlas()) {
        for (const AtlasButton& theirs : mainButtonAtlas()) {
            if (overlap(atlasBox(mine, side).grown(2), atlasBox(theirs, side)))
                throw std::logic_error("the settings faces overlap the main menu's on the atlas");
        }
    }
    // Plain: white with dark blue words, so that under the yellow tint the plate turns
    // bright yellow and the words stay dark. Lit: the main menu's orange.
    const Colour edgeColour = lit ? hex(0xffffff) : hex(0x5c6bc0);
    const Colour top = lit ? hex(0xffca28) : hex(0xffffff);
    const Colour bottom = lit ? hex(0xf57c00) : hex(0xe8e8e8);
    const TextStyle words = lit ? TextStyle{hex(0xffffff), hex(0xfff9c4), ink, 3.5f}
                                : TextStyle{hex(0x283593), hex(0x1a237e), hex(0xffffff), 0};
    const auto faces = settingsFaceAtlas();
    for (size_t k = 0; k < faces.size(); ++k) {
        const Box face = atlasBox(faces[k], side).grown(-2);
        // The small square faces are rounded less, so that they stay buttons, not coins.
        const float radius = std::min(face.h() * 0.38f, face.w() * 0.2f);
        const float edge = std::max(3.0f, face.h() * 0.07f);
        plate(atlas, face, radius, edge, edgeColour, top, bottom);
        const float margin = std::min(radius * 0.6f, face.w() * 0.12f);
        float left = face.x0 + margin + edge;
        if (k == settingsMenu::back) {  // the arrow of every back button, then the word
            paintButtonIcon(atlas, ButtonIcon::back, face.x0 + edge + face.h() * 0.55f, face.cy(),
                            face.h() * 0.66f);
            left = face.x0 + edge + face.h() * 1.0f;
        }
        const float right = face.x1 - margin - edge;
        const TextRoom room({left - margin, face.y0 + edge, face.x1 - edge, face.y1 - edge});
        const TextMask word = setTextToFit(texts.items.at(k), face.h() * 0.44f, right - left);
        paintTextCentred(atlas, word, (left + right) / 2, face.cy(), words);
    }
}

Image settingsBackground(const std::vector<Colour>& garden) {
    const SettingsTexts& texts = menuTexts().settings;
    Image image(menuCanvas::side);
    for (int y = 0; y < menuCanvas::side; ++y) {
        const int row = std::min(y, menuCanvas::height - 1);  // the spare rows repeat the last
        for (int x = 0; x < menuCanvas::width; ++x)
            image.at(x, y) =
                softenedGarden(garden[static_cast<size_t>(row * menuCanvas::width + x)]);
    }
    // A card behind the four rows, the back item below it on the garden.
    const Box card{px(1.2f), rowOf(51), px(78.8f), rowOf(11)};
    shadow(image, card, px(2.5f), px(0.5f), 0.4f);
    plate(image, card, px(2.5f), px(0.6f), hex(0xff8f00), hex(0xfffdf2), hex(0xfff3c4));
    // The title on a ribbon across the card's top edge, a gear beside it.
    std::optional<TextRoom> room(std::in_place, Box{card.x0, rowOf(56), card.x1, rowOf(47)});
    const TextMask title = setTextToFit(texts.title, px(4), px(50));
    const float ribbonWidth = static_cast<float>(title.width) + px(14);
    const Box ribbon{px(40) - ribbonWidth / 2, rowOf(56), px(40) + ribbonWidth / 2, rowOf(47)};
    shadow(image, ribbon, px(2), px(0.4f), 0.4f);
    plate(image, ribbon, px(2), px(0.5f), ink, hex(0xffd54f), hex(0xffa000));
    paintButtonIcon(image, ButtonIcon::gear, ribbon.x0 + px(3.6f), ribbon.cy(), px(5));
    paintTextCentred(image, title, ribbon.cx() + px(2.5f), ribbon.cy(),
                     {hex(0xffffff), hex(0xfff9c4), ink, 5});

    // Each row's name left of its items, in the middle of the items' height.
    using namespace settingsMenu;
    const int firstOfRow[4] = {res640, depth16, filter0, smoothingOn};
    const TextStyle rowText{hex(0x5d4037), ink, hex(0xffffff), 0};
    for (size_t r = 0; r < 4; ++r) {
        const MenuRect& first = items[static_cast<size_t>(firstOfRow[r])];
        const float left = px(3.5f), right = px(first.left - 1.2f);
        // Left of the row's first item, within the height of its items.
        room.emplace(Box{left - px(0.5f), rowOf(first.top), right, rowOf(first.bottom)});
        const TextMask name = setTextToFit(texts.rows.at(r), px(2.3f), right - left);
        paintText(image, name, left, rowOf((first.bottom + first.top) / 2) + px(1.15f), rowText);
    }
    // Under the last row, inside the card.
    room.emplace(Box{card.x0, rowOf(items[smoothingOn].bottom), card.x1, card.y1});
    const TextMask hint = setTextToFit(texts.hint, px(1.9f), px(70));
    paintTextCentred(image, hint, px(40), rowOf(15),
                     {hex(0x8d6e63), hex(0x6d4c41), hex(0xffffff), 0});
    return flipped(image);
}

void addSettingsScreen(DataFiles& files, const WideGarden& garden) {
    files["MEN\\DAT\\menuust.mex"] = encodeLayout(settingsLayout());
    const Image background = withMargins(settingsBackground(garden.box()), garden,
                                         [](Colour g, float, float) { return softenedGarden(g); });
    files["MEN\\BMP_0\\menuustz.srm"] = encodeTexture(background, false);
}
