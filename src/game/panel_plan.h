#pragma once
// What the panel shows, worked out apart from the drawing: the delivered bar, the lamps and
// where each glyph of the remaining loads and the clock goes. Units are the panel's flat
// 80 × 60 space, origin at the bottom left.

#include <array>

#include "game/nectar.h"
#include "game/stage_clock.h"

inline constexpr float glyphWidth = 3.94f;  // also the advance between glyphs
inline constexpr float glyphHeight = 5.46f;
inline constexpr int colonGlyph = 10;  // glyphs 0 to 9 are the digits
inline constexpr int glyphCount = 11;

// A glyph's cell of the clock texture (s across, t up).
struct GlyphCell {
    float left, right, bottom, top;
};
GlyphCell glyphCell(int glyph);

struct PanelGlyph {
    int glyph = 0;
    float x = 0, y = 0;  // bottom left corner
};

// The delivered bar grows up from y = 2, its texture window growing with it.
struct BarQuad {
    float left = 68.9842f, right = 77.9365f;
    float bottom = 2, top = 2;
    float texLeft = 0.0371f, texRight = 0.2636f;
    float texBottom = 0.2285f, texTop = 0.2285f;
};

// The panel's glyphs of one frame: at most two for the loads and five for the clock. A
// fixed row, so drawing the panel allocates nothing.
class GlyphRow {
  public:
    static constexpr int capacity = 7;
    void push_back(const PanelGlyph& glyph) {
        if (count_ < capacity) items_[count_++] = glyph;
    }
    const PanelGlyph& operator[](int index) const { return items_[index]; }
    const PanelGlyph* begin() const { return items_.data(); }
    const PanelGlyph* end() const { return items_.data() + count_; }
    int size() const { return count_; }

  private:
    std::array<PanelGlyph, capacity> items_{};
    int count_ = 0;
};

struct PanelPlan {
    BarQuad bar;
    std::array<bool, NectarBucket::slotCount> bucketLamps{};  // lit = full slot
    std::array<bool, 3> speedLamps{};  // lit above a third, two thirds, all of the top speed
    GlyphRow glyphs;                   // remaining loads, then the clock
};

PanelPlan planPanel(const NectarBucket& bucket, const StageClock& clock, float speed,
                    float maxSpeed);
