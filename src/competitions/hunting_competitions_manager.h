// HuntingCompetitionsManager: offers the player, from time to time, a hunting competition against
// a rival hunter near him, holds at most one at a time, drives its processor once a frame and
// settles the stake when it ends.
//
// An offer can come 2 s after start-up at the earliest, never while the player is in a town,
// cannot act or a mission runs (then it is tried again the next frame). A failed creation (no
// hunting ground 250 to 650 m away, or no camp spot within 100 m of one) is retried after 5 s.
// After a competition ends, the next comes 15 minutes later, whatever the outcome. An offer the
// player has not accepted is withdrawn once he changes map area more than 800 m from its camp
// (next offer 20 s later); an accepted one is never withdrawn here.
//
// The stake: the stake multiplier (0 to 100) times $20 to $36, never more than the player
// carries; settled in whole dollars.
//
// The kind: a competition is a mass hunt (kind 1) unless a special animal (a variation, see
// competition_variations.h) has the chosen hunting ground's model and a random draw in [0, 1)
// falls under "hunting_competitions.specific_animal_chance" of GeneralMeta.dat (0 to 1, absent
// 0; 1 always): then it is a hunt for that animal (kind 0), one of the fitting variations drawn
// at random when several fit. The draw is made only when the chance is above 0 and a variation
// fits, after the stake's, so that every other competition draws exactly what it drew before.
//
// The hunter's record (hunter_record.h) hears of every offer made, every competition the player
// takes, and how each taken one ended with the money that moved.
#pragma once

#include <cstdint>
#include <memory>

#include "animals/map_area_tracker.h"
#include "competitions/competition_info.h"
#include "competitions/hunting_competition_processor.h"
#include "core/vector3.h"
#include "world/game_events.h"

namespace bf {

class AnimalSpawnLocations;
class BaitPlaces;
class CompetitionVariations;
class DataCatalogue;
class HunterRecord;
class MapDistricts;
class Tutorials;

class HuntingCompetitionsManager : public EventsSubscriber<MapAreaChangeData>,
                                   public EventsSubscriber<EntityDamagedEvent> {
  public:
    static constexpr uint32_t kFirstOfferDelayMs = 2000;
    static constexpr uint32_t kRetryDelayMs = 5000;
    static constexpr uint32_t kWithdrawnDelayMs = 20000;
    static constexpr uint32_t kFinishedDelayMs = 900000;
    static constexpr float kWithdrawDistance = 800.0f;
    static constexpr float kMinSpawnDistance = 250.0f;
    static constexpr float kMaxSpawnDistance = 650.0f;
    static constexpr float kMaxStartPointDistance = 100.0f;
    static constexpr int kStartPointTries = 30;

    HuntingCompetitionsManager(DataCatalogue& data, Tutorials& tutorials,
                               const AnimalSpawnLocations& spawnLocations,
                               const MapDistricts& districts,
                               const CompetitionVariations& variations, const BaitPlaces& bait,
                               HunterRecord& record);
    ~HuntingCompetitionsManager() override;

    // Once a frame, after the event pump, while "HuntingCompetitions_Enabled" is on (the spine
    // reads that gate).
    void onFrame();
    // A map-area change (from the tracker).
    void notify(const MapAreaChangeData& change);
    void onEvent(const MapAreaChangeData& change) override { notify(change); }
    // Hands the frame's damage events (from the event pump) to the competition held now.
    void onEvent(const EntityDamagedEvent& event) override;
    void postponeBy(int32_t seconds);
    // Competitions switched off in the game (a reload of the settings): the competition held
    // now, offered or running, ends without a winner (no money changes hands), everything it made
    // (camp, rival, animals, blips, prompt) is deleted, and the next offer may come 2 s after they
    // are switched on again.
    void withdraw();

    // The competition held now (null when none), for the tests and the HUD.
    HuntingCompetitionProcessor* processor() { return processor_.get(); }
    CompetitionInfo* info() { return info_.get(); }
    uint32_t nextAttemptTime() const { return nextAttemptTime_; }

    struct Competition {
        std::unique_ptr<CompetitionInfo> info;
        std::unique_ptr<HuntingCompetitionProcessor> processor;
    };
    // Builds the record and its processor round `point` (the player's position when zero);
    // empty when no place fits.
    Competition createCompetition(Vector3 point);

  private:
    void terminateCompetition();
    // Makes the record a specific-animal competition when the draw says so (see above).
    void chooseKind(CompetitionInfo& info);

    DataCatalogue& data_;
    Tutorials& tutorials_;
    const AnimalSpawnLocations& spawnLocations_;
    const MapDistricts& districts_;
    const CompetitionVariations& variations_;
    const BaitPlaces& bait_;
    HunterRecord& record_;
    // The competition held now was taken by the player (and counted so in the record).
    bool taken_ = false;
    // The processor refers to the record, so it goes first.
    std::unique_ptr<CompetitionInfo> info_;
    std::unique_ptr<HuntingCompetitionProcessor> processor_;
    uint32_t nextAttemptTime_;
};

}  // namespace bf
