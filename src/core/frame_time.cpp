#include "core/frame_time.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/input.h"

namespace glh {

// A frame longer than this is a stall (the window hidden, the machine busy), not motion:
// counted in full it would carry the bee out of the world in one step.
constexpr float longestFrameMs = 250;

void FrameTiming::updateFrameTime() {
    samples_[index_] =
        std::min(static_cast<float>(platform::timeGetTime() - lastTick), longestFrameMs);
    lastTick = platform::timeGetTime();
    float sum = 0;
    for (float sample : samples_) sum += sample;
    meanFrameSeconds = sum * 0.0001f;
    index_ = index_ == 9 ? 0 : index_ + 1;
}

void FrameTiming::restart() {
    lastTick = platform::timeGetTime();
}

void FrameTiming::readCursor() {
    auto cursor = platform::input().cursor();
    cursorX = cursor.x;
    cursorY = cursor.y;
}

}  // namespace glh
