#include "competitions/specific_animal_processor.h"

#include <algorithm>

#include "animals/animal_sizes.h"
#include "competitions/competition_variations.h"
#include "core/decorators.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/text.h"
#include "data/catalogue.h"
#include "ui/messages.h"
#include "world/game_ops.h"
#include "world/owned.h"
#include "world/peds.h"

namespace bf {

namespace {

// The roam of the animal, as the hunters roam (hunter_moves.h): walks of at least 3 m, 6 s apart.
constexpr float kRoamMinimalWalk = 3.0f;
constexpr float kRoamPauseSeconds = 6.0f;

}  // namespace

SpecificAnimalProcessor::SpecificAnimalProcessor(CompetitionInfo& info, DataCatalogue& data,
                                                 Tutorials& tutorials)
    : HuntingCompetitionProcessor(info, data, tutorials) {}

void SpecificAnimalProcessor::onStarted() {
    const Vector3 centre = info_.spawnLocation.position;
    const float r = std::min(info_.areaRadius, info_.spawnLocation.radius);
    Vector3 point = centre;
    if (natives::isNavmeshLoadedInArea(centre, centre + Vector3{1.0f, 1.0f, 1.0f})) {
        const auto distance =
            static_cast<float>(randomInt(static_cast<int32_t>(r / 2.0f), static_cast<int32_t>(r)));
        point = pointOnCircle(centre, distance, false);
        info_.targetAnimal = createTarget(point, r);
    } else {
        natives::addNavmeshRequiredRegion(centre.x, centre.y, r);
        logMessage("SpecificAnimalProcessor: requesting navmesh for spawn location: " +
                   formatVector(centre));
    }
    if (info_.targetAnimal == 0) {
        logMessage("SpecificAnimalProcessor: failed to create animal. terminating. animal type: " +
                   std::to_string(static_cast<int32_t>(info_.animalType)) +
                   ", coords: " + formatVector(point));
        finish(kOutcomeAborted);
        return;
    }

    showInstruction();
    startOpponent(HuntTask::Quarry::one(info_.targetAnimal), kOpponentReach, info_.areaRadius);
    hunting_ = true;
}

int32_t SpecificAnimalProcessor::createTarget(Vector3 point, float roamRadius) {
    if (info_.variation == nullptr) return 0;
    // The area's centre has no height: the ground is found from high above.
    int32_t animal = spawnPedOnGround(info_.variation->model, point);
    if (animal == 0) return 0;
    if (!natives::placeEntityOnGroundProperly(animal)) {
        natives::deleteEntity(&animal);
        return 0;
    }
    dress(animal);
    info_.createdPeds.emplace_back(animal);
    OwnedTaskSequence sequence;
    natives::taskWanderInArea(0, info_.spawnLocation.position, roamRadius, kRoamMinimalWalk,
                              kRoamPauseSeconds);
    sequence.performBy(animal);
    return animal;
}

void SpecificAnimalProcessor::dress(int32_t animal) {
    const CompetitionVariation& variation = *info_.variation;
    // First, before the game reports the new animal: the sizes and the population leave it be.
    natives::decorSetInt(animal, kDecorCompetitionAnimalHandled, 1);
    natives::decorSetInt(animal, kDecorCompetitionAnimal, 1);
    natives::equipMetaPedOutfitPreset(animal, variation.outfit);
    natives::setPedScale(animal, variation.scale);
    natives::updatePedVariation(animal);
    natives::getPedHeight(animal);
    natives::decorSetFloat(animal, kDecorScale, variation.scale);
    natives::decorSetFloat(
        animal, kDecorWeight,
        animalWeight(modelSizeClass(natives::getEntityModel(animal)), variation.scale));
    const auto health = static_cast<int32_t>(
        static_cast<float>(natives::getEntityMaxHealth(animal)) * variation.health);
    natives::setEntityMaxHealth(animal, health);
    natives::setEntityHealth(animal, health, 0);
}

void SpecificAnimalProcessor::runFrame(uint32_t now) {
    // The frame the time cap ends it in, runFrame still runs: nothing more to decide then.
    if (!hunting_ || state_ == kStateFinished) return;
    stepOpponent(now);

    const int32_t target = info_.targetAnimal;
    if (!natives::doesEntityExist(target)) {
        logMessage("SpecificAnimalProcessor: the animal is gone from the world. terminating.");
        finish(kOutcomeAborted);
        return;
    }
    if (!natives::isEntityDead(target) && !natives::isPedInWrithe(target)) return;

    const int32_t player = runtime().playerPed;
    const int32_t opponent = info_.opponentPed;
    int32_t killer = natives::getPedSourceOfDeath(target);
    if (killer == 0 || (killer != player && killer != opponent)) {
        if (opponent != 0 && natives::hasEntityBeenDamagedByEntity(target, opponent)) {
            killer = opponent;
        } else if (natives::hasEntityBeenDamagedByEntity(target, player)) {
            killer = player;
        } else {
            killer = 0;
        }
    }
    const bool byPlayer = killer != 0 && killer == player;
    const bool byOpponent = killer != 0 && killer == opponent;
    logMessage(std::string("SpecificAnimalProcessor: the animal is down. taken by: ") +
               (byPlayer     ? "player"
                : byOpponent ? "opponent"
                             : "nobody of the two"));
    finish(byPlayer ? kOutcomePlayerWon : byOpponent ? kOutcomePlayerLost : kOutcomeDraw);
}

void SpecificAnimalProcessor::onTimeUp() {
    logMessage("SpecificAnimalProcessor: time is up and the animal is still up: a draw");
    finish(kOutcomeDraw);
}

}  // namespace bf
