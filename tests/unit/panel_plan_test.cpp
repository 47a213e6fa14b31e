#include "game/panel_plan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The glyphs as text: the remaining loads, a space, the clock ("7 0:05").
std::string shown(const PanelPlan& plan) {
    std::string loads, clock;
    for (const PanelGlyph& glyph : plan.glyphs)
        (glyph.y < 50 ? loads : clock) += glyph.glyph == colonGlyph ? ':' : char('0' + glyph.glyph);
    return loads + " " + clock;
}

StageClock clockAt(int tensOfMinutes, int minutes, int tensOfSeconds, int seconds) {
    StageClock clock;
    clock.tensOfMinutes = tensOfMinutes;
    clock.minutes = minutes;
    clock.tensOfSeconds = tensOfSeconds;
    clock.seconds = seconds;
    return clock;
}

TEST(PanelPlan, TheBarGrowsFromNothingToJustBelowTheRemainingLoads) {
    NectarBucket bucket;
    StageClock clock;
    PanelPlan plan = planPanel(bucket, clock, 0, 1);
    EXPECT_EQ(plan.bar.top, plan.bar.bottom);
    EXPECT_FLOAT_EQ(plan.bar.texTop, 0.2285f);

    bucket.deliveredPercent = 100;
    plan = planPanel(bucket, clock, 0, 1);
    EXPECT_FLOAT_EQ(plan.bar.bottom, 2);
    EXPECT_FLOAT_EQ(plan.bar.top, 17.14f);
    EXPECT_FLOAT_EQ(plan.bar.texTop, 0.2285f + 0.3984f);
    EXPECT_FLOAT_EQ(plan.bar.left, 68.9842f);
    EXPECT_FLOAT_EQ(plan.bar.right, 77.9365f);
}

TEST(PanelPlan, NumbersLeaveOutLeadingTensButKeepTheirPlaces) {
    StageClock clock = clockAt(0, 0, 0, 5);
    clock.remainingLoadsUnits = 7;
    PanelPlan plan = planPanel({}, clock, 0, 1);
    EXPECT_EQ(shown(plan), "7 0:05");
    // Units of the loads one glyph in; the clock's minutes one glyph in, then a glyph apart.
    EXPECT_FLOAT_EQ(plan.glyphs[0].x, 68.98f + glyphWidth);
    EXPECT_FLOAT_EQ(plan.glyphs[0].y, 17.14f);
    const float clockXs[] = {2.13f + glyphWidth, 2.13f + 2 * glyphWidth, 2.13f + 3 * glyphWidth,
                             2.13f + 4 * glyphWidth};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(plan.glyphs[k + 1].x, clockXs[k], 1e-5);
        EXPECT_FLOAT_EQ(plan.glyphs[k + 1].y, 52.64f);
    }

    clock = clockAt(1, 2, 3, 4);
    clock.remainingLoadsTens = 3;
    clock.remainingLoadsUnits = 0;
    plan = planPanel({}, clock, 0, 1);
    EXPECT_EQ(shown(plan), "30 12:34");
    EXPECT_FLOAT_EQ(plan.glyphs[0].x, 68.98f);
    EXPECT_FLOAT_EQ(plan.glyphs[2].x, 2.13f);

    // More loads than two places hold.
    clock.remainingLoadsTens = 12;
    clock.remainingLoadsUnits = 5;
    EXPECT_EQ(shown(planPanel({}, clock, 0, 1)), "99 12:34");
}

TEST(PanelPlan, LampsShowTheBucketAndEachThirdOfTheTopSpeed) {
    NectarBucket bucket;
    bucket.slots = {1, 1, 0, 0, 0};
    EXPECT_EQ(planPanel(bucket, {}, 0, 1).bucketLamps,
              (std::array<bool, 5>{true, true, false, false, false}));

    struct Case {
        float speed;
        std::array<bool, 3> lamps;
    };
    const Case cases[] = {{0.333f, {false, false, false}}, {0.334f, {true, false, false}},
                          {0.666f, {true, false, false}},  {0.667f, {true, true, false}},
                          {0.999f, {true, true, false}},   {1.0f, {true, true, true}},
                          {-0.9f, {false, false, false}}};
    for (const Case& c : cases)
        EXPECT_EQ(planPanel({}, {}, c.speed, 1).speedLamps, c.lamps) << c.speed;
}

TEST(PanelPlan, GlyphCellsOfTheClockTexture) {
    struct Case {
        int glyph;
        GlyphCell cell;
    };
    const Case cases[] = {{1, {0, 0.25f, 0.66f, 1}},           {4, {0.75f, 1, 0.66f, 1}},
                          {5, {0, 0.25f, 0.33f, 0.66f}},       {8, {0.75f, 1, 0.33f, 0.66f}},
                          {9, {0, 0.25f, 0, 0.33f}},           {0, {0.25f, 0.5f, 0, 0.33f}},
                          {colonGlyph, {0.5f, 0.7f, 0, 0.33f}}};
    for (const Case& c : cases) {
        const GlyphCell cell = glyphCell(c.glyph);
        EXPECT_FLOAT_EQ(cell.left, c.cell.left) << c.glyph;
        EXPECT_FLOAT_EQ(cell.right, c.cell.right) << c.glyph;
        EXPECT_FLOAT_EQ(cell.bottom, c.cell.bottom) << c.glyph;
        EXPECT_FLOAT_EQ(cell.top, c.cell.top) << c.glyph;
    }
}

}  // namespace
