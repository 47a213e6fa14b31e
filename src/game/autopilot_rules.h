#pragma once
// The autopilot's decisions: from what the game shows a player (where the bee is and how
// fast she flies, which nectar spots still glow, the icons, the butterflies and
// dragonflies, the trees, houses and fences she could bump into, the bucket, the clock and
// whether the exit is open) to what a player does: where the pointer stands and which of
// the Up and Down keys are held. Plain arithmetic, so it can be tested alone; the core
// feeds the result into the input source, and the flight code runs unchanged.

#include <deque>
#include <span>
#include <vector>

#include "game/collision_mesh.h"
#include "game/creature_rules.h"
#include "game/icon_rules.h"
#include "game/nectar.h"

struct AutopilotView {
    float x = 0, y = 0, z = 0;
    float heading = 0;  // radians; 0 looks along +z
    float speed = 0;
    float maxSpeed = 1;
    float turnRate = 1;
    std::span<const NectarSprite> sprites;
    std::span<const PickupIcon> icons;
    std::span<const CreatureSighting> creatures;
    std::span<const CollisionBox> obstacles;  // what she can bump into (not the hive's door)
    int loadCount = 0;
    int collected = 0;
    int target = 0;
    int nectarPerLoad = 1;
    int secondsLeft = 0;
    bool exitOpen = false;
    float centreX = 1, centreY = 1;  // the screen's centre, pixels
    float seconds = 0;               // the game clock, for the autopilot's own timers
};

struct AutopilotControls {
    int cursorX = 0, cursorY = 0;
    bool up = false, down = false;
};

enum class AutopilotGoal { Nectar, Icon, Deliver, Exit, Evade };

// Who sits at the controls. The skilled player plays to win: she picks up clocks and speed
// icons on her way, keeps away from creatures with nectar aboard and flies home when one
// comes at her, and watches the clock. A young child flies to the nearest glowing spot and
// home again when her bucket is full or holds enough, turns the bee more gently, reacts a
// moment late and never minds a butterfly or a dragonfly.
enum class AutopilotStyle { Skilled, Child };

struct AutopilotHand {
    float maxTurnDeflection;  // share of the half screen the pointer goes out at most
    float turnTimeConstant;   // seconds in which she means to turn a heading error away
    float reactionSeconds;    // what she decides reaches her hand this much later
    bool minds;               // creatures, icons and the clock
};
AutopilotHand handOf(AutopilotStyle style);

class Autopilot {
  public:
    // Forget everything about the previous stage.
    void reset();
    // Kept by reset().
    void setStyle(AutopilotStyle style) { style_ = style; }
    AutopilotStyle style() const { return style_; }
    AutopilotControls decide(const AutopilotView& view);
    AutopilotGoal goal() const { return goal_; }

    // Heights the bee keeps: nectar drains between 0.48 and 0.68; far from any goal she
    // cruises above the bushes; the hive's door reaches from 0.08 to 0.62.
    static constexpr float drainHeight = 0.58f;
    static constexpr float cruiseHeight = 1.5f;
    static constexpr float deliveryHeight = 0.5f;
    static constexpr float doorHeight = 0.33f;

  private:
    struct Target {
        float x = 0, z = 0, height = 0;
        float spotX = 0, spotZ = 0;  // the nectar spot or icon aimed at, where there is one
    };
    AutopilotControls decideNow(const AutopilotView& view);
    Target chooseTarget(const AutopilotView& view);
    bool shouldGoHome(const AutopilotView& view) const;
    void watchForBumps(const AutopilotView& view, const Target& target);
    void watchForChasers(const AutopilotView& view);
    float sideStepChasers(const AutopilotView& view, float wantedHeading) const;
    float steerClear(const AutopilotView& view, float wantedHeading, float reach);

    AutopilotStyle style_ = AutopilotStyle::Skilled;
    // Decisions on their way to the hand, oldest first, with the game time they were made.
    struct Decision {
        float seconds;
        AutopilotControls controls;
    };
    std::deque<Decision> onTheWay_;
    AutopilotGoal goal_ = AutopilotGoal::Nectar;
    float previousSpeed_ = 0;
    float evadeUntil_ = -1;
    float evadeHeading_ = 0;
    int evadeSide_ = 1;
    // Progress towards the current target: the best distance and when it was reached.
    float bestDistance_ = 1e9f;
    float bestDistanceAt_ = 0;
    Target lastTarget_;
    // A nectar spot or icon that the bee keeps bumping into obstacles on the way to, or
    // spends too long on, is given up for the rest of the stage: there are spare ones.
    struct Effort {
        float x = 0, z = 0;
        float seconds = 0;
        int bumps = 0;
    };
    std::vector<Effort> efforts_;
    float previousSeconds_ = 0;
    // Chased with nectar aboard: home at once to put it in the hive, where nothing can take
    // it, until the bucket is empty.
    bool fleeing_ = false;
    int clearSide_ = 1;  // the side she last turned to round something in her way
    bool climbing_ = false;
    bool holdingUp_ = false;
    Effort& effortOn(const Target& target);
    bool givenUp(float x, float z) const;
};
