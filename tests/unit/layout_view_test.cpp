// The 80 x 60 design in windows of every shape: the 4:3 box, the pointer's units, and the
// fitting of backdrops and of the panel's corners.

#include "assets/layout_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/menu_layouts.h"

namespace {

struct Rect {
    double left, right, bottom, top;
};

// A layout object of textured quads, the texture coordinates running 0 to 1 over each.
ModelObject objectOf(const std::vector<Rect>& quads) {
    ModelObject object;
    object.vertexKind = texturedVertices;
    for (const Rect& r : quads) {
        const double corners[4][4] = {{r.left, r.bottom, 0, 0},
                                      {r.right, r.bottom, 1, 0},
                                      {r.right, r.top, 1, 1},
                                      {r.left, r.top, 0, 1}};
        for (const auto& c : corners) {
            ModelVertex v;
            v.position = {c[0], c[1], 0};
            v.texCoord = {c[2], c[3]};
            object.vertices.push_back(v);
        }
    }
    object.vertexCount = static_cast<int32_t>(quads.size() * 3);
    return object;
}

ModelFile layoutOf(const std::vector<std::vector<Rect>>& objects) {
    ModelFile file;
    file.kind = ModelFileKind::Layout;
    for (const auto& quads : objects) file.objects.push_back(objectOf(quads));
    return file;
}

Rect quadAt(const ModelFile& file, size_t object, size_t quad) {
    const auto& v = file.objects[object].vertices;
    return {v[quad * 4].position[0], v[quad * 4 + 2].position[0], v[quad * 4].position[1],
            v[quad * 4 + 2].position[1]};
}

void expectRect(const Rect& got, const Rect& want, const std::string& what) {
    EXPECT_NEAR(got.left, want.left, 1e-3) << what;
    EXPECT_NEAR(got.right, want.right, 1e-3) << what;
    EXPECT_NEAR(got.bottom, want.bottom, 1e-3) << what;
    EXPECT_NEAR(got.top, want.top, 1e-3) << what;
}

const Rect wholeBox{0, 80, 0, 60};

TEST(LayoutView, AtFourToThreeTheBoxIsTheWindowAndThePointerUsesTheDesignsOwnFormula) {
    for (auto [w, h] : {std::pair{640, 480}, {800, 600}, {1024, 768}, {320, 240}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const LayoutView view = layoutViewOf(w, h);
        EXPECT_EQ(view.boxLeft, 0);
        EXPECT_EQ(view.boxTop, 0);
        EXPECT_EQ(view.boxWidth, w);
        EXPECT_EQ(view.boxHeight, h);
        EXPECT_EQ(view.left, 0);
        EXPECT_EQ(view.right, 80);
        EXPECT_EQ(view.bottom, 0);
        EXPECT_EQ(view.top, 60);
        // Bit for bit what the menus have always computed, both ways.
        for (int y = 0; y <= h; y += 7) {
            for (int x = 0; x <= w; x += 7) {
                float mx = 0, my = 0;
                windowToDesign(view, x, y, mx, my);
                ASSERT_EQ(mx, static_cast<float>(x / (w * 0.0125)));
                ASSERT_EQ(my, static_cast<float>(60 - y / (h * (1.0 / 60))));
            }
        }
        for (float my = 0; my <= 60; my += 0.37f) {
            for (float mx = 0; mx <= 80; mx += 0.53f) {
                int x = 0, y = 0;
                designToWindow(view, mx, my, x, y);
                ASSERT_EQ(x, static_cast<int>(mx * static_cast<float>(w) / 80));
                ASSERT_EQ(y, static_cast<int>((60 - my) * static_cast<float>(h) / 60));
            }
        }
    }
}

TEST(LayoutView, WideAndTallWindowsShowSquareUnitsBesideOrAroundTheBox) {
    struct Case {
        int width, height;
        double boxLeft, boxTop, boxWidth, boxHeight;
        float left, right, bottom, top;
    };
    const Case cases[] = {
        {1920, 1080, 240, 0, 1440, 1080, -13.3333f, 93.3333f, 0, 60},
        {1280, 800, 106.6667, 0, 1066.6667, 800, -8, 88, 0, 60},
        {1366, 768, 171, 0, 1024, 768, -13.3594f, 93.3594f, 0, 60},
        {1280, 1024, 0, 32, 1280, 960, 0, 80, -2, 62},
        {600, 800, 0, 175, 600, 450, 0, 80, -23.3333f, 83.3333f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const LayoutView view = layoutViewOf(c.width, c.height);
        EXPECT_NEAR(view.boxLeft, c.boxLeft, 1e-3);
        EXPECT_NEAR(view.boxTop, c.boxTop, 1e-3);
        EXPECT_NEAR(view.boxWidth, c.boxWidth, 1e-3);
        EXPECT_NEAR(view.boxHeight, c.boxHeight, 1e-3);
        EXPECT_NEAR(view.left, c.left, 1e-3);
        EXPECT_NEAR(view.right, c.right, 1e-3);
        EXPECT_NEAR(view.bottom, c.bottom, 1e-3);
        EXPECT_NEAR(view.top, c.top, 1e-3);
        // A unit is as wide on the screen as it is high.
        EXPECT_NEAR((view.right - view.left) / c.width, (view.top - view.bottom) / c.height, 1e-6);
    }
}

TEST(LayoutView, ThePointerFollowsTheBoxAndIsHeldAtItsEdges) {
    struct Case {
        int width, height, x, y;
        float mx, my;
    };
    const Case cases[] = {
        {1920, 1080, 240, 0, 0, 60},    {1920, 1080, 1680, 1080, 80, 0},
        {1920, 1080, 960, 540, 40, 30}, {1920, 1080, 0, 540, 0, 30},
        {1920, 1080, 1919, 0, 80, 60},  {1920, 1080, 1800, 270, 80, 45},
        {1280, 1024, 640, 0, 40, 60},   {1280, 1024, 640, 1023, 40, 0},
        {1280, 1024, 0, 32, 0, 60},     {1280, 1024, 1280, 992, 80, 0},
        {1280, 800, 640, 400, 40, 30},  {1280, 800, 1200, 800, 80, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " at " +
                     std::to_string(c.x) + "," + std::to_string(c.y));
        float mx = -1, my = -1;
        windowToDesign(layoutViewOf(c.width, c.height), c.x, c.y, mx, my);
        EXPECT_NEAR(mx, c.mx, 1e-4);
        EXPECT_NEAR(my, c.my, 1e-4);
    }
    // A hand pointing at a button's middle lands on that button at every shape, within the
    // pixel it truncates to.
    for (auto [w, h] : {std::pair{1920, 1080}, {1280, 800}, {1280, 1024}, {800, 600}}) {
        const LayoutView view = layoutViewOf(w, h);
        for (const MenuRect& button : mainMenu::buttons) {
            const float cx = (button.left + button.right) / 2,
                        cy = (button.bottom + button.top) / 2;
            int x = 0, y = 0;
            designToWindow(view, cx, cy, x, y);
            float mx = 0, my = 0;
            windowToDesign(view, x, y, mx, my);
            EXPECT_NEAR(mx, cx, 1.001 * 80 / view.boxWidth) << w << "x" << h;
            EXPECT_NEAR(my, cy, 1.001 * 60 / view.boxHeight) << w << "x" << h;
            EXPECT_TRUE(button.contains(mx, my)) << w << "x" << h;
        }
    }
}

TEST(LayoutView, ABackdropWithoutMarginsGrowsToCoverTheWindowAndWhatLiesOnItStays) {
    struct Case {
        int width, height;
        Rect grown;
    };
    const Case cases[] = {
        {1024, 768, wholeBox},
        {1920, 1080, {-13.3333, 93.3333, -10, 70}},
        {1280, 1024, {-2.6667, 82.6667, -2, 62}},
    };
    const Rect dialog{20, 60, 19.5, 43.5};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        ModelFile layout = layoutOf({{wholeBox, dialog}, {{2, 30, 48, 54}}});
        fitLayout(layout, LayoutFit::backdrops, layoutViewOf(c.width, c.height));
        expectRect(quadAt(layout, 0, 0), c.grown, "the picture");
        expectRect(quadAt(layout, 0, 1), dialog, "the dialog on it");
        expectRect(quadAt(layout, 1, 0), {2, 30, 48, 54}, "a button");
        // The picture keeps its texture: it is cropped, not stretched.
        EXPECT_EQ(layout.objects[0].vertices[2].texCoord, (std::array<double, 2>{1, 1}));
    }
}

TEST(LayoutView, ABackdropWithMarginsIsLeftAsItIsWhereTheyReachAndGrowsBeyond) {
    const std::vector<Rect> picture = {
        wholeBox, {-20, 0, 0, 60}, {80, 100, 0, 60}, {0, 80, 60, 65}, {0, 80, -5, 0}};
    for (auto [w, h] : {std::pair{1920, 1080}, {1280, 800}, {1280, 1024}, {2160, 1080}}) {
        ModelFile layout = layoutOf({picture});
        fitLayout(layout, LayoutFit::backdrops, layoutViewOf(w, h));
        for (size_t q = 0; q < picture.size(); ++q)
            expectRect(quadAt(layout, 0, q), picture[q],
                       std::to_string(w) + "x" + std::to_string(h));
    }
    // 21:9 is wider than the margins: all of the picture grows together, just enough.
    ModelFile layout = layoutOf({picture});
    const LayoutView view = layoutViewOf(2560, 1080);
    fitLayout(layout, LayoutFit::backdrops, view);
    const double growth = (view.right - 40) / 60.0;
    expectRect(quadAt(layout, 0, 0),
               {40 - 40 * growth, 40 + 40 * growth, 30 - 30 * growth, 30 + 30 * growth}, "21:9");
    expectRect(quadAt(layout, 0, 2),
               {40 + 40 * growth, view.right, 30 - 30 * growth, 30 + 30 * growth},
               "21:9 right margin");
}

TEST(LayoutView, ThePanelsPiecesKeepToTheirCornersWithTheirShapes) {
    const Rect clock{0.8, 28.6, 51.4, 59.3}, compass{0.4, 30.4, 0.4, 12.8},
        bucket{62.4, 79.5, 0.6, 23.6}, middle{30, 50, 0, 2};
    struct Case {
        int width, height;
        double left, right, bottom, top;  // how far each edge of the window moved
    };
    const Case cases[] = {
        {800, 600, 0, 0, 0, 0}, {1920, 1080, -13.3333, 13.3333, 0, 0}, {1280, 1024, 0, 0, -2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        ModelFile layout = layoutOf({{clock, compass}, {bucket}, {middle}});
        fitLayout(layout, LayoutFit::corners, layoutViewOf(c.width, c.height));
        expectRect(
            quadAt(layout, 0, 0),
            {clock.left + c.left, clock.right + c.left, clock.bottom + c.top, clock.top + c.top},
            "clock, top left");
        expectRect(quadAt(layout, 0, 1),
                   {compass.left + c.left, compass.right + c.left, compass.bottom + c.bottom,
                    compass.top + c.bottom},
                   "compass, bottom left");
        expectRect(quadAt(layout, 1, 0),
                   {bucket.left + c.right, bucket.right + c.right, bucket.bottom + c.bottom,
                    bucket.top + c.bottom},
                   "bucket, bottom right");
        expectRect(quadAt(layout, 2, 0),
                   {middle.left, middle.right, middle.bottom + c.bottom, middle.top + c.bottom},
                   "a piece on the middle line stays centred");
    }
}

TEST(LayoutView, LayoutsAsWrittenAndTheWindowsChangesAreTold) {
    ModelFile layout = layoutOf({{wholeBox}});
    fitLayout(layout, LayoutFit::asWritten, layoutViewOf(1920, 1080));
    expectRect(quadAt(layout, 0, 0), wholeBox, "as written");

    setLayoutWindow(640, 480);
    EXPECT_FALSE(setLayoutWindow(640, 480));
    EXPECT_TRUE(setLayoutWindow(1920, 1080));
    EXPECT_EQ(layoutView(), layoutViewOf(1920, 1080));
    EXPECT_FALSE(setLayoutWindow(1920, 1080));
    EXPECT_TRUE(setLayoutWindow(640, 480));
}

}  // namespace
