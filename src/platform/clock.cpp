#include "platform/clock.h"

#include <chrono>

#include "platform/scheduler.h"

namespace platform {

namespace {
const auto processStart = std::chrono::steady_clock::now();
}

uint32_t realMilliseconds() {
    auto elapsed = std::chrono::steady_clock::now() - processStart;
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

uint32_t timeGetTime() {
    if (scheduler().fixed()) return scheduler().now();
    return realMilliseconds();
}

}  // namespace platform
