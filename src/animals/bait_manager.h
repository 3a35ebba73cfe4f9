// Map blips for bait the player has placed: one appears where the player stood when placing
// ended, and goes when the player is far from it, when it is old, or when the game removed it.
#pragma once

#include <cstdint>
#include <vector>

#include "core/vector3.h"
#include "world/owned.h"

namespace bf {

class DataCatalogue;
class Tutorials;

struct BaitBlip {
    OwnedBlip blip;
    Vector3 position;
    int32_t created = 0;  // clock A
};

class BaitManager {
  public:
    static constexpr uint32_t kBlipStyle = 0x19365607;
    static constexpr float kRemoveDistance = 200.0f;
    static constexpr int32_t kLifetime = 2000;  // clock A units

    // Asks the game for the hashes it compares every frame, once.
    BaitManager(const DataCatalogue& data, Tutorials& tutorials);
    // Once per frame while "BaitPlips" is on.
    void update();
    const std::vector<BaitBlip>& blips() const { return blips_; }

  private:
    bool playerPlacingBait() const;
    void addBlipAtPlayer();

    const DataCatalogue& data_;
    Tutorials& tutorials_;
    uint32_t placeNormal_;
    uint32_t placePotent_;
    uint32_t sprite_;
    std::vector<BaitBlip> blips_;
    bool wasPlacing_ = false;
};

}  // namespace bf
