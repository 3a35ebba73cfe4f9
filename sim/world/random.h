// The game's random source: one seeded generator, so a run is repeatable from its seed.
#pragma once

#include <cstdint>
#include <random>

namespace sim {

class Random {
  public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    // Max-exclusive, as the game's integer draw: [min, max); min when the range is empty.
    int32_t intInRange(int32_t min, int32_t max) {
        if (max <= min) return min;
        const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(max) - min);
        return static_cast<int32_t>(min + static_cast<int64_t>(engine_() % span));
    }
    // Uniform in [min, max).
    float floatInRange(float min, float max) {
        if (!(max > min)) return min;
        const double unit = static_cast<double>(engine_()) / 4294967296.0;
        const float value = static_cast<float>(min + (max - min) * unit);
        return value < max ? value : min;
    }
    // A probability draw in [0, 1).
    double chance() { return static_cast<double>(engine_()) / 4294967296.0; }

  private:
    std::mt19937 engine_;
};

}  // namespace sim
