#pragma once
// `glh::reset`: the frame-time factor every per-frame rate of play is multiplied by, and
// the desktop cursor position.

#include <cstdint>

namespace glh {

struct FrameTiming {
    uint32_t lastTick = 0;
    int32_t cursorX = 0, cursorY = 0;
    float meanFrameSeconds = 0;

    // Once per drawn play frame: the mean length of the last ten frames, in seconds.
    void updateFrameTime();
    // Play (re)starts now: the time spent loading or in the menus is not a frame.
    void restart();
    // Reads the pointer into cursorX, cursorY.
    void readCursor();

  private:
    float samples_[10] = {};
    int index_ = 0;
};

extern FrameTiming reset;

}  // namespace glh
