#include "core/flight_update.h"

#include "core/display_record.h"
#include "core/frame_time.h"
#include "core/game_state.h"
#include "game/bee_model.h"
#include "game/kamera.h"
#include "platform/input.h"

namespace {

class GameFlightWorld : public glh::FlightWorld {
  public:
    bool spinRunning() override { return glh::gl_oxa_model.animation.spinDirection != 0; }
    void startSpin(int direction) override { glh::gl_oxa_model.animation.startSpin(direction); }
    void nectarTest(glh::FlightCamera&) override {}
    void collisionTest(glh::FlightCamera&) override {}
};

GameFlightWorld world;

void fly() {
    glh::reset.updateFrameTime();
    glh::reset.readCursor();
    glh::FlightInput input;
    input.dt = glh::reset.meanFrameSeconds;
    input.cursorX = static_cast<float>(glh::reset.cursorX);
    input.cursorY = static_cast<float>(glh::reset.cursorY);
    input.centreX = ekran.centreX;
    input.centreY = ekran.centreY;
    input.upHeld = platform::input().held(platform::ArrowKey::Up);
    input.downHeld = platform::input().held(platform::ArrowKey::Down);
    input.countdown = medium.countdownActive == 1;
    glh::kamera.fly(input, world);
}

}  // namespace

void updateFlight() {
    fly();
    glh::kamera.compileCamera(glh::kamera.followingView());
}

void startFlight() {
    glh::kamera.noseDownLimit = 0.02f;
    glh::kamera.pitch = 0;
    updateFlight();
    glh::kamera.compileCamera(glh::kamera.startView());
}
