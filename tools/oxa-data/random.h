#pragma once
// The generator's own deterministic random numbers and lattice noise: the same seed gives
// the same data on every machine and every run.

#include <cstdint>

class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t next();
    float unit() { return static_cast<float>(next() >> 40) / static_cast<float>(1u << 24); }
    float range(float lo, float hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }

  private:
    uint64_t state_;
};

// A hash of integer coordinates into [0, 1).
float hashUnit(int x, int y, uint32_t seed);

// Smooth value noise in [0, 1] that repeats every `period` lattice cells in x and y, so a
// texture sampled over exactly one period tiles without a seam.
float tiledNoise(float x, float y, int period, uint32_t seed);

// Fractal sum of tiledNoise: octaves at doubling frequency and halving weight, in [0, 1].
float tiledFbm(float x, float y, int period, int octaves, uint32_t seed);

// Distance to the nearest of a tiled grid of jittered points, and that point's id: the
// base of stones, cobbles and cells.
struct CellHit {
    float distance;
    float edge;  // distance to the second nearest minus the nearest: small near borders
    uint32_t id;
};
CellHit tiledCells(float x, float y, int period, uint32_t seed);
