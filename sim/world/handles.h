// Handles of the things scripts create (sequences, prop sets): non-zero 32-bit values that look
// arbitrary and follow the seed, as the game's do.
#pragma once

#include <cstdint>

#include "sim/world/random.h"

namespace sim {

// A fresh handle from the game's generator that `taken` does not already hold.
template <class Taken>
int32_t drawHandle(Random& random, const Taken& taken) {
    for (;;) {
        const int32_t handle = random.intInRange(0x1000, 0x7FFFFFFF);
        if (!taken(handle)) return handle;
    }
}

}  // namespace sim
