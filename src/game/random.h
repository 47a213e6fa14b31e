#pragma once
// The game's one random generator: flowers, plants, icons and creatures all draw from it,
// in the order the stage start calls them, so a stage comes out the same on every run.

#include <cstdint>

class RandomGenerator {
  public:
    // The game's generator starts at seed 1 and throws its first value away before
    // anything draws; that first draw happens here, so the global is ready once built.
    RandomGenerator() { next(); }
    explicit RandomGenerator(uint32_t seed) : seed_(seed) {}

    // 0 to 32767.
    int next() {
        seed_ = seed_ * 22695477u + 1u;
        return static_cast<int>((seed_ >> 16) & 0x7FFFu);
    }

    // A column or row of the placement map.
    int cellIndex() { return next() % 256; }

    uint32_t seed() const { return seed_; }

  private:
    uint32_t seed_ = 1;
};

// Lifetime: the whole process; never reseeded.
extern RandomGenerator gameRandom;
