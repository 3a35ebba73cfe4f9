// Game events that one feature reads from the game's queue and others need too: the reader
// publishes each one as it reads it (core/events_subscriber.h), so nobody reads the queue twice.
#pragma once

#include <cstdint>

#include "core/events_subscriber.h"

namespace bf {

struct EntityDamagedEvent {
    int32_t damaged = 0;
    int32_t attacker = 0;
    uint32_t weapon = 0;
};

}  // namespace bf
