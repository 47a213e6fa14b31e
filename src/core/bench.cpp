#include "core/bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Lifetime: the whole process.
struct BenchState {
    std::vector<double> frameMs;
    Clock::time_point previousFrame;
    bool previousWasPlay = false;
    Clock::time_point levelStartCall;
    bool levelStartPending = false;
    double levelStartMs = -1;
    Clock::time_point lastStep;
    std::vector<std::pair<std::string, double>> steps;  // of the last level start
} bench;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double percentile(std::vector<double> sorted, double share) {
    if (sorted.empty()) return 0;
    auto index = static_cast<size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

}  // namespace

void noteLevelStartCall() {
    bench.levelStartCall = bench.lastStep = Clock::now();
    bench.steps.clear();
    bench.levelStartPending = true;
    bench.previousWasPlay = false;  // the loading time is not a frame
}

void noteFrameStart(bool playing) {
    const auto now = Clock::now();
    if (playing && bench.levelStartPending) {
        noteLevelStartStep("until the first frame");
        bench.levelStartMs = millisecondsBetween(bench.levelStartCall, now);
        bench.levelStartPending = false;
    } else if (playing && bench.previousWasPlay) {
        bench.frameMs.push_back(millisecondsBetween(bench.previousFrame, now));
    }
    bench.previousFrame = now;
    bench.previousWasPlay = playing;
}

void noteLevelStartStep(const char* step) {
    if (!bench.levelStartPending) return;
    const auto now = Clock::now();
    bench.steps.emplace_back(step, millisecondsBetween(bench.lastStep, now));
    bench.lastStep = now;
}

std::string benchLevelStartSteps() {
    std::string line = "level start ms:";
    char figure[32];
    for (const auto& [step, ms] : bench.steps) {
        std::snprintf(figure, sizeof figure, " %.1f", ms);
        line += (line.back() == ':' ? " " : ", ") + step + figure;
    }
    return line;
}

int benchFramesMeasured() {
    return static_cast<int>(bench.frameMs.size());
}

std::string benchSummary(int level, int width, int height) {
    std::vector<double> sorted = bench.frameMs;
    std::sort(sorted.begin(), sorted.end());
    double total = 0;
    for (double ms : sorted) total += ms;
    const double fps = total > 0 ? 1000.0 * static_cast<double>(sorted.size()) / total : 0;
    char line[200];
    std::snprintf(line, sizeof line,
                  "bench level %02d %dx%d: %zu frames, %.1f frames/s, frame ms median %.2f p99 "
                  "%.2f worst %.2f, level start %.1f ms",
                  level, width, height, sorted.size(), fps, percentile(sorted, 0.5),
                  percentile(sorted, 0.99), sorted.empty() ? 0.0 : sorted.back(),
                  bench.levelStartMs);
    return line;
}
