#include "core/frame_time.h"

#include "platform/clock.h"
#include "platform/input.h"

namespace glh {

void FrameTiming::updateFrameTime() {
    samples_[index_] = static_cast<float>(platform::timeGetTime() - lastTick);
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
