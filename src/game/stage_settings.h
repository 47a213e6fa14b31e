#pragma once
// `model`: the current stage's settings, read from its stage file at each stage start.

struct StageSettings {
    float maxSpeed = 0;         // the bee's normal speed limit
    float boostedMaxSpeed = 0;  // the limit while a speed icon's boost runs
};

extern StageSettings model;
