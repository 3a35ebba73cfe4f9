// The game's random source: one seeded generator for every draw, the world's own included, so
// that a run is repeatable from its seed. Draws are made here from the engine's raw output, not
// with the standard library's distributions, whose sequences differ between standard libraries.
#pragma once

#include <cstdint>
#include <random>

namespace sim {

class Random {
  public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    // 32 raw bits.
    uint32_t next() { return static_cast<uint32_t>(engine_()); }
    // Max-exclusive, as the game's integer draw: [min, max); min when the range is empty.
    int32_t intInRange(int32_t min, int32_t max) {
        if (max <= min) return min;
        const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(max) - min);
        return static_cast<int32_t>(min + static_cast<int64_t>(next() % span));
    }
    // Uniform in [min, max).
    float floatInRange(float min, float max) {
        if (!(max > min)) return min;
        const double unit = static_cast<double>(next()) / 4294967296.0;
        const float value = static_cast<float>(min + (max - min) * unit);
        return value < max ? value : min;
    }
    // A probability draw in [0, 1).
    double chance() { return static_cast<double>(next()) / 4294967296.0; }

  private:
    // The engine's output sequence is fixed by the standard, unlike the distributions'.
    std::mt19937 engine_;
};

}  // namespace sim
