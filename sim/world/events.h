// The game's event queue (group 0): what happened this frame, in the order it happened. The world
// fills it (damage, ped created, prompt triggered); scripts read it by index during the frame; the
// game clears it when the frame ends.
//
// Event data is a row of 8-byte slots; 32-bit values sit in the low half of their slot.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/world/hash.h"

namespace sim {

inline constexpr uint32_t kEventPedCreated = gameHash("EVENT_PED_CREATED");
inline constexpr uint32_t kEventEntityDamaged = gameHash("EVENT_ENTITY_DAMAGED");
inline constexpr uint32_t kEventPromptTriggered = gameHash("EVENT_PLAYER_PROMPT_TRIGGERED");
inline constexpr uint32_t kEventItemRemoved = gameHash("EVENT_INVENTORY_ITEM_REMOVED");

// Slot counts of the events the world raises.
inline constexpr size_t kPedCreatedSlots = 1;     // ped
inline constexpr size_t kEntityDamagedSlots = 9;  // see raiseDamage in animals.cpp
inline constexpr size_t kPromptTriggeredSlots = 10;

struct GameEvent {
    uint32_t type = 0;
    std::vector<uint64_t> data;
};

class EventQueue {
  public:
    void push(uint32_t type, std::vector<uint64_t> data) {
        events_.push_back({type, std::move(data)});
    }
    const GameEvent* at(int32_t index) const {
        if (index < 0 || static_cast<size_t>(index) >= events_.size()) return nullptr;
        return &events_[static_cast<size_t>(index)];
    }
    size_t size() const { return events_.size(); }
    void clear() { events_.clear(); }

  private:
    std::vector<GameEvent> events_;
};

}  // namespace sim
