#pragma once
// `glh::kamera`: the bee's flight state and the camera that follows her.

#include <cstdint>

namespace glh {

struct FlightCamera {
    float cameraDistance = 0.4f;
    int verticalMouseDirection = 0;  // +1 pointer moved down the window, -1 up, 0 still
    float x = 0, y = 0, z = 0;
    float heading = 0;
    float velocityX = 0, velocityY = 0, velocityZ = 0;
    float bank = 0;
    float upTiltFirst = 0, upTiltSecond = 0;
    float speed = 0;
    float turnRate = 4.0f;
    float maxSpeed = 0.2f;
    float acceleration = 0.002f;
    float noseDownLimit = 0.02f;
    float pitch = 0;
    uint8_t upHeld = 0, downHeld = 0;

    // The bee flies between these heights; the idle callback holds her inside them.
    static constexpr float minHeight = 0.1f;
    static constexpr float maxHeight = 1.6f;
    void clampHeight() {
        if (y > maxHeight) y = maxHeight;
        if (y < minHeight) y = minHeight;
    }
};

extern FlightCamera kamera;

}  // namespace glh
