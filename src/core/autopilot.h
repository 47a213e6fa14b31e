#pragma once
// The autopilot at the controls (--autopilot): once a frame, before the flight update, it
// looks at what the game shows a player and sets the pointer and the Up and Down keys of
// the fed input source, as a player's hand would. It never touches the flight itself.

#include "core/replay_format.h"
#include "game/autopilot_rules.h"

// Who sits at the controls: the skilled player (the default) or a young child.
void setAutopilotStyle(AutopilotStyle style);

// Forgets the previous stage (the level runner calls it at every level start).
void resetAutopilot();

// This frame's controls, decided from the running stage.
FrameInput autopilotControls();
