#include "animals/bait_manager.h"

#include <cmath>

#include "core/frame_tally.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "data/catalogue.h"
#include "data/text_keys.h"
#include "ui/blips.h"
#include "ui/tutorials.h"
#include "world/game_ops.h"

namespace bf {

BaitManager::BaitManager(const DataCatalogue& data, Tutorials& tutorials)
    : data_(data),
      tutorials_(tutorials),
      placeNormal_(gameHash("WORLD_PLAYER_PLACE_BAIT_NORMAL")),
      placePotent_(gameHash("WORLD_PLAYER_PLACE_BAIT_POTENT")),
      sprite_{gameHash("blip_ambient_ped_small")} {}

bool BaitManager::playerPlacingBait() const {
    const int32_t ped = runtime().playerPed;
    // Placing bait is a scenario: most frames the player is in none, and one question settles it.
    if (!natives::isPedUsingAnyScenario(ped)) return false;
    return natives::isPedUsingScenarioHash(ped, placeNormal_) ||
           natives::isPedUsingScenarioHash(ped, placePotent_);
}

namespace {

// Wrapping 32-bit arithmetic, as the clock may pass the sign bit.
bool outlived(int32_t since, int32_t now) {
    return static_cast<int32_t>(static_cast<uint32_t>(since) - static_cast<uint32_t>(now) +
                                static_cast<uint32_t>(BaitManager::kLifetime)) <= 0;
}

}  // namespace

void BaitManager::addBlipAtPlayer(const Placement& placement) {
    BaitBlip record;
    record.position = placement.position;
    record.created = placement.placed;
    record.blip = OwnedBlip(createCoordBlip(record.position, kBlipStyle, sprite_));
    setBlipName(record.blip.get(), data_.text(text_keys::kBaitBlip));
    blips_.push_back(std::move(record));
    tutorials_.showTutorialOnce(text_keys::kTutorialBaitBlip, false);
}

void BaitManager::onFrame(bool showBlips) {
    const ScopedActivity mark(Activity::Bait);
    const bool placing = playerPlacingBait();
    if (!placing && wasPlacing_) {
        placements_.push_back({playerPosition(), natives::getClockSeconds()});
        if (showBlips) addBlipAtPlayer(placements_.back());
    }
    wasPlacing_ = placing;

    // Nothing to age or measure: spare the frame the position and clock reads.
    if (placements_.empty() && (!showBlips || blips_.empty())) return;
    const int32_t now = natives::getClockSeconds();
    std::erase_if(placements_, [now](const Placement& p) { return outlived(p.placed, now); });
    if (showBlips) updateBlips(now);
}

void BaitManager::updateBlips(int32_t now) {
    if (blips_.empty()) return;
    const Vector3 player = playerPosition();
    for (auto it = blips_.begin(); it != blips_.end();) {
        const bool far = length(player - it->position) > kRemoveDistance;
        if (far || outlived(it->created, now) || !natives::doesBlipExist(it->blip.get())) {
            it = blips_.erase(it);
        } else {
            ++it;
        }
    }
}

bool BaitManager::drawsAt(Vector3 position, float reach) const {
    if (placements_.empty()) return false;
    const int32_t now = natives::getClockSeconds();
    for (const Placement& p : placements_) {
        if (!outlived(p.placed, now) && length(position - p.position) <= reach) return true;
    }
    return false;
}

}  // namespace bf
