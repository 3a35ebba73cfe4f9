// MassHuntingCompetitionProcessor: the player and the rival both take animals of one kind in the
// area until the time cap; each animal scores once, for whoever hit it first (base score, its
// quality, bonuses for size, a head shot, writhing and bait; half for the player in Dead Eye when
// that penalty is on). The bait bonus goes to an animal hit within
// "hunting_competitions.bait_reach" metres (GeneralMeta.dat) of bait the player put down that
// still draws animals: the game tells no animal drawn by bait from another. The processor spawns
// more animals of the kind into the area as it runs, and the higher score wins the stake.
//
// Damage events reach it while the frame's event pump reads them (onEntityDamaged); it scores
// them in runFrame, in the order the game queued them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "animals/bait_manager.h"
#include "competitions/hunting_competition_processor.h"

namespace bf {

class MassHuntingCompetitionProcessor : public HuntingCompetitionProcessor {
  public:
    static constexpr int32_t kFirstSpawnMs = 30000;
    static constexpr int32_t kRetrySpawnMs = 10000;
    static constexpr float kOpponentReach = 50.0f;
    static constexpr float kXlargeScale = 1.15f;
    static constexpr int32_t kHeadBone = 21030;
    static constexpr float kMinPlayerDistance = 20.0f;
    static constexpr float kMinOpponentDistance = 2.0f;

    MassHuntingCompetitionProcessor(CompetitionInfo& info, DataCatalogue& data,
                                    Tutorials& tutorials, const BaitPlaces& bait);

    void onEntityDamaged(const EntityDamagedEvent& event) override;

    void scoreDamage(int32_t damaged, int32_t attacker, uint32_t weapon);
    // The new animal, or 0.
    int32_t spawnAnimal();
    int32_t createAnimalAt(Vector3 point);

    int32_t nextSpawnTime() const { return nextSpawnTime_; }

  protected:
    void runFrame(uint32_t now) override;
    void onStarted() override;
    void onTimeUp() override;

  private:
    const BaitPlaces& bait_;
    std::vector<EntityDamagedEvent> frameDamage_;
    int32_t nextSpawnTime_ = 0;
};

}  // namespace bf
