#include "core/stage_report.h"

#include <cstdio>

namespace {

StageEndListener currentListener = nullptr;

}  // namespace

std::string dumpLine(const StageReport& report) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "level %02d difficulty %d %s nectar %d clock %d:%02d points %d+%d total %d "
                  "unlocked %d stolen %d",
                  report.level, report.difficulty, report.won ? "won" : "time-up", report.collected,
                  report.secondsLeft / 60, report.secondsLeft % 60, report.nectarPoints,
                  report.timeBonus, report.total, report.unlocked, report.stolen);
    return line;
}

void setStageEndListener(StageEndListener listener) {
    currentListener = listener;
}

void notifyStageEnd(const StageReport& report) {
    if (currentListener) currentListener(report);
}
