#include "core/autopilot.h"

#include <vector>

#include "core/display_record.h"
#include "core/game_state.h"
#include "game/autopilot_rules.h"
#include "game/collision_mesh.h"
#include "game/creatures.h"
#include "game/kamera.h"
#include "game/kontrol.h"
#include "game/nectar_sprites.h"
#include "game/pickup_icons.h"
#include "platform/clock.h"

namespace {

// Lifetime: the whole process; reset at every level start.
Autopilot pilot;
// Lifetime: the whole process; refilled every frame from the level's collision mesh.
std::vector<CollisionBox> obstacles;

AutopilotView currentView() {
    const auto& bee = glh::kamera;
    const auto& clock = glh::kontrol.clock;
    AutopilotView view;
    view.x = bee.x;
    view.y = bee.y;
    view.z = bee.z;
    view.heading = bee.heading;
    view.speed = bee.speed;
    view.maxSpeed = bee.maxSpeed;
    view.turnRate = bee.turnRate;
    view.sprites = glh::spritte_tx.sprites;
    view.icons = glh::ikony_tx.icons;
    view.creatures = creatureSightings();
    obstacles.clear();
    for (size_t g = 0; g < clip_plan.groups.size(); ++g)
        if (static_cast<int>(g) != CollisionMesh::entranceGroup)
            obstacles.push_back(clip_plan.groups[g].box);
    view.obstacles = obstacles;
    view.loadCount = glh::kontrol.bucket.loadCount;
    view.collected = clock.collected;
    view.target = clock.target;
    view.nectarPerLoad = clock.nectarPerLoad > 0 ? clock.nectarPerLoad : 1;
    view.secondsLeft = clock.secondsLeft();
    view.exitOpen = opera.exitOpen == 1;
    view.centreX = ekran.centreX;
    view.centreY = ekran.centreY;
    view.seconds = static_cast<float>(platform::timeGetTime()) * 0.001f;
    return view;
}

}  // namespace

void setAutopilotStyle(AutopilotStyle style) {
    pilot.setStyle(style);
}

void resetAutopilot() {
    pilot.reset();
}

FrameInput autopilotControls() {
    AutopilotControls controls = pilot.decide(currentView());
    FrameInput frame;
    frame.cursorX = controls.cursorX;
    frame.cursorY = controls.cursorY;
    frame.up = controls.up;
    frame.down = controls.down;
    return frame;
}
