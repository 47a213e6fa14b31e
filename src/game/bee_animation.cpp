#include "game/bee_animation.h"

#include "geometry/plane_geometry.h"

namespace glh {

namespace {

constexpr float degreesPerRadian = 57.29578f;

// One tick of the tumble: the rules run one after another on the angle each leaves, so
// one tick can take more than one step. Past 720 the tumble is over.
void stepTumble(int& a, int& tumbling) {
    if (a >= 0 && a <= 30) a += 6;
    if (a > 30 && a < 60) a += 10;
    if (a > 59 && a <= 90) a += 20;
    if (a > 90 && a < 630) a += 30;
    if (a > 629 && a <= 660) a += 18;
    if (a > 659 && a <= 700) a += 11;
    if (a > 699 && a <= 720) a += 5;
    if (a > 720) {
        a = 0;
        tumbling = 0;
    }
}

// One tick of a spin, slow at both ends of the full turn.
void stepSpin(int& a, int& direction) {
    if (direction > 0) {
        if (a >= 0 && a <= 30) a += 12;
        if (a > 30 && a < 60) a += 12;
        if (a > 59 && a <= 90) a += 18;
        if (a > 90 && a < 270) a += 24;
        if (a > 269 && a <= 300) a += 18;
        if (a > 299 && a <= 330) a += 11;
        if (a > 329 && a <= 360) a += 5;
        if (a > 360) {
            a = 0;
            direction = 0;
        }
    } else if (direction < 0) {
        if (a >= -30 && a < 1) a -= 12;
        if (a >= -59 && a < -30) a -= 12;
        if (a >= -90 && a < -59) a -= 18;
        if (a >= -269 && a < -90) a -= 24;
        if (a >= -300 && a < -269) a -= 18;
        if (a >= -330 && a < -299) a -= 11;
        if (a >= -360 && a < -329) a -= 5;
        if (a < -360) {
            a = 0;
            direction = 0;
        }
    }
}

}  // namespace

void BeeAnimation::tick(float heading, float x, float z) {
    const float home = geometry::headingAngle(x, z, 0, 0);
    compassAngle = heading * degreesPerRadian - home * degreesPerRadian;
    wingAngle += 11;
    if (wingAngle > 90) wingAngle = 20;
    if (tumbling) stepTumble(tumbleAngle, tumbling);
    stepSpin(spinAngle, spinDirection);
}

}  // namespace glh
