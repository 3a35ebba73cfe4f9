#include "animals/bait_manager.h"

#include <cmath>

#include "core/context.h"
#include "core/natives.h"
#include "data/catalogue.h"
#include "ui/blips.h"
#include "world/game_ops.h"

namespace bf {

BaitManager::BaitManager()
    : placeNormal_(gameHash("WORLD_PLAYER_PLACE_BAIT_NORMAL")),
      placePotent_(gameHash("WORLD_PLAYER_PLACE_BAIT_POTENT")),
      sprite_(gameHash("blip_ambient_ped_small")) {}

bool BaitManager::playerPlacingBait() const {
    const int32_t ped = context().playerPed;
    return natives::isPedUsingScenarioHash(ped, placeNormal_) ||
           natives::isPedUsingScenarioHash(ped, placePotent_);
}

void BaitManager::addBlipAtPlayer() {
    BaitBlip record;
    record.position = playerPosition();
    record.created = natives::getClockSeconds();
    record.blip = createCoordBlip(record.position, kBlipStyle, sprite_);
    setBlipName(record.blip, text("blips.bait"));
    blips_.push_back(record);
    showTutorialOnce("bait_blip", false);
}

void BaitManager::update() {
    const bool placing = playerPlacingBait();
    if (!placing && wasPlacing_) addBlipAtPlayer();
    wasPlacing_ = placing;

    // Nothing to age or measure: spare the frame the position and clock reads.
    if (blips_.empty()) return;
    const int32_t now = natives::getClockSeconds();
    const Vector3 player = playerPosition();
    for (auto it = blips_.begin(); it != blips_.end();) {
        const Vector3 d = player - it->position;
        const bool far = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z) > kRemoveDistance;
        // Wrapping 32-bit arithmetic, as the clock may pass the sign bit.
        const bool old =
            static_cast<int32_t>(static_cast<uint32_t>(it->created) - static_cast<uint32_t>(now) +
                                 static_cast<uint32_t>(kLifetime)) <= 0;
        if (far || old || !natives::doesBlipExist(it->blip)) {
            removeBlip(&it->blip);
            it = blips_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace bf
