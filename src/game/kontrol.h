#pragma once
// `glh::kontrol`: the on-screen panel, with the level's running state: the stage clock,
// the bee's nectar bucket, and where the summary leads once the stage is over.

#include "assets/display_list.h"
#include "assets/tex_object.h"
#include "game/nectar.h"
#include "game/panel_plan.h"
#include "game/stage_clock.h"
#include "game/stage_end.h"

namespace glh {

struct Panel {
    StageClock clock;                 // digits, game state, nectar tally, remaining loads
    NectarBucket bucket;              // loads carried and the delivered percentage
    int resultCode = resultGameOver;  // where the summary leads
    int nextLevel = 0;                // the level the summary's next-level button starts
    ScoreParts lastScore;             // the summary's nectar points and time bonus

    // Room for the panel layout's elements; the panel draws 0 to 8, 17 and 18.
    static constexpr int elementCount = 32;

    // The panel's textures always load with the sharpest filter, whatever the settings.
    void loadTextures();
    void freeTextures();
    // Reads the layout and builds the glyphs unless loaded; always empties the bucket and
    // starts the tally for a new stage.
    void loadLayout();
    void freeLayout();
    // Reads the layout again for a window of another shape, keeping the stage's tally.
    void refitLayout();

    // Over the finished world: bar, lamps, compass (the needle turned by compassAngle,
    // degrees), remaining loads and the clock, each piece at its own corner of the window.
    // Leaves the depth test on.
    void draw(float speed, float maxSpeed, float compassAngle);

  private:
    void readLayout();
    void buildGlyphs();
    void drawGlyphs(const PanelPlan& plan);

    tex_object_2D lampOff_;    // kontnie
    tex_object_2D lampOn_;     // kont: lit lamps and the bar
    tex_object_2D clockFace_;  // zegar: the clock face and the digits
    tex_object_2D compass_;    // komp
    display_list elements_[elementCount];
    display_list glyphs_[glyphCount];
};

extern Panel kontrol;

}  // namespace glh
