#include "game/autopilot_rules.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float pi = 3.14159265f;
// Where the bee lines up before flying into the hive's door, and how far she climbs and
// swerves after bumping into something.
constexpr float doorLineUpZ = 1.0f;
constexpr float evadeSeconds = 1.2f;
constexpr float backOffSeconds = 0.4f;
// The hive post catches the bee within 0.2 of the hive's axis; spots closer than this are
// drained from a little further out.
constexpr float hiveClearance = 0.45f;
// Icons worth this much of a detour are picked up on the way.
constexpr float iconDetour = 2.5f;
// With nectar aboard, a butterfly or dragonfly coming at the bee this near sends her home;
// nectar spots this near a creature wait (it would notice her while she sips), unless
// nothing else is left; and she swerves round creatures close ahead.
constexpr float chaserAlarm = 2.5f;
constexpr float creatureCaution = 3.2f;
constexpr float cautionDetour = 8;
constexpr float swerveReach = 1.6f;
constexpr float swerveCone = 1.1f;  // radians either side of her way
// She looks this far ahead for things in her way and keeps this far off them; the hive
// itself is left to the way in and the delivery.
constexpr float lookAhead = 3.0f;
constexpr float obstacleClearance = 0.4f;
constexpr float hiveSurroundings = 1.2f;

// Whether a straight flight of `length` along (dx, dz) from (x, z) runs into a box grown by
// `margin` on every side.
bool crossesBox(float x, float z, float dx, float dz, float length, const CollisionBox& box,
                float margin) {
    const float start[2] = {x, z}, delta[2] = {dx * length, dz * length};
    const float lo[2] = {box.min.x - margin, box.min.z - margin};
    const float hi[2] = {box.max.x + margin, box.max.z + margin};
    float t0 = 0, t1 = 1;
    for (int axis = 0; axis < 2; ++axis) {
        if (std::fabs(delta[axis]) < 1e-6f) {
            if (start[axis] <= lo[axis] || start[axis] >= hi[axis]) return false;
            continue;
        }
        float a = (lo[axis] - start[axis]) / delta[axis];
        float b = (hi[axis] - start[axis]) / delta[axis];
        t0 = std::max(t0, std::min(a, b));
        t1 = std::min(t1, std::max(a, b));
        if (t0 > t1) return false;
    }
    return true;
}

// True when nothing she could bump into at her height stands within `length` along the
// heading. A tree, a stone or a post is boxed by the octagon round it, so a square box is
// taken as the circle the octagon fills; a wall or a fence as its box. Things she is already
// inside (she came through a wall) are left out: the way out is what matters.
bool wayIsClear(const AutopilotView& view, float heading, float length) {
    const float dx = std::sin(heading), dz = std::cos(heading);
    for (const CollisionBox& box : view.obstacles) {
        if (box.max.y < view.y - 0.15f || box.min.y > view.y + 0.15f) continue;
        const float cx = (box.min.x + box.max.x) / 2, cz = (box.min.z + box.max.z) / 2;
        if (std::hypot(cx, cz) < hiveSurroundings) continue;
        const float halfX = (box.max.x - box.min.x) / 2, halfZ = (box.max.z - box.min.z) / 2;
        if (std::max(halfX, halfZ) < 1.4f * std::min(halfX, halfZ)) {
            const float radius = std::max(halfX, halfZ) * 1.05f;
            const float fromCentre = std::hypot(view.x - cx, view.z - cz);
            if (fromCentre < radius * 0.9f) continue;
            const float reach = fromCentre < radius + obstacleClearance
                                    ? radius + 0.02f
                                    : radius + obstacleClearance;
            const float along = std::clamp((cx - view.x) * dx + (cz - view.z) * dz, 0.0f, length);
            if (std::hypot(view.x + dx * along - cx, view.z + dz * along - cz) < reach)
                return false;
            continue;
        }
        if (box.min.x < view.x && view.x < box.max.x && box.min.z < view.z && view.z < box.max.z)
            continue;
        const bool near = crossesBox(view.x, view.z, 0, 0, 0, box, obstacleClearance);
        if (crossesBox(view.x, view.z, dx, dz, length, box, near ? 0.02f : obstacleClearance))
            return false;
    }
    return true;
}

// The lowest face of something right above her (within half a unit), or far above when
// there is none. Boxes reach 0.1 beyond their faces.
float ceilingOver(const AutopilotView& view) {
    constexpr float boxMargin = 0.1f;
    float lowest = 1e9f;
    for (const CollisionBox& box : view.obstacles) {
        if (!(box.min.x < view.x && view.x < box.max.x && box.min.z < view.z && view.z < box.max.z))
            continue;
        const float face = box.min.y + boxMargin;
        if (face > view.y - 0.05f && face < view.y + 0.5f) lowest = std::min(lowest, face);
    }
    return lowest;
}

// The lowest face of a tree's crown or a roof, high enough to fly under, that stands across
// the straight way for `length` at her height; far above when there is none. Boxes reach 0.1
// beyond their faces.
float overhangAcross(const AutopilotView& view, float heading, float length) {
    constexpr float boxMargin = 0.1f, lowestOverhang = 1.0f;
    const float dx = std::sin(heading), dz = std::cos(heading);
    float lowest = 1e9f;
    for (const CollisionBox& box : view.obstacles) {
        if (box.max.y < view.y - 0.15f || box.min.y > view.y + 0.15f) continue;
        const float face = box.min.y + boxMargin;
        if (face < lowestOverhang) continue;
        const float cx = (box.min.x + box.max.x) / 2, cz = (box.min.z + box.max.z) / 2;
        if (std::hypot(cx, cz) < hiveSurroundings) continue;
        if (crossesBox(view.x, view.z, dx, dz, length, box, obstacleClearance))
            lowest = std::min(lowest, face);
    }
    return lowest;
}

float wrapAngle(float a) {
    while (a > pi) a -= 2 * pi;
    while (a < -pi) a += 2 * pi;
    return a;
}

float distance(float ax, float az, float bx, float bz) {
    return std::hypot(ax - bx, az - bz);
}

// Far from the goal the bee cruises high over the low bushes and stones; she comes down
// over the last stretch.
float approachHeight(float distanceLeft, float nearHeight) {
    constexpr float nearDistance = 1.2f, farDistance = 3.0f;
    if (distanceLeft <= nearDistance) return nearHeight;
    if (distanceLeft >= farDistance) return Autopilot::cruiseHeight;
    float share = (distanceLeft - nearDistance) / (farDistance - nearDistance);
    return nearHeight + (Autopilot::cruiseHeight - nearHeight) * share;
}

// The pointer's offset from the centre in whole pixels, never exactly 0 where a movement
// is asked for (a centred pointer keeps the previous climb going).
int pixelOffset(float share, float half, bool up) {
    int offset = static_cast<int>(std::lround(share * half));
    if (offset == 0) offset = up ? -1 : 1;
    return offset;
}

}  // namespace

AutopilotHand handOf(AutopilotStyle style) {
    // The skilled pointer never goes further out than 0.78 of the half screen: a sharper
    // turn would set the bee spinning, which looks wild and changes nothing. A child keeps
    // her hand nearer the middle and corrects lazily, and her hand follows her eyes late.
    if (style == AutopilotStyle::Child) return {0.45f, 0.35f, 0.3f, false};
    return {0.78f, 0.12f, 0, true};
}

void Autopilot::reset() {
    const AutopilotStyle style = style_;
    *this = Autopilot();
    style_ = style;
}

bool Autopilot::shouldGoHome(const AutopilotView& view) const {
    if (view.loadCount <= 0) return false;
    if (fleeing_) return true;
    const bool minds = handOf(style_).minds;
    if (view.loadCount >= NectarBucket::slotCount) return true;
    if (view.collected + view.loadCount * view.nectarPerLoad >= view.target) return true;
    bool nectarLeft = std::any_of(view.sprites.begin(), view.sprites.end(),
                                  [](const NectarSprite& s) { return s.amount > 0; });
    if (!nectarLeft) return true;
    if (!minds) return false;
    float homeSeconds = distance(view.x, view.z, 0, 0) / std::max(view.maxSpeed, 0.1f);
    return static_cast<float>(view.secondsLeft) < homeSeconds + 15;
}

Autopilot::Target Autopilot::chooseTarget(const AutopilotView& view) {
    if (view.exitOpen || view.collected >= view.target) {
        goal_ = AutopilotGoal::Exit;
        // In front of the door and facing it: straight in; otherwise line up first.
        bool inFront = view.z > 0.25f && std::fabs(view.x) < 0.15f + 0.5f * (view.z - 0.25f);
        if (view.exitOpen && inFront) return {0, -0.5f, doorHeight};
        float d = distance(view.x, view.z, 0, doorLineUpZ);
        return {0, doorLineUpZ, approachHeight(d + 1, doorHeight)};
    }
    Target main;
    if (shouldGoHome(view)) {
        goal_ = AutopilotGoal::Deliver;
        main = {0, 0, 0};
        main.height = approachHeight(distance(view.x, view.z, 0, 0), deliveryHeight);
    } else {
        goal_ = AutopilotGoal::Nectar;
        const NectarSprite* best = nullptr;
        float bestDistance = 1e9f, bestCost = 1e9f;
        auto choose = [&](bool forgiving) {
            for (const NectarSprite& s : view.sprites) {
                if (s.amount <= 0 || (!forgiving && givenUp(s.x, s.z))) continue;
                float d = distance(view.x, view.z, s.x, s.z);
                float cost = d;
                if (view.loadCount > 0 && handOf(style_).minds) {
                    for (const CreatureSighting& c : view.creatures)
                        if (distance(c.x, c.z, s.x, s.z) < creatureCaution) cost += cautionDetour;
                }
                if (cost < bestCost) {
                    bestCost = cost;
                    bestDistance = d;
                    best = &s;
                }
            }
        };
        choose(false);
        // Every spot left was given up on: try them again rather than wait at the hive.
        if (!best) {
            efforts_.clear();
            choose(true);
        }
        if (!best) return {0, 0, deliveryHeight};
        main = {best->x, best->z, approachHeight(bestDistance, drainHeight), best->x, best->z};
        // Right beside the hive the post would put the bee back at the door: drain such a
        // spot from its far side.
        float fromHive = distance(best->x, best->z, 0, 0);
        if (fromHive < hiveClearance) {
            float scale = fromHive > 0.01f ? hiveClearance / fromHive : 0;
            main.x = fromHive > 0.01f ? best->x * scale : 0;
            main.z = fromHive > 0.01f ? best->z * scale : hiveClearance;
        }
    }
    // A clock or speed icon close to the way is worth the detour.
    if (!handOf(style_).minds) return main;
    float direct = distance(view.x, view.z, main.x, main.z);
    for (const PickupIcon& icon : view.icons) {
        if (icon.active != 1 || static_cast<int>(icon.type) == flowerMarker ||
            givenUp(icon.x, icon.z))
            continue;
        float via =
            distance(view.x, view.z, icon.x, icon.z) + distance(icon.x, icon.z, main.x, main.z);
        if (via - direct < iconDetour) {
            goal_ = AutopilotGoal::Icon;
            return {icon.x, icon.z, main.height, icon.x, icon.z};
        }
    }
    return main;
}

void Autopilot::watchForBumps(const AutopilotView& view, const Target& target) {
    // A bump stops the bee dead: speed exactly 0 from a good pace.
    bool bumped = view.speed == 0 && previousSpeed_ > 0.1f;
    previousSpeed_ = view.speed;
    bool sameTarget =
        std::fabs(target.x - lastTarget_.x) < 1e-3f && std::fabs(target.z - lastTarget_.z) < 1e-3f;
    lastTarget_ = target;
    float d = distance(view.x, view.z, target.x, target.z);
    if (!sameTarget || d < bestDistance_ - 0.3f) {
        bestDistance_ = d;
        bestDistanceAt_ = view.seconds;
    }
    bool stuck = view.seconds - bestDistanceAt_ > 6;
    if (goal_ == AutopilotGoal::Nectar || goal_ == AutopilotGoal::Icon) {
        Effort& effort = effortOn(target);
        effort.seconds += std::max(0.0f, view.seconds - previousSeconds_);
        if (bumped && view.seconds >= evadeUntil_) ++effort.bumps;
    }
    previousSeconds_ = view.seconds;
    if (!bumped && !stuck) return;
    if (view.seconds < evadeUntil_) evadeSide_ = -evadeSide_;  // bumped again: other way
    evadeUntil_ = view.seconds + evadeSeconds;
    evadeHeading_ = view.heading + static_cast<float>(evadeSide_) * pi / 2;
    bestDistanceAt_ = view.seconds;
    if (stuck) evadeSide_ = -evadeSide_;
}

Autopilot::Effort& Autopilot::effortOn(const Target& target) {
    for (Effort& effort : efforts_)
        if (effort.x == target.spotX && effort.z == target.spotZ) return effort;
    efforts_.push_back({target.spotX, target.spotZ, 0, 0});
    return efforts_.back();
}

bool Autopilot::givenUp(float x, float z) const {
    return std::any_of(efforts_.begin(), efforts_.end(), [&](const Effort& effort) {
        return effort.x == x && effort.z == z && (effort.bumps >= 3 || effort.seconds > 20);
    });
}

void Autopilot::watchForChasers(const AutopilotView& view) {
    if (view.loadCount <= 0 || !handOf(style_).minds) {
        fleeing_ = false;
        return;
    }
    for (const CreatureSighting& c : view.creatures)
        if (c.chasing && distance(view.x, view.z, c.x, c.z) < chaserAlarm) fleeing_ = true;
}

// Turns the wanted heading away from creatures close ahead of her, the closer the more.
float Autopilot::sideStepChasers(const AutopilotView& view, float wantedHeading) const {
    // Nothing to take: they leave her be. A child does not think of them at all.
    if (view.loadCount <= 0 || !handOf(style_).minds) return wantedHeading;
    float turn = 0;
    for (const CreatureSighting& c : view.creatures) {
        float d = distance(view.x, view.z, c.x, c.z);
        if (d >= swerveReach || d < 1e-3f) continue;
        float towards = std::atan2(c.x - view.x, c.z - view.z);
        float off = wrapAngle(towards - wantedHeading);
        if (std::fabs(off) >= swerveCone) continue;
        float push = (swerveCone - std::fabs(off)) * (1 - d / swerveReach);
        turn += off > 0 ? -push : push;
    }
    return wantedHeading + std::clamp(turn, -swerveCone, swerveCone);
}

// The wanted heading, or the nearest one to it (turning the way she turned last) along which
// nothing stands in her way for `reach`; the wanted one when every way is blocked.
float Autopilot::steerClear(const AutopilotView& view, float wantedHeading, float reach) {
    constexpr int steps = 8;
    constexpr float step = pi / 12;
    for (int k = 0; k <= steps; ++k) {
        for (int side : {clearSide_, -clearSide_}) {
            const float heading = wantedHeading + static_cast<float>(side * k) * step;
            if (!wayIsClear(view, heading, reach)) continue;
            if (k > 0) clearSide_ = side;
            return heading;
        }
    }
    return wantedHeading;
}

AutopilotControls Autopilot::decide(const AutopilotView& view) {
    const float reaction = handOf(style_).reactionSeconds;
    if (reaction <= 0) return decideNow(view);
    onTheWay_.push_back({view.seconds, decideNow(view)});
    // The newest decision old enough to have reached her hand; before the first one she
    // rests, the pointer in the middle.
    while (onTheWay_.size() > 1 && onTheWay_[1].seconds <= view.seconds - reaction)
        onTheWay_.pop_front();
    if (onTheWay_.front().seconds <= view.seconds - reaction) return onTheWay_.front().controls;
    AutopilotControls resting;
    resting.cursorX = static_cast<int>(view.centreX);
    resting.cursorY = static_cast<int>(view.centreY) + 1;
    return resting;
}

AutopilotControls Autopilot::decideNow(const AutopilotView& view) {
    const AutopilotHand hand = handOf(style_);
    const float maxTurnDeflection = hand.maxTurnDeflection;
    const float turnTimeConstant = hand.turnTimeConstant;
    watchForChasers(view);
    Target target = chooseTarget(view);
    watchForBumps(view, target);

    float wantedHeading = std::atan2(target.x - view.x, target.z - view.z);
    const bool nearTarget = distance(view.x, view.z, target.x, target.z) < 1.0f;
    if (!nearTarget) wantedHeading = sideStepChasers(view, wantedHeading);
    // Round trees and houses rather than into them; the last stretch to a flower beside
    // one is flown straight.
    const float reach = std::min(lookAhead, distance(view.x, view.z, target.x, target.z) - 0.5f);
    // A wide crown across her way is a long way round: the skilled player sinks and flies
    // under it, looking for her way at the height she is sinking to.
    float underHeight = 1e9f;
    if (hand.minds && reach > 0.2f) underHeight = overhangAcross(view, wantedHeading, reach) - 0.3f;
    AutopilotView lookout = view;
    lookout.y = std::min(view.y, underHeight);
    if (reach > 0.2f) wantedHeading = steerClear(lookout, wantedHeading, reach);
    // Under a tree's crown or a roof she keeps below it until she is out from under it:
    // climbing into it would stop her dead again and again.
    float wantedHeight = std::min({target.height, ceilingOver(view) - 0.2f, underHeight});
    float d = distance(view.x, view.z, target.x, target.z);
    float error = wrapAngle(wantedHeading - view.heading);
    float fastestTurn = maxTurnDeflection * view.turnRate;
    // Slow enough that the turning circle reaches the target.
    float wantedSpeed = view.maxSpeed;
    float sine = std::fabs(std::sin(error));
    if (sine > 0.05f) wantedSpeed = std::min(wantedSpeed, 0.7f * fastestTurn * d / (2 * sine));
    if (std::fabs(error) > pi / 2) wantedSpeed = std::min(wantedSpeed, 0.2f * view.maxSpeed);
    bool backOff = false;
    if (view.seconds < evadeUntil_) {
        // First back away from what she bumped into, then fly round it.
        goal_ = AutopilotGoal::Evade;
        backOff = view.seconds < evadeUntil_ - evadeSeconds + backOffSeconds;
        error = backOff ? 0 : wrapAngle(evadeHeading_ - view.heading);
        wantedSpeed = backOff ? -0.3f * view.maxSpeed : 0.5f * view.maxSpeed;
        // Sinking onto a spot beside a mushroom she may sit on its cap, stopped dead every
        // frame: the skilled player lifts off whatever she bumped into while she backs away
        // (never into a crown or a roof above her).
        if (hand.minds)
            wantedHeight =
                std::min(std::max(wantedHeight, view.y + 0.3f), ceilingOver(view) - 0.2f);
    }

    AutopilotControls controls;
    // heading -= deflection × turn rate × dt, so a positive error needs a leftward pointer.
    // The hand moves in small steps rather than a pixel every frame.
    float deflection = std::clamp(-error / (view.turnRate * turnTimeConstant), -maxTurnDeflection,
                                  maxTurnDeflection);
    deflection = std::round(deflection * 20) / 20;
    controls.cursorX =
        static_cast<int>(view.centreX) + static_cast<int>(std::lround(deflection * view.centreX));

    // A pointer above the centre climbs at (offset share)² a second, below it sinks; close
    // to the wanted height it rests a pixel off the centre, where the drift is negligible.
    float heightError = wantedHeight - view.y;
    if (std::fabs(heightError) > 0.03f) climbing_ = heightError > 0;
    float share = std::round(std::sqrt(std::min(4 * std::fabs(heightError), 1.0f)) * 10) / 10;
    if (std::fabs(heightError) <= 0.03f) share = 0;
    controls.cursorY = static_cast<int>(view.centreY) +
                       pixelOffset(climbing_ ? -share : share, view.centreY, climbing_);

    // Up stays held while the speed is below what is wanted, with a little slack so the key
    // does not flicker; at the top speed it simply stays down.
    const float slack = 0.05f * view.maxSpeed;
    controls.up = wantedSpeed >= view.maxSpeed || view.speed < wantedSpeed - slack ||
                  (holdingUp_ && view.speed < wantedSpeed);
    controls.down = backOff
                        ? view.speed > wantedSpeed
                        : view.speed > wantedSpeed + 0.25f * view.maxSpeed && view.speed > 0.05f;
    holdingUp_ = controls.up;
    return controls;
}
