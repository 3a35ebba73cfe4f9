// Bait the player has placed, and its map blips: a blip appears where the player stood when
// placing ended, and goes when the player is far from it, when it is old, or when the game removed
// it. The placements themselves are noted whether or not blips are shown, and kept while the bait
// still draws animals (as long as a blip stays up, kLifetime).
#pragma once

#include <cstdint>
#include <vector>

#include "core/vector3.h"
#include "ui/blips.h"
#include "world/owned.h"

namespace bf {

class DataCatalogue;
class Tutorials;

struct BaitBlip {
    OwnedBlip blip;
    Vector3 position;
    int32_t created = 0;  // clock A
};

// What another feature may ask of the bait the player has put down.
class BaitPlaces {
  public:
    virtual ~BaitPlaces() = default;
    // Whether bait that still draws animals lies within `reach` metres of `position`.
    virtual bool drawsAt(Vector3 position, float reach) const = 0;
};

class BaitManager : public BaitPlaces {
  public:
    static constexpr BlipStyle kBlipStyle{0x19365607};
    static constexpr float kRemoveDistance = 200.0f;
    static constexpr int32_t kLifetime = 2000;  // clock A units

    // Asks the game for the hashes it compares every frame, once.
    BaitManager(const DataCatalogue& data, Tutorials& tutorials);
    // Once per frame; the blips only while `showBlips` ("BaitPlips").
    void onFrame(bool showBlips);
    // Bait blips switched off: takes the blips off the map (the placements still count for the
    // competition's bait bonus).
    void dropBlips() { blips_.clear(); }
    const std::vector<BaitBlip>& blips() const { return blips_; }
    bool drawsAt(Vector3 position, float reach) const override;

  private:
    struct Placement {
        Vector3 position;
        int32_t placed = 0;  // clock A
    };

    bool playerPlacingBait() const;
    void addBlipAtPlayer(const Placement& placement);
    void updateBlips(int32_t now);

    const DataCatalogue& data_;
    Tutorials& tutorials_;
    uint32_t placeNormal_;
    uint32_t placePotent_;
    BlipSprite sprite_;
    std::vector<BaitBlip> blips_;
    std::vector<Placement> placements_;
    bool wasPlacing_ = false;
};

}  // namespace bf
