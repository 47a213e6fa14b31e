#pragma once
// One scheduler for the game's self-re-arming timers.
//
// Normal mode hands every timer to the window system (glutTimerFunc) and the real clock.
// Fixed-step mode ("timedemo") keeps its own queue and virtual clock: each displayed frame
// advances the clock by the step and fires, in time order, every timer that falls due.
// While a timer runs the virtual clock reads its due time, so a 20 ms timer re-armed
// during a 50 ms step fires again in the same frame, just as it would on a fast machine.

#include <cstddef>
#include <cstdint>
#include <queue>
#include <vector>

namespace platform {

using TimerFunc = void (*)(int value);
using TimerBackend = void (*)(unsigned delayMs, TimerFunc func, int value);

class Scheduler {
  public:
    // 0 selects normal (real-time) mode.
    void setFixedStep(uint32_t stepMs);
    uint32_t fixedStep() const { return stepMs_; }
    bool fixed() const { return stepMs_ != 0; }

    // Where normal-mode timers go (glutTimerFunc once the window exists).
    void setRealBackend(TimerBackend backend) { backend_ = backend; }

    // glutTimerFunc's stand-in: call func(value) once, delayMs from now.
    void arm(unsigned delayMs, TimerFunc func, int value);

    // Fixed-step mode: the clock moves on by one step and the timers due by then fire.
    void advanceFrame();

    // The virtual clock (fixed-step mode).
    uint32_t now() const { return now_; }
    size_t pending() const { return queue_.size(); }

    // Drops every queued timer and resets the virtual clock (tests).
    void reset();

  private:
    struct Entry {
        uint64_t due;
        uint64_t sequence;  // ties fire in the order they were armed
        TimerFunc func;
        int value;
        bool operator>(const Entry& other) const {
            return due != other.due ? due > other.due : sequence > other.sequence;
        }
    };
    uint32_t stepMs_ = 0;
    uint32_t now_ = 0;
    uint64_t sequence_ = 0;
    TimerBackend backend_ = nullptr;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue_;
};

Scheduler& scheduler();

}  // namespace platform
