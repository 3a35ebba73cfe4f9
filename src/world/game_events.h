// Game events that one feature reads from the game's queue and others need too. The reader hands
// each event to its listeners as it reads it, so nobody reads the queue twice.
#pragma once

#include <cstdint>

namespace bf {

struct EntityDamagedEvent {
    int32_t damaged = 0;
    int32_t attacker = 0;
    uint32_t weapon = 0;
};

class EntityDamagedListener {
  public:
    virtual ~EntityDamagedListener() = default;
    // Called during the event pump of the frame; the event is valid only during the call.
    virtual void onEntityDamaged(const EntityDamagedEvent& event) = 0;
};

}  // namespace bf
