#include "competitions/async_ped_task.h"

#include "core/natives.h"

namespace bf {

void AsyncPedTask::tick() {
    if (sleeping_) {
        if (static_cast<int32_t>(nextRunTime_ - natives::getGameTimer()) > 0) return;
        sleeping_ = false;
    }
    step();
}

void AsyncPedTask::sleepFor(int32_t ms) {
    nextRunTime_ = natives::getGameTimer() + static_cast<uint32_t>(ms);
    sleeping_ = true;
}

}  // namespace bf
