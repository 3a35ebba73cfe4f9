// AnimalEventsHandler: once a frame it reads the game's event queue (group 0) and hands the events
// the hunting features care about to their handlers (a ped created: sizes and culling; an entity
// damaged: bleeding and depletion; the inspect prompt: the HUD target), then runs the bleeding
// tick. One instance lives from start-up to the end of the process.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "world/game_events.h"

namespace bf {

class AnimalEventsHandler {
  public:
    // The game writes one value per 8-byte slot; no event we read has more than 10.
    static constexpr int32_t kEventSlots = 50;

    // The frame operation: the event pump, then the bleeding tick.
    void onFrame();
    const std::vector<int32_t>& bleedingPeds() const { return bleeding_; }
    // Listeners get every entity-damaged event of the queue, in subscription order, before the
    // handler's own work on it. A listener must outlive the handler or never be added.
    void addDamageListener(EntityDamagedListener* listener) {
        damageListeners_.push_back(listener);
    }

  private:
    void pumpEvents();
    void onEntityDamaged(int32_t damaged, int32_t attacker, uint32_t weapon);
    // True when it had to wait for the game (the queue is then the next frame's).
    bool onPromptTriggered();
    int32_t slot(int32_t index) const { return static_cast<int32_t>(eventData_[index]); }

    std::vector<int32_t> bleeding_;
    std::vector<EntityDamagedListener*> damageListeners_;
    std::array<uint64_t, kEventSlots> eventData_{};
};

}  // namespace bf
