#include "game/panel_plan.h"

#include <algorithm>

namespace {

constexpr float remainingLoadsX = 68.98f, remainingLoadsY = 17.14f;
constexpr float clockX = 2.13f, clockY = 52.64f;

// The glyph lists hold single digits; anything else is not drawn.
void addDigit(GlyphRow& glyphs, int digit, float x, float y) {
    if (digit >= 0 && digit <= 9) glyphs.push_back({digit, x, y});
}

}  // namespace

GlyphCell glyphCell(int glyph) {
    if (glyph == colonGlyph) return {0.5f, 0.7f, 0, 0.33f};
    // The texture holds 1 to 4 in its top row, 5 to 8 in the middle, 9 and 0 at the bottom.
    const int place = glyph == 0 ? 9 : glyph - 1;
    static constexpr float rowBottom[] = {0.66f, 0.33f, 0};
    static constexpr float rowTop[] = {1, 0.66f, 0.33f};
    const float left = static_cast<float>(place % 4) * 0.25f;
    return {left, left + 0.25f, rowBottom[place / 4], rowTop[place / 4]};
}

PanelPlan planPanel(const NectarBucket& bucket, const StageClock& clock, float speed,
                    float maxSpeed) {
    PanelPlan plan;
    const float p = static_cast<float>(std::clamp(bucket.deliveredPercent, 0, 100));
    plan.bar.top = 2 + p * 0.1514f;
    plan.bar.texTop = 0.2285f + p * 0.003984f;

    for (size_t k = 0; k < plan.bucketLamps.size(); ++k) plan.bucketLamps[k] = bucket.slots[k] == 1;
    plan.speedLamps = {speed > maxSpeed * 0.333f, speed > maxSpeed * 0.666f,
                       speed > maxSpeed * 0.999f};

    // Two places for the loads still to deliver; more than 99 shows as 99.
    int tens = clock.remainingLoadsTens, units = clock.remainingLoadsUnits;
    if (tens > 9) tens = units = 9;
    float x = remainingLoadsX;
    if (tens != 0) addDigit(plan.glyphs, tens, x, remainingLoadsY);
    addDigit(plan.glyphs, units, x + glyphWidth, remainingLoadsY);

    x = clockX;
    if (clock.tensOfMinutes != 0) addDigit(plan.glyphs, clock.tensOfMinutes, x, clockY);
    addDigit(plan.glyphs, clock.minutes, x += glyphWidth, clockY);
    plan.glyphs.push_back({colonGlyph, x += glyphWidth, clockY});
    addDigit(plan.glyphs, clock.tensOfSeconds, x += glyphWidth, clockY);
    addDigit(plan.glyphs, clock.seconds, x += glyphWidth, clockY);
    return plan;
}
