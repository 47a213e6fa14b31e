#include "play_menu_art.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "art_tools.h"
#include "backdrop.h"
#include "level_design.h"
#include "menu_art.h"
#include "menu_pictures.h"
#include "preview.h"
#include "score_menu_art.h"
#include "srm_writer.h"
#include "text_art.h"
#include "text_table.h"

namespace {

using menuCanvas::pixelsPerUnit;
constexpr Colour clear{0, 0, 0, 0};
const Colour ink = hex(0x3e2723);
constexpr int side = 1024;

// The back button: its face on the main menu's lit atlas.
LayoutElement backButton() {
    const AtlasButton face = backButtonFace();
    return texturedElement({layoutRect(face.rect.left, face.rect.bottom, face.rect.right,
                                       face.rect.top, face.s0, face.t0, face.s1, face.t1)},
                           LayoutMaterial::blended);
}

// --- Difficulty screen ---

// Where the difficulty picture lies on the screen, and the buttons' faces on "poziom": the
// normal face in the left half, the highlighted one 512 texels to its right.
constexpr MenuRect difficultyPicture{10, 70, 22, 54};
constexpr Box difficultyPictureBox{0, 0, 60 * pixelsPerUnit, 32 * pixelsPerUnit};

Box difficultyFace(int k) {
    return sizedBox(difficultyMenu::buttons[static_cast<size_t>(k + 1)], 16,
                    16 + static_cast<float>(k) * 120);
}

const Colour difficultyColours[3] = {hex(0x66bb6a), hex(0xffa726), hex(0xef5350)};

void paintDifficultyFace(Image& image, Box box, const std::string& word, Colour colour, int bees,
                         bool lit) {
    const Box face = box.grown(-3);
    const float radius = face.h() * 0.35f;
    const Colour top = lit ? mix(colour, hex(0xffffff), 0.35f) : hex(0xfffde7);
    const Colour bottom = lit ? colour : mix(colour, hex(0xfffde7), 0.55f);
    plate(image, face, radius, 5, lit ? hex(0xffffff) : mix(colour, ink, 0.4f), top, bottom);
    // Bees in a row above the word: one for easy, three for hard.
    const float beeSize = face.h() * 0.34f;
    for (int b = 0; b < bees; ++b) {
        const float cx = face.cx() + (static_cast<float>(b) - (bees - 1) / 2.0f) * beeSize * 1.1f;
        paintBee(image, cx, face.y0 + face.h() * 0.3f, beeSize);
    }
    // Under the bees, inside the plate's rim.
    const TextRoom room({face.x0 + radius * 0.3f, face.y0 + face.h() * 0.44f,
                         face.x1 - radius * 0.3f, face.y1 - 5});
    const TextMask text = setTextToFit(word, face.h() * 0.26f, face.w() - 2 * radius);
    paintTextCentred(image, text, face.cx(), face.y0 + face.h() * 0.69f,
                     lit ? TextStyle{hex(0xffffff), hex(0xfff9c4), ink, 3}
                         : TextStyle{mix(colour, ink, 0.5f), ink, hex(0xffffff), 0});
}

Image difficultyFaces() {
    const MenuTexts& texts = menuTexts();
    Image image(side, clear);
    for (int k = 0; k < 3; ++k) {
        const Box box = difficultyFace(k);
        const auto& word = texts.difficultyNames.at(static_cast<size_t>(k));
        paintDifficultyFace(image, box, word, difficultyColours[k], k + 1, false);
        const Box lit{box.x0 + 512, box.y0, box.x1 + 512, box.y1};
        paintDifficultyFace(image, lit, word, difficultyColours[k], k + 1, true);
    }
    paintRecordTabs(image);
    bleedColours(image);
    return flipped(image);
}

Image difficultyTitlePicture() {
    const MenuTexts& texts = menuTexts();
    Image image(side, clear);
    const Box b = difficultyPictureBox;
    const Box plateBox{b.x0 + 40, b.y0 + 60, b.x1 - 40, b.y0 + 220};
    shadow(image, plateBox, 40, 8, 0.4f);
    plate(image, plateBox, 40, 8, hex(0xff8f00), hex(0xfffde7), hex(0xffecb3));
    // The bee on the left, the question beside it.
    const float textLeft = plateBox.x0 + 210, textRight = plateBox.x1 - 40;
    const TextRoom room({textLeft - 20, plateBox.y0 + 8, plateBox.x1 - 8, plateBox.y1 - 8});
    // One line, or two where one would have to be made much smaller.
    const auto lines =
        setLinesToFit(texts.difficultyTitle, 2.6f * pixelsPerUnit, textRight - textLeft);
    const float lineStep = 3.7f * pixelsPerUnit;
    float cy = plateBox.cy() - lineStep * static_cast<float>(lines.size() - 1) / 2;
    for (const TextMask& line : lines) {
        paintTextCentred(image, line, (textLeft + textRight) / 2, cy,
                         {hex(0xffee58), hex(0xff8f00), ink, 6});
        cy += lineStep;
    }
    paintBee(image, plateBox.x0 + 110, plateBox.cy(), 150);
    bleedColours(image);
    return flipped(image);
}

// --- Level pictures ---

// What makes each level's garden its own, as seen over its hive: the pond and its bridge
// (1), the sand (2), the pond under a pink sky (3), the houses in the sun (4), the pond
// among mushrooms and willows (5), the path (6), the bridge under an evening sky (7), the
// orchard (8), the willows round the pond (9), the town (10). Ground points (x, z).
constexpr float levelSights[levelCount][2] = {
    {8, 7},     {-4.9f, -11}, {-8.1f, -6}, {0, -20}, {7, -8},
    {3.5f, 11}, {9, -5},      {6, -10},    {8, 8},   {-9, -9},
};

// A level's picture: from behind its hive and a little to the side, looking out over the
// garden towards its sight, so that the hive stands in the right foreground (the number
// badge takes the left) and the sky of the garden's light fills the top.
std::vector<Colour> levelView(const DataFiles& files, int level, int size) {
    const float fx = levelSights[level - 1][0], fz = levelSights[level - 1][1];
    const float far = std::hypot(fx, fz);
    const float ux = fx / far, uz = fz / far;
    const Vec3 eye{-ux * 2.0f + uz * 0.9f, 1.25f, -uz * 2.0f - ux * 0.9f};
    return renderGardenView(files, levelScene(level), eye, {fx * 0.6f, 0.2f, fz * 0.6f}, size, size,
                            1);
}

// A level's picture with the level's number in a round badge.
void paintLevelCell(Image& sheet, const DataFiles& files, int cell, int level) {
    const int x0 = static_cast<int>(levelPictures::cellEdges[(cell - 1) % 3] * side);
    const int y0 = static_cast<int>((1 - levelPictures::cellEdges[3 - (cell - 1) / 3]) * side);
    const int size = static_cast<int>(0.33f * side) - 2;
    const std::vector<Colour> view = levelView(files, level, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            sheet.at(x0 + 1 + x, y0 + 1 + y) = view[static_cast<size_t>(y * size + x)];
    const auto fx = static_cast<float>(x0), fy = static_cast<float>(y0),
               fs = static_cast<float>(size);
    // A light frame, then the number, big, in the lower left corner.
    const Box frame{fx + 1, fy + 1, fx + fs, fy + fs};
    for (int t = 0; t < 10; ++t) {
        const auto ft = static_cast<float>(t);
        sheet.rect(frame.x0 + ft, frame.y0 + ft, frame.x1 - ft, frame.y0 + ft + 1, hex(0xffffff),
                   0);
        sheet.rect(frame.x0 + ft, frame.y1 - ft - 1, frame.x1 - ft, frame.y1 - ft, hex(0xffffff),
                   0);
        sheet.rect(frame.x0 + ft, frame.y0 + ft, frame.x0 + ft + 1, frame.y1 - ft, hex(0xffffff),
                   0);
        sheet.rect(frame.x1 - ft - 1, frame.y0 + ft, frame.x1 - ft, frame.y1 - ft, hex(0xffffff),
                   0);
    }
    const float badgeX = fx + 70, badgeY = fy + fs - 70;
    sheet.ellipse(badgeX, badgeY, 52, 52, hex(0xffffff));
    sheet.ellipse(badgeX, badgeY, 46, 46, hex(0xffca28));
    const TextMask number = setText(std::to_string(level), 52);
    paintTextCentred(sheet, number, badgeX, badgeY, {hex(0xffffff), hex(0xfff9c4), ink, 5});
}

Image levelSheet(const DataFiles& files, int firstLevel, int lastLevel) {
    Image image(side, hex(0xffffff));
    for (int level = firstLevel; level <= lastLevel; ++level)
        paintLevelCell(image, files, level - firstLevel + 1, level);
    return flipped(image);
}

// --- Loading picture ---

// The garden behind the loading picture, faded.
Colour fadedGarden(Colour garden) {
    return mix(garden, hex(0xfffde7), 0.45f);
}

Image loadingBackground(const DataFiles& files) {
    const WideGarden& wide = wideGarden(files, 1, {-0.1f, 0.42f, 1.6f}, {-1.5f, 0.62f, -1.45f}, 1);
    const std::vector<Colour> garden = wide.box();
    Image image(side);
    for (int y = 0; y < side; ++y) {
        const int row = std::min(y, menuCanvas::height - 1);
        for (int x = 0; x < menuCanvas::width; ++x)
            image.at(x, y) = fadedGarden(garden[static_cast<size_t>(row * menuCanvas::width + x)]);
    }
    const MenuTexts& texts = menuTexts();
    // Above the level's picture and its frame.
    const TextRoom room({2 * pixelsPerUnit, 5 * pixelsPerUnit, 78 * pixelsPerUnit,
                         (60 - loadingMenu::pictureRect.top - 2) * pixelsPerUnit});
    const TextMask words = setTextToFit(texts.loadingText, 4 * pixelsPerUnit, 70 * pixelsPerUnit);
    paintTextCentred(image, words, 40 * pixelsPerUnit, (60 - 48) * pixelsPerUnit,
                     {hex(0xffee58), hex(0xff8f00), ink, 6});
    paintBee(image, 62 * pixelsPerUnit, (60 - 28) * pixelsPerUnit, 12 * pixelsPerUnit);
    return withMargins(flipped(image), wide, [](Colour g, float, float) { return fadedGarden(g); });
}

// A honey-coloured frame round the level's picture, clear inside.
constexpr MenuRect loadingFrame{26.46f, 53.54f, 17.29f, 43.69f};

Image loadingFramePicture() {
    Image image(512, clear);
    const Box outer = sizedBox(loadingFrame, 8, 8);
    const Box inner = outer.grown(-2 * pixelsPerUnit + 4);
    shadow(image, outer, 30, 8, 0.4f);
    plate(image, outer, 30, 6, hex(0xff8f00), hex(0xffe082), hex(0xffb300));
    for (int y = static_cast<int>(inner.y0); y < static_cast<int>(inner.y1); ++y)
        for (int x = static_cast<int>(inner.x0); x < static_cast<int>(inner.x1); ++x)
            image.at(x, y) = clear;
    bleedColours(image);
    return flipped(image);
}

// --- Countdown ---

// Four pictures in the quarters of the texture; list k shows quarter k. They stand above
// the bee, who stays in sight while she waits.
constexpr MenuRect countdownRect{31, 49, 36, 54};

Box countdownQuarter(int list) {
    const float x = static_cast<float>(list % 2) * 512, y = static_cast<float>(list / 2) * 512;
    return {x + 8, y + 8, x + 504, y + 504};
}

Image countdownPictures() {
    const MenuTexts& texts = menuTexts();
    Image image(side, clear);
    const Colour colours[4] = {hex(0xef5350), hex(0xffa726), hex(0xffee58), hex(0x66bb6a)};
    for (int step = 1; step <= 4; ++step) {
        const int list = countdownMenu::listOfStep(step);
        const Box q = countdownQuarter(list);
        const Colour c = colours[step - 1];
        image.ellipse(q.cx() + 6, q.cy() + 8, 232, 232, {0, 0, 0, 0.35f});
        image.ellipse(q.cx(), q.cy(), 236, 236, hex(0xffffff));
        image.ellipse(q.cx(), q.cy(), 220, 220, c);
        image.ellipse(q.cx() - 50, q.cy() - 70, 120, 80, mix(c, hex(0xffffff), 0.35f));
        const std::string& word = texts.countdownWords.at(static_cast<size_t>(step - 1));
        // Inside the disc: the square its coloured face holds, a little wider than tall.
        const TextRoom room({q.cx() - 205, q.cy() - 150, q.cx() + 205, q.cy() + 150});
        // The word after the numbers a little smaller than they are.
        const TextMask text = setTextToFit(word, step == 4 ? 185 : 220, 380);
        paintTextCentred(image, text, q.cx(), q.cy(), {hex(0xffffff), hex(0xfff9c4), ink, 12});
    }
    bleedColours(image);
    return flipped(image);
}

}  // namespace

std::vector<LayoutElement> difficultyLayout() {
    std::vector<LayoutElement> elements(difficultyMenu::listCount);
    elements[difficultyMenu::backgroundList] = fullScreenLayout();
    elements[difficultyMenu::pictureList] =
        texturedElement({quadOn(difficultyPicture, difficultyPictureBox)}, LayoutMaterial::blended);
    elements[difficultyMenu::backList] = backButton();
    for (int k = 0; k < 3; ++k)
        elements[static_cast<size_t>(difficultyMenu::firstDifficultyList + k)] = texturedElement(
            {quadOn(difficultyMenu::buttons[static_cast<size_t>(k + 1)], difficultyFace(k))},
            LayoutMaterial::blended);
    return elements;
}

std::vector<LayoutElement> levelChoiceLayout() {
    std::vector<LayoutElement> elements(levelMenu::listCount);
    elements[levelMenu::backgroundList] = fullScreenLayout();
    for (int level = 1; level <= levelMenu::levelCount; ++level) {
        const auto cell = levelPictures::cellOfLevel(level);
        const MenuRect& r = levelMenu::buttons[static_cast<size_t>(level - 1)];
        elements[static_cast<size_t>(levelMenu::levelLists[static_cast<size_t>(level - 1)])] =
            texturedElement(
                {layoutRect(r.left, r.bottom, r.right, r.top, cell.s0, cell.t0, cell.s1, cell.t1)},
                LayoutMaterial::plain);
    }
    elements[levelMenu::backList] = backButton();
    return elements;
}

std::vector<LayoutElement> loadingLayout() {
    std::vector<LayoutElement> elements(loadingMenu::listCount);
    elements[0] = fullScreenLayout();
    elements[1] = texturedElement({quadOn(loadingFrame, sizedBox(loadingFrame, 8, 8), 512)},
                                  LayoutMaterial::blended);
    return elements;
}

std::vector<LayoutElement> countdownLayout() {
    std::vector<LayoutElement> elements(countdownMenu::listCount);
    for (int list = 0; list < countdownMenu::listCount; ++list)
        elements[static_cast<size_t>(list)] = texturedElement(
            {quadOn(countdownRect, countdownQuarter(list))}, LayoutMaterial::blended);
    return elements;
}

void addPlayMenus(DataFiles& files) {
    files["MEN\\DAT\\menutryb.mex"] = encodeLayout(difficultyLayout());
    files["MEN\\DAT\\metrybzr.mex"] = encodeLayout(levelChoiceLayout());
    files["MEN\\DAT\\menuin.mex"] = encodeLayout(loadingLayout());
    files["MEN\\DAT\\odliczan.mex"] = encodeLayout(countdownLayout());
    files["MEN\\BMP_0\\menutryy.srm"] = encodeTexture(difficultyTitlePicture(), true);
    files["MEN\\BMP_0\\poziom.srm"] = encodeTexture(difficultyFaces(), true);
    files["MEN\\BMP_0\\menuzrec.srm"] = encodeTexture(levelSheet(files, 1, 9), false);
    files["MEN\\BMP_0\\menueduk.srm"] = encodeTexture(levelSheet(files, 10, 10), false);
    files["MEN\\BMP_0\\menuintz.srm"] = encodeTexture(loadingBackground(files), false);
    files["MEN\\BMP_0\\menuinta.srm"] = encodeTexture(loadingFramePicture(), true);
    files["MEN\\BMP_0\\odliczan.srm"] = encodeTexture(countdownPictures(), true);
}
