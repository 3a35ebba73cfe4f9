#include "competitions/hunting_competitions_manager.h"

#include <algorithm>
#include <vector>

#include "animals/animal_spawn_locations.h"
#include "competitions/competition_kinds.h"
#include "competitions/competition_variations.h"
#include "competitions/hunter_record.h"
#include "core/frame_tally.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/settings.h"
#include "core/text.h"
#include "data/catalogue.h"
#include "data/dict_data_file.h"
#include "data/tuning.h"
#include "ui/messages.h"
#include "world/game_ops.h"
#include "world/map_districts.h"
#include "world/towns.h"

namespace bf {

namespace {

bool isZero(Vector3 v) {
    return v.x == 0.0f && v.y == 0.0f && v.z == 0.0f;
}

// The camp spot of the town nearest the place; zero for an empty list. Spots carry their real
// heights while a place has none, so they are compared in the horizontal plane.
Vector3 nearestStartPoint(const TownRecord& town, Vector3 place) {
    Vector3 best;
    float bestDistance = 0.0f;
    bool found = false;
    for (const Vector3& point : town.startPoints) {
        const float d = planarDistance(point, place);
        if (!found || d < bestDistance) {
            best = point;
            bestDistance = d;
            found = true;
        }
    }
    return best;
}

}  // namespace

HuntingCompetitionsManager::HuntingCompetitionsManager(DataCatalogue& data, Tutorials& tutorials,
                                                       const AnimalSpawnLocations& spawnLocations,
                                                       const MapDistricts& districts,
                                                       const CompetitionVariations& variations,
                                                       const BaitPlaces& bait, HunterRecord& record)
    : data_(data),
      tutorials_(tutorials),
      spawnLocations_(spawnLocations),
      districts_(districts),
      variations_(variations),
      bait_(bait),
      record_(record),
      nextAttemptTime_(natives::getGameTimer() + kFirstOfferDelayMs) {}

HuntingCompetitionsManager::~HuntingCompetitionsManager() = default;

void HuntingCompetitionsManager::onFrame() {
    const ScopedActivity mark(Activity::Competitions);
    if (processor_) {
        processor_->update();
        if (!taken_ && info_->status == kStatusUnderWay) {
            taken_ = true;
            record_.competitionTaken();
        }
        if (info_->status == kStatusFinished) {
            terminateCompetition();
            nextAttemptTime_ = natives::getGameTimer() + kFinishedDelayMs;
            logMessage(
                "HuntingCompetitionsManager: competition finished - next competition will be "
                "available in 15 minutes");
        }
        return;
    }
    if (static_cast<int32_t>(nextAttemptTime_ - natives::getGameTimer()) > 0) return;

    const Vector3 player = playerPosition();
    if (natives::getMapZoneAtCoords(player, 1) != 0 ||
        !natives::isPlayerControlOn(runtime().playerIndex) || natives::getMissionFlag())
        return;

    Competition competition = createCompetition(player);
    if (!competition.processor) {
        nextAttemptTime_ = natives::getGameTimer() + kRetryDelayMs;
        logMessage("HuntingCompetitionsManager: trying to create new competition in 5 seconds");
        return;
    }
    info_ = std::move(competition.info);
    processor_ = std::move(competition.processor);
    taken_ = false;
    record_.competitionOffered();
    logMessage("HuntingCompetitionsManager: competition created. animal type: " +
               std::to_string(static_cast<int32_t>(info_->animalType)) +
               ", start coords: " + formatVector(info_->startPoint) +
               ", bounty: " + std::to_string(info_->bounty) + ", distance from player: " +
               formatFixed(distance(runtime().playerPed, info_->startPoint)));
}

HuntingCompetitionsManager::Competition HuntingCompetitionsManager::createCompetition(
    Vector3 point) {
    const ScopedActivity mark(Activity::CompetitionCreation);
    if (isZero(point)) point = playerPosition();
    AnimalSpawnLocation location =
        spawnLocations_.choose(point, kMaxSpawnDistance, kMinSpawnDistance, 0);
    if (!AnimalSpawnLocations::valid(location)) {
        logMessage(
            "HuntingCompetitionsManager: could not find an animal spawn location near player. "
            "player coords: " +
            formatVector(playerPosition()));
        return {};
    }

    const auto town = districts_.nearestTown(location.position);
    Vector3 startPoint;
    for (int tries = 0; tries < kStartPointTries && isZero(startPoint); ++tries) {
        if (town) startPoint = nearestStartPoint(*town, location.position);
        if (planarDistance(location.position, startPoint) > kMaxStartPointDistance) {
            startPoint = {};
            location = spawnLocations_.choose(point, kMaxSpawnDistance, kMinSpawnDistance, 0);
        }
    }
    if (isZero(startPoint)) {
        logMessage("HuntingCompetitionsManager: could not find a start location for competition");
        return {};
    }

    auto info = std::make_unique<CompetitionInfo>();
    info->kind = kCompetitionMassHunting;
    info->outcome = kOutcomeNone;
    info->areaRadius = 120.0f;
    info->animalType = gameHash(location.model);
    info->timeCapMinutes = static_cast<int32_t>(
        clampValue(static_cast<float>(getSettingInt("HuntingCompetitions_TimeCap")),
                   kTimeCapMinutesMin, kTimeCapMinutesMax));
    info->startPoint = startPoint;
    info->spawnLocation = location;
    const HunterTally& record = record_.current();
    info->playerRecord = {record.won, record.lost, record.drawn, true};

    const auto cash = static_cast<float>(natives::getPlayerCash());
    const float stake = clampValue(getSettingFloat("HuntingCompetitions_StakeMultiplier"),
                                   kStakeMultiplierMin, kStakeMultiplierMax);
    const auto offer = stake * static_cast<float>(randomInt(20, 36) * 100);
    info->bounty = static_cast<int32_t>(cash >= offer ? offer : cash);
    chooseKind(*info);

    const CompetitionKindRow* kind = findCompetitionKind(info->kind);
    if (kind == nullptr) {
        logMessage("HuntingCompetitionsManager: no processor found for competition type: " +
                   std::to_string(info->kind));
        return {};
    }
    Competition competition;
    competition.processor = kind->make({*info, data_, tutorials_, bait_});
    competition.info = std::move(info);
    return competition;
}

void HuntingCompetitionsManager::chooseKind(CompetitionInfo& info) {
    const std::vector<const CompetitionVariation*> fitting =
        variations_.forModel(info.spawnLocation.model);
    if (fitting.empty()) return;
    const float chance = tuningFloat(data_.generalMeta(), Tuning::SpecificAnimalChance);
    // Written as a test that NaN fails too.
    if (!(chance > 0.0f)) return;
    const float draw = natives::getRandomFloatInRange(0.0f, 1.0f);
    if (chance < 1.0f && !(draw < chance)) return;
    const auto count = static_cast<int32_t>(fitting.size());
    const int32_t pick = count == 1 ? 0 : std::clamp(randomInt(0, count), 0, count - 1);
    info.kind = kCompetitionSpecificAnimal;
    info.variation = fitting[static_cast<size_t>(pick)];
    logMessage("HuntingCompetitionsManager: the competition is about a special animal: variation " +
               std::to_string(info.variation->number) + " (" + info.variation->model + ")");
}

void HuntingCompetitionsManager::terminateCompetition() {
    const int32_t outcome = info_->outcome;
    int32_t moved = 0;
    if (outcome == kOutcomePlayerWon || outcome == kOutcomePlayerLost) {
        // Settled in whole dollars.
        const int32_t cents = info_->bounty / 100 * 100;
        const int32_t change = outcome == kOutcomePlayerWon ? cents : -cents;
        if (changePlayerCash(change, true)) moved = change;
    }
    // An offer the player never took is no competition of his.
    if (taken_) record_.competitionEnded(outcome, moved);
    taken_ = false;
    processor_->cleanup(false);
    processor_.reset();
    info_.reset();
}

void HuntingCompetitionsManager::withdraw() {
    nextAttemptTime_ = natives::getGameTimer() + kFirstOfferDelayMs;
    if (!processor_) return;
    logMessage(
        "HuntingCompetitionsManager: competitions switched off, withdrawing the competition");
    info_->outcome = kOutcomeAborted;
    if (taken_) record_.competitionEnded(kOutcomeAborted, 0);
    taken_ = false;
    processor_->cleanup(true);
    processor_.reset();
    info_.reset();
}

void HuntingCompetitionsManager::notify(const MapAreaChangeData& change) {
    if (!processor_ || info_->status != kStatusOffered) return;
    if (distance(playerPosition(), info_->startPoint) <= kWithdrawDistance) return;
    logMessage("HuntingCompetitionsManager: player has moved to a different map area (" +
               std::to_string(static_cast<int32_t>(change.newArea)) +
               "), terminating pending competition.");
    terminateCompetition();
    nextAttemptTime_ = natives::getGameTimer() + kWithdrawnDelayMs;
}

void HuntingCompetitionsManager::onEvent(const EntityDamagedEvent& event) {
    if (processor_) processor_->onEntityDamaged(event);
}

void HuntingCompetitionsManager::postponeBy(int32_t seconds) {
    nextAttemptTime_ = natives::getGameTimer() + static_cast<uint32_t>(seconds) * 1000u;
}

}  // namespace bf
