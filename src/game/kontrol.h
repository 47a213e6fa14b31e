#pragma once
// `glh::kontrol`: the on-screen panel, with the running state of the level.

namespace glh {

struct Panel {
    int gameState = 0;  // 1 while the level runs, 0 when paused or over
};

extern Panel kontrol;

}  // namespace glh
