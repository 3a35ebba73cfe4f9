// CompetitionInfo: the record of one hunting competition. The manager creates it when it offers a
// competition and keeps it until the competition is torn down; the processor and its parts read
// and write it. It owns what the competition made in the game (peds, prop sets, blips, the
// acceptance prompt): dropping the record hands all of it back to the game, whatever the exit.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "animals/animal_spawn_locations.h"
#include "core/vector3.h"
#include "ui/ui_prompt.h"
#include "world/owned.h"

namespace bf {

enum CompetitionKind : int32_t {
    kCompetitionSpecificAnimal = 0,
    kCompetitionMassHunting = 1,
};

enum CompetitionOutcome : int32_t {
    kOutcomeNone = -999,
    kOutcomeAborted = -1,
    kOutcomeDraw = 0,
    kOutcomePlayerWon = 1,
    kOutcomePlayerLost = 2,
};

enum CompetitionStatus : int32_t {
    kStatusOffered = 0,
    kStatusUnderWay = 1,
    kStatusFinished = 2,
};

// A special animal of the specific-animal kind (competition_variations.h); the table it points
// into lives as long as the plug-in.
struct CompetitionVariation;

// The player's record against rivals when the competition was offered (hunter_record.h), for the
// offer panel.
struct RecordSummary {
    int32_t won = 0;
    int32_t lost = 0;
    int32_t drawn = 0;
    bool known = false;
};

struct CompetitionInfo {
    CompetitionInfo() = default;
    CompetitionInfo(const CompetitionInfo&) = delete;
    CompetitionInfo& operator=(const CompetitionInfo&) = delete;

    int32_t kind = kCompetitionMassHunting;
    int32_t timeCapMinutes = 0;
    uint32_t animalType = 0;
    Vector3 startPoint;
    // Its position is the centre of the competition area.
    AnimalSpawnLocation spawnLocation;
    // Set for kind 0 only.
    const CompetitionVariation* variation = nullptr;
    int32_t outcome = kOutcomeNone;
    float areaRadius = 120.0f;
    int32_t bounty = 0;  // cents
    int32_t opponentPed = 0;
    int32_t status = kStatusOffered;
    std::vector<OwnedPed> createdPeds;
    std::vector<OwnedPropSet> createdPropSets;
    OwnedBlip offerBlip;
    OwnedBlip areaBlip;
    OwnedBlip opponentBlip;
    uint32_t startTime = 0;
    int32_t targetAnimal = 0;
    std::unique_ptr<UiPrompt> prompt;
    int32_t timeLeftSeconds = 0;
    int32_t playerScore = 0;
    int32_t opponentScore = 0;
    RecordSummary playerRecord;
};

}  // namespace bf
