#include "game/kamera.h"

#include <algorithm>
#include <cmath>

namespace glh {

namespace {
constexpr float halfPi = 1.5707964f;
// Sharp turns at speed start a spin.
constexpr float spinDeflection = 0.8f;
constexpr float spinMinSpeed = 0.005f;
constexpr float spinMinHeight = 0.4f;
// The hive stands at the origin; its post keeps the bee out of it.
constexpr float hiveHeight = 0.8f;
constexpr float hiveRadius = 0.2f;
constexpr float hiveDoorZ = 0.201f;
constexpr float worldEdge = 19.7f;
constexpr float edgeDrift = 0.001f;
}  // namespace

void FlightCamera::fly(const FlightInput& in, FlightWorld& world) {
    const float dt = in.dt;
    upHeld = in.upHeld;
    downHeld = in.downHeld;

    // Speed from the arrow keys: four tests, each on the speed the last one left.
    if (upHeld && speed < maxSpeed) speed += acceleration * dt;
    if (!upHeld && speed > 0.001f) speed -= acceleration * dt;
    if (downHeld && speed > -maxSpeed) speed -= acceleration * dt;
    if (!downHeld && speed < -0.001f) speed += acceleration * dt;
    if (speed > maxSpeed) speed = maxSpeed;

    // Turning follows the pointer's distance from the centre.
    const float e = (in.cursorX - in.centreX) / in.centreX;
    heading -= e * turnRate * dt;
    if (speed >= spinMinSpeed && y >= spinMinHeight && !world.spinRunning()) {
        if (e > spinDeflection) world.startSpin(1);
        if (e < -spinDeflection) world.startSpin(-1);
    }

    // Climbing: pointer above the centre climbs, below sinks; at the centre nothing changes.
    const float c = (in.cursorY - in.centreY) / in.centreY;
    if (c < 0) velocityY = c * c * dt;
    if (c > 0) velocityY = -(c * c) * dt;

    // Pitch decays toward level, then follows the last vertical pointer motion.
    pitch -= pitch * 0.00625f;
    if (verticalMouseDirection == 1) pitch -= 0.01f * dt;
    if (verticalMouseDirection == -1) pitch += 0.01f * dt;
    pitch = std::min(pitch, 0.01f);
    pitch = std::max(pitch, -noseDownLimit);

    bank = -e;
    upTiltFirst = std::cos(heading + halfPi) * bank;
    upTiltSecond = std::sin(heading + halfPi) * bank;

    velocityX = std::sin(heading) * speed * dt;
    velocityZ = std::cos(heading) * speed * dt;
    if (in.countdown) velocityX = velocityY = velocityZ = 0;

    world.nectarTest(*this);
    world.collisionTest(*this);

    // The hive post: low and close to the hive, the bee is put back at its door.
    cameraDistance = 0.4f;
    if (y < hiveHeight) {
        const float r = std::sqrt(x * x + z * z);
        cameraDistance = std::min(r, 0.4f);
        if (cameraDistance < hiveRadius) {
            heading = 0;
            x = 0;
            z = hiveDoorZ;
            velocityX = velocityY = velocityZ = 0;
        }
    }

    // The world's edge pushes back gently, whatever the controls say.
    if (x > worldEdge) velocityX = -edgeDrift;
    if (x < -worldEdge) velocityX = edgeDrift;
    if (z > worldEdge) velocityZ = -edgeDrift;
    if (z < -worldEdge) velocityZ = edgeDrift;

    x += velocityX;
    y += velocityY;
    z += velocityZ;
}

FlightCamera::LookAt FlightCamera::followingView() const {
    return {{x - std::sin(heading) * cameraDistance, y - pitch * 10,
             z - std::cos(heading) * cameraDistance},
            {x, y, z},
            {upTiltSecond, 2, upTiltFirst}};
}

FlightCamera::LookAt FlightCamera::startView() const {
    const float back = speed * 2 + 0.5f;
    return {{x - std::sin(heading) * back, y - pitch * 10, z - std::cos(heading) * back},
            {x, y, z},
            {0, 2.5f, 0}};
}

}  // namespace glh
