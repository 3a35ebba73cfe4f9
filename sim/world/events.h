// The game's event queue (group 0): what happened this frame, in the order it happened. The world
// fills it (damage, ped created, prompt triggered); scripts read it by index during the frame; the
// game clears it when the frame ends. What a script's own calls raise while it runs (a ped it
// creates, damage it applies) is queued for the next frame, so that no script misses it.
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
        (scriptRunning_ ? next_ : events_).push_back({type, std::move(data)});
    }
    // The script's turn of the frame begins / ends.
    void scriptTurn(bool running) { scriptRunning_ = running; }
    const GameEvent* at(int32_t index) const {
        if (index < 0 || static_cast<size_t>(index) >= events_.size()) return nullptr;
        return &events_[static_cast<size_t>(index)];
    }
    size_t size() const { return events_.size(); }
    // How many events the frame that ended last had.
    size_t lastFrameSize() const { return lastFrameSize_; }
    // The frame ends: its events are gone, those raised during the script's turn come up.
    void endFrame() {
        lastFrameSize_ = events_.size();
        events_.clear();
        events_.swap(next_);
    }

  private:
    std::vector<GameEvent> events_;
    std::vector<GameEvent> next_;
    bool scriptRunning_ = false;
    size_t lastFrameSize_ = 0;
};

}  // namespace sim
