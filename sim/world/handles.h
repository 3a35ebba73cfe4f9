// The handles the game hands out for one kind of thing (entities, blips, prompts, prompt groups,
// scenario points, text handles, sequences, prop sets): non-zero 32-bit values that look arbitrary
// and follow the seed, as the slots of the game's pools do. A deleted thing's handle goes back to
// the pool and may be handed out again, so a script that keeps a stale handle can end up naming
// something else.
#pragma once

#include <cstdint>
#include <deque>
#include <unordered_set>

#include "sim/world/random.h"

namespace sim {

class HandlePool {
  public:
    // Handles lie in [first, last]; first > 0.
    HandlePool(Random& random, int32_t first, int32_t last)
        : random_(random), first_(first), last_(last) {}

    int32_t take();
    // The handle is free again (a handle not in use is ignored).
    void giveBack(int32_t handle);
    bool inUse(int32_t handle) const { return used_.count(handle) != 0; }
    // Keeps a handle given out by other means from being drawn; release frees it without
    // offering it for reuse.
    void reserve(int32_t handle) { used_.insert(handle); }
    void release(int32_t handle) { used_.erase(handle); }

  private:
    // How many freed handles the pool remembers for reuse.
    static constexpr size_t kReturnedKept = 64;

    Random& random_;
    int32_t first_;
    int32_t last_;
    std::unordered_set<int32_t> used_;
    std::deque<int32_t> returned_;
};

// A fresh handle from the game's generator that `taken` does not already hold (for kinds whose
// store keeps its own handles).
template <class Taken>
int32_t drawHandle(Random& random, const Taken& taken) {
    for (;;) {
        const int32_t handle = random.intInRange(0x1000, 0x7FFFFFFF);
        if (!taken(handle)) return handle;
    }
}

}  // namespace sim
