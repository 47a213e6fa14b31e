#include "game/nectar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/icon_rules.h"
#include "game/kamera.h"

namespace {
// The bee sips only while hovering at flower height.
constexpr float drainLowest = 0.48f;
constexpr float drainHighest = 0.68f;
constexpr float reach = 0.4f;
constexpr float drainPerSecond = 75;
// Below this a sprite counts as drained (so 45 units take about 0.6 s).
constexpr float drainedBelow = 5;
// The hive's door: low enough and close to the hive's axis.
constexpr float hiveHighest = 1;
constexpr float hiveReach = 0.2f;
constexpr float pi = 3.14159265f;

float horizontalDistance(float x, float z, float otherX, float otherZ) {
    return std::sqrt((x - otherX) * (x - otherX) + (z - otherZ) * (z - otherZ));
}
}  // namespace

std::vector<NectarSprite> createSprites(int count) {
    return std::vector<NectarSprite>(static_cast<size_t>(count > 0 ? count : 0));
}

bool drainNectar(glh::FlightCamera& bee, float dt, std::span<NectarSprite> sprites,
                 NectarBucket& bucket, std::span<PickupIcon> icons) {
    if (bee.y < drainLowest || bee.y > drainHighest) return false;
    if (bucket.loadCount >= NectarBucket::slotCount) return false;
    for (size_t k = 0; k < sprites.size(); ++k) {
        NectarSprite& sprite = sprites[k];
        if (sprite.amount == 0) continue;
        if (horizontalDistance(bee.x, bee.z, sprite.x, sprite.z) >= reach) continue;
        // Sipping holds the bee almost still over the flower.
        bee.velocityX *= 1.0f / 7;
        bee.velocityZ *= 1.0f / 7;
        bee.velocityY *= 1.0f / 70;
        sprite.amount -= drainPerSecond * dt;
        if (sprite.amount < drainedBelow) {
            bucket.slots[static_cast<size_t>(bucket.loadCount)] = 1;
            ++bucket.loadCount;
            sprite.amount = 0;
            if (k < icons.size()) icons[k].active = 0;
        }
        return true;
    }
    return false;
}

int deliverAtHive(float beeX, float beeY, float beeZ, NectarBucket& bucket, StageClock& clock) {
    if (beeY > hiveHighest) return 0;
    if (horizontalDistance(beeX, beeZ, 0, 0) >= hiveReach) return 0;
    int deliveries = 0;
    for (uint8_t& slot : bucket.slots) {
        if (slot != 1) continue;
        slot = 0;
        --bucket.loadCount;
        // A target of 0 is met from the start; the percentage step cannot divide by it.
        const int64_t step =
            clock.target > 0 ? int64_t{clock.nectarPerLoad} * 100 / clock.target : 100;
        bucket.deliveredPercent = static_cast<int>(
            std::min<int64_t>(100, bucket.deliveredPercent + std::max<int64_t>(step, 0)));
        clock.collected += clock.nectarPerLoad;
        ++deliveries;
    }
    return deliveries;
}

void spillLoad(NectarBucket& bucket) {
    if (bucket.loadCount <= 0) return;
    --bucket.loadCount;
    bucket.slots[static_cast<size_t>(bucket.loadCount)] = 0;
}

float spriteTick(std::span<NectarSprite> sprites, float& pulsePhase) {
    for (NectarSprite& sprite : sprites) {
        sprite.flash -= 0.03f;
        if (sprite.flash < -1) sprite.flash = 0;
    }
    pulsePhase += 0.03f;
    const float s = std::sin(pulsePhase);
    if (pulsePhase > pi) pulsePhase = 0;
    return s / 6 + 1;
}
