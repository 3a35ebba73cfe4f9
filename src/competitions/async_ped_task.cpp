#include "competitions/async_ped_task.h"

#include "core/natives.h"

namespace bf {

void AsyncPedTask::tick() {
    tick(natives::getGameTimer());
}

void AsyncPedTask::tick(uint32_t now) {
    now_ = now;
    if (sleeping_) {
        if (static_cast<int32_t>(nextRunTime_ - now_) > 0) return;
        sleeping_ = false;
    }
    step();
}

void AsyncPedTask::sleepFor(int32_t ms) {
    nextRunTime_ = now_ + static_cast<uint32_t>(ms);
    sleeping_ = true;
}

}  // namespace bf
