#pragma once
// Nectar as rules: the sprites on the flowers, the bee's bucket of five loads, draining a
// sprite by hovering over it, delivering at the hive, and losing a load in a hard bump.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "game/stage_clock.h"

namespace glh {
struct FlightCamera;
}
struct PickupIcon;

inline constexpr const char* drainSound = "MOV\\kwiat.wav";
inline constexpr const char* deliverySound = "MOV\\ul.wav";

// The bee's bucket, shown on the panel. Slots fill from 0 upwards.
struct NectarBucket {
    static constexpr int slotCount = 5;
    int loadCount = 0;
    std::array<uint8_t, slotCount> slots{};  // 1 = full
    int deliveredPercent = 0;                // of the target, 0 to 100: the panel's bar

    void empty() {
        loadCount = 0;
        slots.fill(0);
        deliveredPercent = 0;
    }
};

// A glowing nectar spot on a flower.
struct NectarSprite {
    static constexpr float fullAmount = 50;
    float x = 0, z = 0;
    float amount = 0;  // nectar left; 0 = drained or never placed: not drawn, not collectable
    float flash = 0;   // texture offset of the glow, 0 down to -1
};

// Sprites start unplaced (amount 0); the flower field puts them on flowers.
std::vector<NectarSprite> createSprites(int count);

// Once a frame, inside the flight update. Hovering 0.48 to 0.68 high within 0.4 of a
// sprite (the first in array order) with room in the bucket drains it and slows the bee;
// once it is nearly empty it fills a slot and its marker (icon k for sprite k) goes.
// Returns true while draining: the caller plays drainSound.
bool drainNectar(glh::FlightCamera& bee, float dt, std::span<NectarSprite> sprites,
                 NectarBucket& bucket, std::span<PickupIcon> icons);

// From the idle callback: at most 1 high and within 0.2 of the hive's axis, every full
// slot is delivered. Returns the number of deliveries: each plays deliverySound.
int deliverAtHive(float beeX, float beeY, float beeZ, NectarBucket& bucket, StageClock& clock);

// A hard bump spills the last load, if any.
void spillLoad(NectarBucket& bucket);

// The 30 ms sprite tick: every glow moves on, and the shared pulse phase advances.
// Returns the pulse (about 5/6 to 7/6) the garden's water follows.
float spriteTick(std::span<NectarSprite> sprites, float& pulsePhase);
