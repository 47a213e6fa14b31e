// The dragonfly and fish readers on the same bytes, then a few of their moves: a file the
// readers take must never make the rules misbehave.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "assets/data_error.h"
#include "game/dragonfly.h"
#include "game/fish.h"
#include "game/nectar.h"
#include "game/random.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    NectarBucket bucket;
    bucket.loadCount = 1;
    bucket.slots[0] = 1;
    RandomGenerator random(7);
    try {
        std::vector<Dragonfly> dragonflies = {readDragonfly(bytes, "w")};
        if (dragonflies[0].cooldown != dragonflies[0].cooldownLength) __builtin_trap();
        DragonflyFlock flock;
        CreatureEvents events;
        for (int tick = 0; tick < 40; ++tick)
            dragonflyTimer(dragonflies, flock, {0, 1, 0, bucket, 2, 0.033f, random}, events);
        if (events.loadsStolen > 1) __builtin_trap();
    } catch (const DataError&) {
    }
    try {
        Fish fish = readFish(bytes, "r");
        for (int frame = 0; frame < 40; ++frame) {
            const FishSounds sounds = fishFrame(fish, 0.25f, 0, 0);
            if (sounds.upVolume > 0 || sounds.downVolume > 0) __builtin_trap();
        }
    } catch (const DataError&) {
    }
    return 0;
}
