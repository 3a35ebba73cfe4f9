// AnimalEventsHandler: once a frame it reads the game's event queue (group 0) and hands the events
// the hunting features care about to their handlers (a ped created: sizes and culling; an entity
// damaged: bleeding and depletion; the inspect prompt: the HUD target), then runs the bleeding
// tick. One instance lives from start-up to the end of the process.
//
// The whole queue is read before any event is handled: the inspect prompt waits a moment for the
// game's panel, and once a frame has passed the game has dropped the rest of its queue. When such
// a wait let a frame pass, that frame's queue is read and handled in full too, so no event of
// either frame is missed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "world/game_events.h"

namespace bf {

class AnimalHud;
class DictDataFile;
class PopulationHooks;

class AnimalEventsHandler {
  public:
    // The game writes one value per 8-byte slot; no event we read has more than 10.
    static constexpr int32_t kEventSlots = 50;

    AnimalEventsHandler(PopulationHooks& population, AnimalHud& hud,
                        const DictDataFile& generalMeta)
        : population_(population), hud_(hud), generalMeta_(generalMeta) {}

    // The frame operation: the event pump, then the bleeding tick.
    void onFrame();
    const std::vector<int32_t>& bleedingPeds() const { return bleeding_; }
    // Subscribers get every entity-damaged event of the queue as it is read, before the
    // handler's own work on it, so that nobody reads the queue twice.
    void subscribeDamage(EventsSubscriber<EntityDamagedEvent>& subscriber) {
        damaged_.subscribe(subscriber);
    }

  private:
    // What the handlers need of one event, copied out of the game's queue.
    struct QueuedEvent {
        uint32_t type = 0;
        int32_t slot0 = 0;
        int32_t slot1 = 0;
        int32_t slot2 = 0;
    };

    void pumpEvents();
    // Copies the events of the current queue that have a handler into queued_.
    void readQueue();
    void onEntityDamaged(int32_t damaged, int32_t attacker, uint32_t weapon);
    // True when it had to wait for the game (a frame has passed).
    bool onPromptTriggered(int32_t promptType, int32_t target);
    int32_t slot(int32_t index) const { return static_cast<int32_t>(eventData_[index]); }

    PopulationHooks& population_;
    AnimalHud& hud_;
    const DictDataFile& generalMeta_;
    std::vector<int32_t> bleeding_;
    EventsPublisher<EntityDamagedEvent> damaged_;
    std::array<uint64_t, kEventSlots> eventData_{};
    // Reused every frame: it grows to the busiest frame's size once and stays.
    std::vector<QueuedEvent> queued_;
};

}  // namespace bf
