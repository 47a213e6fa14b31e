#include "platform/scheduler.h"

namespace platform {

void Scheduler::setFixedStep(uint32_t stepMs) {
    stepMs_ = stepMs;
}

void Scheduler::arm(unsigned delayMs, TimerFunc func, int value) {
    if (!func) return;
    if (!fixed()) {
        if (backend_) backend_(delayMs, func, value);
        return;
    }
    queue_.push(Entry{static_cast<uint64_t>(now_) + delayMs, sequence_++, func, value});
}

void Scheduler::advanceFrame() {
    if (!fixed()) return;
    const uint64_t frameEnd = static_cast<uint64_t>(now_) + stepMs_;
    while (!queue_.empty() && queue_.top().due <= frameEnd) {
        Entry next = queue_.top();
        queue_.pop();
        now_ = static_cast<uint32_t>(next.due);
        next.func(next.value);
    }
    now_ = static_cast<uint32_t>(frameEnd);
}

void Scheduler::reset() {
    queue_ = {};
    now_ = 0;
    sequence_ = 0;
}

Scheduler& scheduler() {
    static Scheduler instance;
    return instance;
}

}  // namespace platform
