// The menus' data read back with the game's own layout reader: every button's picture lies
// on exactly the rectangle the game tests the pointer against, shows whole, and changes
// clearly under the pointer; the game font has ink in every glyph cell and none in the
// blank; the pointer's tip is where the game puts the pointer.

#include "menu_art.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assets/model_file.h"
#include "font_texture.h"
#include "game/font_text.h"
#include "menus/settings_layout.h"
#include "play_menu_art.h"
#include "score_menu_art.h"
#include "settings_art.h"

namespace {

struct ButtonCase {
    std::string name;
    const ModelObject* object;  // the button's layout object as the game reads it
    MenuRect rect;
    const Image* lit;
    const Image* plain;
};

// Texels of a texture rectangle (s, t as stored, t counting rows of the file).
struct TexelBox {
    int x0, y0, x1, y1;
};

TexelBox texelsOf(const ModelObject& object, int side) {
    double s0 = 1, s1 = 0, t0 = 1, t1 = 0;
    for (const ModelVertex& v : object.vertices) {
        s0 = std::min(s0, v.texCoord[0]), s1 = std::max(s1, v.texCoord[0]);
        t0 = std::min(t0, v.texCoord[1]), t1 = std::max(t1, v.texCoord[1]);
    }
    auto texel = [side](double u) { return static_cast<int>(std::lround(u * side)); };
    return {texel(s0), texel(t0), texel(s1), texel(t1)};
}

class MenuArt : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        mainLayout = parse(mainMenuLayout(), "menuone.mex");
        quit = parse(quitLayout(), "menuko.mex");
        page = parse(pageLayout(), "menuste.mex");
        settings = parse(settingsLayout(), "menuust.mex");
        difficulty = parse(difficultyLayout(), "menutryb.mex");
        levelChoice = parse(levelChoiceLayout(), "metrybzr.mex");
        records = parse(recordsLayout(), "menuwyn.mex");
    }
    static ModelFile parse(const std::vector<LayoutElement>& elements, const std::string& name) {
        return parseModelFile(ModelFileKind::Layout, encodeLayout(elements), name);
    }

    static inline ModelFile mainLayout, quit, page, settings, difficulty, levelChoice, records;
};

TEST_F(MenuArt, EveryButtonShowsItsWholeFaceOnItsHitRectangleAndLightsUpClearly) {
    const Image mainLit = mainButtonFaces(true), mainPlain = mainButtonFaces(false);
    const Image quitLit = quitFaces(true), quitPlain = quitFaces(false);
    ASSERT_EQ(mainLayout.objects.size(), size_t{mainMenu::listCount});
    ASSERT_EQ(quit.objects.size(), size_t{quitMenu::listCount});
    ASSERT_EQ(page.objects.size(), size_t{pageMenu::listCount});

    std::vector<ButtonCase> cases;
    for (int k = 0; k < mainMenu::buttonCount; ++k) {
        cases.push_back({"main menu button " + std::to_string(k),
                         &mainLayout.objects[static_cast<size_t>(mainMenu::firstButtonList + k)],
                         mainMenu::buttons[static_cast<size_t>(k)], &mainLit, &mainPlain});
    }
    cases.push_back({"yes", &quit.objects[quitMenu::yesList], quitMenu::buttons[quitMenu::yes],
                     &quitLit, &quitPlain});
    cases.push_back({"no", &quit.objects[quitMenu::noList], quitMenu::buttons[quitMenu::no],
                     &quitLit, &quitPlain});
    // The pages' button is drawn from the lit atlas only, tinted under the pointer.
    cases.push_back({"page button", &page.objects[pageMenu::buttonList], pageMenu::buttons[0],
                     &mainLit, nullptr});
    // So are the other screens' back buttons, on a face of their own.
    cases.push_back({"difficulty back", &difficulty.objects[difficultyMenu::backList],
                     difficultyMenu::buttons[difficultyMenu::back], &mainLit, nullptr});
    cases.push_back({"level choice back", &levelChoice.objects[levelMenu::backList],
                     levelMenu::buttons[levelMenu::backButton], &mainLit, nullptr});
    cases.push_back({"records back", &records.objects[recordsMenu::backList],
                     recordsMenu::backButton, &mainLit, nullptr});
    // The settings items' faces share the main menu's atlases.
    ASSERT_EQ(settings.objects.size(), size_t{settingsMenu::listCount});
    for (int k = 0; k < settingsMenu::itemCount; ++k) {
        cases.push_back({"settings item " + std::to_string(k),
                         &settings.objects[static_cast<size_t>(settingsMenu::firstItemList + k)],
                         settingsMenu::items[static_cast<size_t>(k)], &mainLit, &mainPlain});
    }

    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.object->vertices.size(), 4u);  // one quad
        EXPECT_EQ(c.object->material, 'K');
        for (const ModelVertex& v : c.object->vertices) {
            const double x = v.position[0], y = v.position[1];
            EXPECT_TRUE(std::fabs(x - c.rect.left) < 1e-3 || std::fabs(x - c.rect.right) < 1e-3)
                << x;
            EXPECT_TRUE(std::fabs(y - c.rect.bottom) < 1e-3 || std::fabs(y - c.rect.top) < 1e-3)
                << y;
        }
        const TexelBox box = texelsOf(*c.object, c.lit->side());
        // Drawn at 1:1 on a 1024 x 768 screen: 12.8 texels a unit.
        EXPECT_NEAR(box.x1 - box.x0, (c.rect.right - c.rect.left) * 12.8, 1.0);
        EXPECT_NEAR(box.y1 - box.y0, (c.rect.top - c.rect.bottom) * 12.8, 1.0);

        for (const Image* image : {c.lit, c.plain}) {
            if (!image) continue;
            // The face fills the rectangle...
            int opaque = 0;
            for (int y = box.y0; y < box.y1; ++y) {
                for (int x = box.x0; x < box.x1; ++x) opaque += image->at(x, y).a > 0.5f;
            }
            EXPECT_GT(opaque, (box.x1 - box.x0) * (box.y1 - box.y0) * 80 / 100);
            // ...and does not go on beyond it: nothing of it is cut off.
            for (int x = box.x0 - 2; x < box.x1 + 2; ++x) {
                EXPECT_LT(image->at(x, box.y0 - 2).a, 0.05f) << x;
                EXPECT_LT(image->at(x, box.y1 + 1).a, 0.05f) << x;
            }
            for (int y = box.y0; y < box.y1; ++y) {
                EXPECT_LT(image->at(box.x0 - 2, y).a, 0.05f) << y;
                EXPECT_LT(image->at(box.x1 + 1, y).a, 0.05f) << y;
            }
        }
        if (!c.plain) continue;
        double difference = 0;
        for (int y = box.y0; y < box.y1; ++y) {
            for (int x = box.x0; x < box.x1; ++x) {
                const Colour a = c.lit->at(x, y), b = c.plain->at(x, y);
                difference += std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b);
            }
        }
        difference /= 3.0 * (box.x1 - box.x0) * (box.y1 - box.y0);
        EXPECT_GT(difference, 0.15) << "the lit face must look clearly different";
    }
}

TEST_F(MenuArt, TheBackButtonsShowTheirOwnFaceNotThePagesOne) {
    const TexelBox pageFace = texelsOf(page.objects[pageMenu::buttonList], 1024);
    for (const ModelObject* back :
         {&difficulty.objects[difficultyMenu::backList], &levelChoice.objects[levelMenu::backList],
          &records.objects[recordsMenu::backList]}) {
        const TexelBox face = texelsOf(*back, 1024);
        EXPECT_TRUE(face.x0 != pageFace.x0 || face.y0 != pageFace.y0) << "the OK face";
        const TexelBox first = texelsOf(difficulty.objects[difficultyMenu::backList], 1024);
        EXPECT_EQ(face.x0, first.x0);  // one back face for every screen
        EXPECT_EQ(face.y0, first.y0);
    }
}

TEST_F(MenuArt, FullScreenPicturesShowTheirTopRowsOnTheBoxAndTheirMarginsBesideIt) {
    for (const ModelObject* object :
         {&mainLayout.objects[mainMenu::backgroundList], &page.objects[pageMenu::pageList],
          &settings.objects[settingsMenu::backgroundList]}) {
        ASSERT_EQ(object->vertices.size() % 4, 0u);
        // The picture on the box: the top 1024 x 768 texels.
        ModelObject picture = *object;
        picture.vertices.resize(4);
        const TexelBox box = texelsOf(picture, 1024);
        EXPECT_EQ(box.x0, 0);
        EXPECT_EQ(box.x1, 1024);
        EXPECT_EQ(box.y0, 1024 - 768);  // t up: the picture's top rows are the file's last
        EXPECT_EQ(box.y1, 1024);
        // The margins: quads beside the box, 20 units left and right and 5 above and below,
        // tiling that band without gaps or overlaps, each showing texels of the spare rows in
        // its own proportions, none shared with another.
        double area = 0;
        std::vector<TexelBox> used;
        for (size_t q = 1; q < object->vertices.size() / 4; ++q) {
            ModelObject margin = *object;
            margin.vertices.assign(object->vertices.begin() + static_cast<long>(q * 4),
                                   object->vertices.begin() + static_cast<long>(q * 4 + 4));
            double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
            for (const ModelVertex& v : margin.vertices) {
                x0 = std::min(x0, v.position[0]), x1 = std::max(x1, v.position[0]);
                y0 = std::min(y0, v.position[1]), y1 = std::max(y1, v.position[1]);
            }
            EXPECT_TRUE(x1 <= 0.001 || x0 >= 79.999 || y1 <= 0.001 || y0 >= 59.999)
                << "margin " << q << " reaches into the box";
            EXPECT_GE(x0, -20.001);
            EXPECT_LE(x1, 100.001);
            EXPECT_GE(y0, -5.001);
            EXPECT_LE(y1, 65.001);
            area += (x1 - x0) * (y1 - y0);
            const TexelBox texels = texelsOf(margin, 1024);
            EXPECT_LT(texels.y1, 1024 - 768) << "margin " << q << " shows the picture's rows";
            EXPECT_NEAR((texels.x1 - texels.x0) / (x1 - x0), (texels.y1 - texels.y0) / (y1 - y0),
                        0.01);
            for (const TexelBox& other : used) {
                EXPECT_TRUE(texels.x1 <= other.x0 || other.x1 <= texels.x0 ||
                            texels.y1 <= other.y0 || other.y1 <= texels.y0)
                    << "margin " << q << " shares texels";
            }
            used.push_back(texels);
        }
        EXPECT_NEAR(area, 2 * 20 * 60 + 2 * 80 * 5, 0.01);
    }
}

TEST_F(MenuArt, TheFontHasInkInEveryGlyphCellAndNoneInTheBlank) {
    const Image font = fontTexture();
    ASSERT_EQ(font.side(), 1024);
    for (int glyph = 0; glyph < gameFont::hyphenGlyph; ++glyph) {
        SCOPED_TRACE(fontCellText(glyph));
        const gameFont::GlyphCell cell = gameFont::glyphCell(glyph);
        const auto texel = [](float u) { return static_cast<int>(std::lround(u * 1024)); };
        const int x0 = texel(cell.left), x1 = texel(cell.right);
        const int y0 = texel(cell.bottom), y1 = texel(cell.top);
        int ink = 0, nearEdge = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (font.at(x, y).a <= 0.5f) continue;
                ++ink;
                const int margin = std::min({x - x0, x1 - 1 - x, y - y0, y1 - 1 - y});
                nearEdge += margin < 4;
            }
        }
        if (glyph == gameFont::blankGlyph) {
            EXPECT_EQ(ink, 0);
            // The hyphen draws this cell whole, without the alpha test: one solid colour.
            const Colour first = font.at(x0, y0);
            EXPECT_EQ(font.at(x1 - 1, y1 - 1).r, first.r);
            EXPECT_EQ(font.at((x0 + x1) / 2, (y0 + y1) / 2).g, first.g);
            continue;
        }
        EXPECT_GT(ink, (x1 - x0) * (y1 - y0) * 3 / 100);
        EXPECT_EQ(nearEdge, 0) << "a glyph touching its cell's edge is cut or bleeds";
    }
}

TEST_F(MenuArt, ThePointersTipIsTwoUnitsInAndOneDown) {
    const Image pointer = pointerPicture();
    const int side = pointer.side();
    // Stored t up: one unit down from the top of 5 is row 4/5 of the file.
    const int tipX = side * 2 / 5, tipY = side * 4 / 5;
    EXPECT_GT(pointer.at(tipX + 2, tipY - 3).a, 0.5f);
    int aboveTheTip = 0;
    for (int y = tipY + side / 12; y < side; ++y) {  // the outline reaches a little above
        for (int x = 0; x < side; ++x) aboveTheTip += pointer.at(x, y).a > 0.5f;
    }
    EXPECT_EQ(aboveTheTip, 0);
    for (int k = 0; k < side; ++k) {  // a clear border: nothing wraps round when filtered
        EXPECT_LT(pointer.at(k, 0).a, 0.05f);
        EXPECT_LT(pointer.at(0, k).a, 0.05f);
        EXPECT_LT(pointer.at(k, side - 1).a, 0.05f);
        EXPECT_LT(pointer.at(side - 1, k).a, 0.05f);
    }
}

}  // namespace
