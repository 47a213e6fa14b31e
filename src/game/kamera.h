#pragma once
// `glh::kamera`: the bee's flight state and the camera that follows her. The flight is
// plain arithmetic on this record (kamera.cpp); compiling the camera's display list is
// the only drawing (kamera_gl.cpp).

#include <cstdint>

#include "assets/display_list.h"

namespace glh {

struct FlightCamera;

// What one frame of flight reads from the outside world.
struct FlightInput {
    float dt = 0;                    // mean frame time, seconds
    float cursorX = 0, cursorY = 0;  // pointer, screen pixels
    float centreX = 1, centreY = 1;  // half the display mode's size
    bool upHeld = false, downHeld = false;
    bool countdown = false;  // while the countdown runs the bee does not move
};

// What the flight asks of the rest of the game during an update.
class FlightWorld {
  public:
    virtual ~FlightWorld() = default;
    virtual bool spinRunning() = 0;
    virtual void startSpin(int direction) = 0;          // a sharp turn at speed
    virtual void nectarTest(FlightCamera& flight) = 0;  // may slow the bee down
    virtual void collisionTest(FlightCamera& flight) = 0;
};

struct FlightCamera {
    display_list cameraList;
    float cameraDistance = 0.4f;
    int verticalMouseDirection = 0;  // +1 pointer moved down the window, -1 up, 0 still
    float x = 0, y = 0, z = 0;
    float heading = 0;  // radians; 0 looks along +z
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

    // One frame of flight: speed, turn, climb, pitch, bank, velocity, nectar and
    // collision tests, the hive post, the world's bounds and the move.
    void fly(const FlightInput& input, FlightWorld& world);

    // The look-at of this frame: eye, centre, up.
    struct LookAt {
        float eye[3], centre[3], up[3];
    };
    LookAt followingView() const;
    LookAt startView() const;

    // The camera list, compiled from a look-at.
    void compileCamera(const LookAt& view);
};

extern FlightCamera kamera;

}  // namespace glh
