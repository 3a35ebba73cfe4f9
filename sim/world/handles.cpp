#include "sim/world/handles.h"

namespace sim {

int32_t HandlePool::take() {
    // Now and then a freed slot comes back first, as in the game's pools.
    if (!returned_.empty() && random_.intInRange(0, 4) == 0) {
        const auto at =
            returned_.begin() + random_.intInRange(0, static_cast<int32_t>(returned_.size()));
        const int32_t handle = *at;
        returned_.erase(at);
        // A fresh draw may have handed it out again meanwhile.
        if (used_.insert(handle).second) return handle;
    }
    const uint32_t span = static_cast<uint32_t>(last_ - first_) + 1u;
    for (;;) {
        const int32_t handle = first_ + static_cast<int32_t>(random_.next() % span);
        if (used_.insert(handle).second) return handle;
    }
}

void HandlePool::giveBack(int32_t handle) {
    if (used_.erase(handle) == 0) return;
    returned_.push_back(handle);
    if (returned_.size() > kReturnedKept) returned_.pop_front();
}

}  // namespace sim
