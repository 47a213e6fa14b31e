#pragma once
// The perspective of play (the level start sets it up).

#include <cstdint>

struct Projection {
    int32_t viewportWidth = 0, viewportHeight = 0;
    float fovY = 60;
    float aspect = 0;
    float zNear = 0.1f;
    float zFar = 10;
    float aspectFactor = 1;
};

extern Projection projection;
