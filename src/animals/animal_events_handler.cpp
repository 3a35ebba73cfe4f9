#include "animals/animal_events_handler.h"

#include "animals/animal_hud.h"
#include "animals/animal_sizes.h"
#include "animals/bleeding.h"
#include "animals/population_hooks.h"
#include "core/frame_tally.h"
#include "core/game_hash.h"
#include "core/natives.h"

namespace bf {

namespace {

constexpr int32_t kGroup = 0;
constexpr uint32_t kEntityDamaged = literalGameHash("EVENT_ENTITY_DAMAGED");
constexpr uint32_t kPedCreated = literalGameHash("EVENT_PED_CREATED");
constexpr uint32_t kPromptTriggered = literalGameHash("EVENT_PLAYER_PROMPT_TRIGGERED");
// The game's prompt for inspecting an animal.
constexpr int32_t kInspectPrompt = 35;

}  // namespace

void AnimalEventsHandler::onFrame() {
    const ScopedActivity mark(Activity::AnimalEvents);
    pumpEvents();
    bleedingTick(bleeding_, generalMeta_);
}

void AnimalEventsHandler::readQueue() {
    queued_.clear();
    const int32_t count = natives::getNumberOfEvents(kGroup);
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t type = natives::getEventAtIndex(kGroup, i);
        // The game reads an event only when asked with its exact size in slots.
        int32_t slots = 0;
        if (type == kEntityDamaged) {
            slots = 9;
        } else if (type == kPedCreated) {
            slots = 1;
        } else if (type == kPromptTriggered) {
            slots = 10;
        } else {
            // EVENT_INVENTORY_ITEM_REMOVED is known and needs nothing; others are not ours.
            continue;
        }
        // An event the game did not read would carry the previous event's data.
        if (!natives::getEventData(kGroup, i, eventData_.data(), slots)) continue;
        queued_.push_back({type, slot(0), slot(1), slot(2)});
    }
}

void AnimalEventsHandler::pumpEvents() {
    bool framePassed = false;
    do {
        readQueue();
        framePassed = false;
        for (const QueuedEvent& event : queued_) {
            if (event.type == kEntityDamaged) {
                onEntityDamaged(event.slot0, event.slot1, static_cast<uint32_t>(event.slot2));
            } else if (event.type == kPedCreated) {
                handlePedCreated(event.slot0, population_);
            } else if (onPromptTriggered(event.slot0, event.slot2)) {
                framePassed = true;
            }
        }
    } while (framePassed);
}

void AnimalEventsHandler::onEntityDamaged(int32_t damaged, int32_t attacker, uint32_t weapon) {
    if (damaged_.subscriberCount() != 0) damaged_.publish({damaged, attacker, weapon});
    if (!startBleeding(bleeding_, damaged, attacker, weapon)) return;
    population_.depleteOnKill(damaged);
}

bool AnimalEventsHandler::onPromptTriggered(int32_t promptType, int32_t target) {
    if (promptType != kInspectPrompt) return false;
    if (natives::isAnyUiappRunning()) return false;
    // The panel opens a moment after the prompt; look again once the game has run.
    waitForGame(1);
    if (natives::isAnyUiappRunning()) hud_.setTarget(target);
    return true;
}

}  // namespace bf
