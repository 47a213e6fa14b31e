#include "core/flight_update.h"

#include <vector>

#include "__SNG/sound_table.h"
#include "core/display_record.h"
#include "core/frame_time.h"
#include "core/game_state.h"
#include "core/level_start.h"
#include "game/bee_model.h"
#include "game/collectibles.h"
#include "game/collision_mesh.h"
#include "game/kamera.h"
#include "platform/input.h"

namespace {

class GameFlightWorld : public glh::FlightWorld {
  public:
    bool spinRunning() override { return glh::gl_oxa_model.animation.spinDirection != 0; }
    void startSpin(int direction) override {
        glh::gl_oxa_model.animation.startSpin(direction);
        playEffect(SlotTurn);
    }
    void nectarTest(glh::FlightCamera& bee) override {
        if (::nectarTest(bee, glh::reset.meanFrameSeconds)) playEffect(SlotNectar);
    }
    void collisionTest(glh::FlightCamera& bee) override {
        hits_.reserve(CollisionMesh::maxGroups);
        collisionHits(clip_plan, {bee.x, bee.y, bee.z}, hits_);
        for (const CollisionHit& hit : hits_) {
            if (hit.group == CollisionMesh::entranceGroup) {
                // The hive's door: no bounce; the stage is won once the exit is open.
                tryCompleteStage();
                if (medium.screen != ScreenPlaying) return;
                continue;
            }
            bounce(bee, hit.normal);
        }
    }

  private:
    std::vector<CollisionHit> hits_;

    static void bounce(glh::FlightCamera& bee, const geometry::Vec3& normal) {
        const float speedBefore = bee.speed;
        bee.speed = 0;
        bee.velocityX = normal.x * 0.002f;
        bee.velocityY = normal.y * 0.002f;
        bee.velocityZ = normal.z * 0.002f;
        if (speedBefore > bee.maxSpeed * 0.333f) {
            // A hard bump: a boing, and a load spilt.
            playEffect(SlotBounce);
            spillNectarLoad();
        }
    }
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

void collideWithStage(glh::FlightCamera& bee) {
    world.collisionTest(bee);
}

void updateFlight() {
    fly();
    glh::kamera.compileCamera(glh::kamera.followingView());
}

void startFlight() {
    glh::reset.restart();
    glh::kamera.noseDownLimit = 0.02f;
    glh::kamera.pitch = 0;
    updateFlight();
    glh::kamera.compileCamera(glh::kamera.startView());
}
