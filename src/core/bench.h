#pragma once
// The benchmark (--bench): how long whole frames of play take (from the start of one frame
// to the start of the next, so the swap, the idle call and the event handling count too)
// and how long a level takes to start (from the call of the level start to the first frame
// of play), with the time of each step of that start. It prints figures; it judges nothing.

#include <string>

// Just before a level start is called.
void noteLevelStartCall();

// After each step of a level start: the time since the call or the previous step is kept
// under the step's name. Steps of a level start the benchmark did not note the call of are
// not kept.
void noteLevelStartStep(const char* step);

// "level start ms: stage files 1.2, loading picture 30.5, ..., until the first frame 2.0"
std::string benchLevelStartSteps();

// At the top of every frame; `playing` says whether this frame shows play.
void noteFrameStart(bool playing);

// Play frames measured so far.
int benchFramesMeasured();

// "bench level 01 800x600: 1000 frames, 251.3 frames/s, frame ms median 3.81 p99 6.20
// worst 9.71, level start 350.2 ms"
std::string benchSummary(int level, int width, int height);
