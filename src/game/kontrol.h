#pragma once
// `glh::kontrol`: the on-screen panel, with the level's running state: the stage clock,
// and where the summary leads once the stage is over.

#include "game/stage_clock.h"
#include "game/stage_end.h"

namespace glh {

struct Panel {
    StageClock clock;                 // digits, game state, nectar tally, remaining loads
    int resultCode = resultGameOver;  // where the summary leads
    int nextLevel = 0;                // the level the summary's next-level button starts
    ScoreParts lastScore;             // the summary's nectar points and time bonus
};

extern Panel kontrol;

}  // namespace glh
