#include "competitions/mass_hunting_competition_processor.h"

#include <algorithm>

#include "core/decorators.h"
#include "core/frame_tally.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/settings.h"
#include "core/text.h"
#include "data/catalogue.h"
#include "data/dict_data_file.h"
#include "data/text_keys.h"
#include "data/tuning.h"
#include "ui/messages.h"
#include "ui/tutorials.h"
#include "world/game_ops.h"
#include "world/peds.h"

namespace bf {

namespace {

constexpr int32_t kNotificationMs = 5000;
// More hits in one frame than this are rare; the buffer grows if they come.
constexpr size_t kExpectedDamagePerFrame = 16;

bool passed(uint32_t now, int32_t deadline) {
    return static_cast<int32_t>(now - static_cast<uint32_t>(deadline)) > 0;
}

}  // namespace

MassHuntingCompetitionProcessor::MassHuntingCompetitionProcessor(CompetitionInfo& info,
                                                                 DataCatalogue& data,
                                                                 Tutorials& tutorials,
                                                                 const BaitPlaces& bait)
    : HuntingCompetitionProcessor(info, data, tutorials), bait_(bait) {
    frameDamage_.reserve(kExpectedDamagePerFrame);
}

void MassHuntingCompetitionProcessor::onStarted() {
    startOpponent(HuntTask::Quarry::anyOf(info_.animalType), kOpponentReach,
                  info_.spawnLocation.radius);
    showInstruction();
    hunting_ = true;
    nextSpawnTime_ = static_cast<int32_t>(natives::getGameTimer() + kFirstSpawnMs);
}

void MassHuntingCompetitionProcessor::onEntityDamaged(const EntityDamagedEvent& event) {
    if (hunting_) frameDamage_.push_back(event);
}

void MassHuntingCompetitionProcessor::runFrame(uint32_t now) {
    stepOpponent(now);
    if (hunting_) {
        for (const EntityDamagedEvent& event : frameDamage_)
            scoreDamage(event.damaged, event.attacker, event.weapon);
        if (passed(now, nextSpawnTime_)) {
            nextSpawnTime_ = static_cast<int32_t>(
                spawnAnimal() != 0 ? now + static_cast<uint32_t>(randomInt(30000, 45000))
                                   : now + kRetrySpawnMs);
        }
    }
    frameDamage_.clear();
}

void MassHuntingCompetitionProcessor::scoreDamage(int32_t damaged, int32_t attacker,
                                                  uint32_t /*weapon*/) {
    // The second rule admits a game animal only: never a person, a horse or a domestic animal.
    const uint32_t model = natives::getEntityModel(damaged);
    const bool eligible = model == info_.animalType ||
                          (natives::isPedAnimal(damaged) && !natives::isThisModelAHorse(model) &&
                           !isUntouchedAnimalType(natives::getPedAnimalType(damaged)) &&
                           natives::isEntityDead(damaged) && natives::isPedInWrithe(damaged));
    if (!eligible) return;
    const int32_t player = runtime().playerPed;
    if (attacker != info_.opponentPed && attacker != player) return;
    if (natives::decorGetInt(damaged, kDecorCompetitionAnimalHandled) != 0) return;

    const DictDataFile& meta = data_.generalMeta();
    int32_t points = tuningInt(meta, Tuning::BaseScore) - 2 + natives::getPedQuality(damaged);
    if (getSettingBool("DynamicAnimalSizes") &&
        natives::decorGetFloat(damaged, kDecorScale) > kXlargeScale)
        points += tuningInt(meta, Tuning::BonusXlargeAnimal);
    int32_t bone = 0;
    natives::getPedLastDamageBone(damaged, &bone);
    if (bone == kHeadBone) points += tuningInt(meta, Tuning::BonusHeadshot);
    // Writhing, not lying limp: every freshly shot animal ragdolls.
    if (natives::isPedInWrithe(damaged)) points += tuningInt(meta, Tuning::BonusWrithe);
    if (bait_.drawsAt(entityPosition(damaged), tuningFloat(meta, Tuning::BaitReach)))
        points += tuningInt(meta, Tuning::BonusBait);
    points = std::max(points, 1);

    const bool byPlayer = attacker == player;
    if (byPlayer) {
        if (natives::isSpecialAbilityActive(runtime().playerIndex) &&
            getSettingBool("HuntingCompetitions_DeadEyePenalty"))
            points /= 2;
        tutorials_.showTutorialOnce(text_keys::kTutorialBonuses, false);
        info_.playerScore += points;
    } else {
        info_.opponentScore += points;
    }
    if (getSettingBool("HUD_HuntingCompetition_ScoreNotification")) {
        const std::string name = byPlayer ? std::string(playerCharacterName(player))
                                          : data_.text(text_keys::kWidgetOpponent);
        showNotification(name + " +" + std::to_string(points), kNotificationMs);
    }
    natives::decorSetInt(damaged, kDecorCompetitionAnimalHandled, 1);
    logMessage(std::string(byPlayer ? "player" : "opponent") +
               " scored: " + std::to_string(points));
}

int32_t MassHuntingCompetitionProcessor::spawnAnimal() {
    const ScopedActivity mark(Activity::CompetitionAnimals);
    const int32_t player = runtime().playerPed;
    const int32_t r = randomInt(0, 4);
    Vector3 point;
    if (r == 0) {
        point = playerPosition() + entityDirection(player) * -30.0f;
    } else if (r == 1) {
        point = pointOnCircle(entityPosition(info_.opponentPed), 30.0f, false);
    } else {
        point = pointOnCircle(info_.spawnLocation.position, info_.spawnLocation.radius, false);
    }
    // Measured in the plane: a point round the area's centre carries no real height yet.
    if (planarDistance(entityPosition(player), point) < kMinPlayerDistance ||
        planarDistance(entityPosition(info_.opponentPed), point) < kMinOpponentDistance)
        return 0;
    return createAnimalAt(point);
}

int32_t MassHuntingCompetitionProcessor::createAnimalAt(Vector3 point) {
    // A point round the area's centre sits at height 0.3: only a probe from high above finds
    // its ground.
    int32_t ped = spawnPedOnGround(info_.spawnLocation.model, point);
    if (ped == 0) return 0;
    // Before the game reports it: the culling must know it as the competition's.
    natives::decorSetInt(ped, kDecorCompetitionAnimal, 1);
    if (!natives::placeEntityOnGroundProperly(ped)) {
        natives::deleteEntity(&ped);
        return 0;
    }
    info_.createdPeds.emplace_back(ped);
    return ped;
}

void MassHuntingCompetitionProcessor::onTimeUp() {
    logMessage(
        "MassHuntingCompetitionProcessor: player score: " + std::to_string(info_.playerScore) +
        ". opponent score: " + std::to_string(info_.opponentScore));
    if (info_.playerScore > info_.opponentScore) {
        finish(kOutcomePlayerWon);
    } else if (info_.playerScore < info_.opponentScore) {
        finish(kOutcomePlayerLost);
    } else {
        finish(kOutcomeDraw);
    }
}

}  // namespace bf
