#include "competitions/hunting_competition_processor.h"

#include <cmath>

#include "competitions/competition_kinds.h"
#include "core/decorators.h"
#include "core/frame_tally.h"
#include "core/game_hash.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/settings.h"
#include "core/text.h"
#include "data/catalogue.h"
#include "data/dict_data_file.h"
#include "data/text_keys.h"
#include "data/tuning.h"
#include "ui/blips.h"
#include "ui/messages.h"
#include "ui/tutorials.h"
#include "world/game_ops.h"

namespace bf {

namespace {

constexpr const char* kLootMoney = "loot_money";
constexpr uint32_t kAcceptControl = literalGameHash("INPUT_CONTEXT_X");
constexpr BlipStyle kOpponentBlipStyle{0x19365607};
constexpr uint32_t kOpponentBlipModifier = 0x0B93E613;
constexpr float kIdleRadius = 10.0f;
constexpr size_t kInstructionBuffer = 200;

int32_t playerPed() {
    return runtime().playerPed;
}

}  // namespace

HuntingCompetitionProcessor::HuntingCompetitionProcessor(CompetitionInfo& info, DataCatalogue& data,
                                                         Tutorials& tutorials)
    : info_(info),
      data_(data),
      tutorials_(tutorials),
      infoModal_(std::make_unique<HuntingCompetitionInfoModal>(info, data)),
      statusWidget_(std::make_unique<HuntingCompetitionStatusWidget>(info, data)),
      campPrepareDistance_(tuningFloat(data.generalMeta(), Tuning::CampPrepareDistance)) {
    info_.prompt = std::make_unique<UiPrompt>(data_.text(text_keys::kCompetitionPrompt).c_str(),
                                              kAcceptControl, PromptMode::HoldOnce);
    info_.prompt->setEnabled(false);
}

Vector3 HuntingCompetitionProcessor::pointOnCircle(Vector3 centre, float radius, bool onGround) {
    const float u = natives::getRandomFloatInRange(0.0f, 1.0f);
    const float angle = 2.0f * u * 3.14159f;
    const Vector3 direction = normalized({std::cos(angle), std::sin(angle), 0.0f});
    Vector3 point{centre.x + radius * direction.x, centre.y + radius * direction.y,
                  centre.z + 0.3f};
    if (onGround) {
        float height = 0.0f;
        if (natives::getGroundZFor3dCoord({point.x, point.y, centre.z + 10.0f}, &height, true))
            point.z = height;
    }
    return point;
}

void HuntingCompetitionProcessor::update() {
    if (state_ < 0) return;
    if (state_ >= kStateTravelling && !rulesHold()) return;
    switch (state_) {
        case kStateOffered:
            updateOffered();
            break;
        case kStateCampReady:
            updateCampReady();
            break;
        case kStateAccepted:
            updateAccepted();
            break;
        case kStateTravelling:
            updateTravelling();
            break;
        case kStateRunning:
            updateRunning();
            break;
        case kStateBlockedByMission:
            if (!natives::getMissionFlag()) {
                logMessage("HuntingCompetitionProcessor: mission flag OFF - enabling");
                state_ = kStateOffered;
            }
            break;
        default:
            break;
    }
}

bool HuntingCompetitionProcessor::rulesHold() {
    const int32_t player = playerPed();
    if (natives::isPlayerDead(runtime().playerIndex)) {
        logMessage("HuntingCompetitionProcessor: player has died");
        finish(kOutcomeAborted);
        return false;
    }
    // While an offer waits out a mission there is no rival yet to lose.
    const int32_t opponent = info_.opponentPed;
    if (opponent != 0 &&
        (natives::isEntityDead(opponent) || natives::isPedInCombat(opponent, player))) {
        logMessage("HuntingCompetitionProcessor: opponent was spooked or killed.");
        finish(kOutcomeAborted);
        return false;
    }
    if (natives::isPedOnFoot(player)) {
        natives::setScriptTimerB(0);
    } else if (!warned_.footOnly) {
        natives::setScriptTimerB(0);
        tutorials_.showTutorialOnce(text_keys::kTutorialFootOnly, true);
        warned_.footOnly = true;
    } else if (natives::getScriptTimerB() > kOffFootMs) {
        logMessage("HuntingCompetitionProcessor: player did not go on foot");
        finish(kOutcomeAborted);
        return false;
    }
    return true;
}

void HuntingCompetitionProcessor::updateOffered() {
    if (natives::getMissionFlag()) {
        logMessage("HuntingCompetitionProcessor: mission flag ON - blocking");
        state_ = kStateBlockedByMission;
        return;
    }
    if (!info_.offerBlip && getSettingInt("HuntingCompetitions_BlipType") == 1) showOfferBlip();
    if (distance(playerPosition(), info_.startPoint) > campPrepareDistance_) return;
    if (!buildCamp()) {
        finish(kOutcomeAborted);
        return;
    }
    if (!info_.offerBlip) showOfferBlip();
    state_ = kStateCampReady;
}

void HuntingCompetitionProcessor::updateCampReady() {
    const int32_t player = playerPed();
    const int32_t opponent = info_.opponentPed;
    const int32_t playerIndex = runtime().playerIndex;
    if (natives::isEntityDead(opponent) || natives::isLawIncidentActive(playerIndex) ||
        natives::isPedFleeing(opponent) || natives::getCurrentTargetForPed(opponent) != 0 ||
        natives::countPedsInCombatWithTarget(player, false)) {
        logMessage("HuntingCompetitionProcessor: opponent killed or spooked, terminating");
        finish(kOutcomeAborted);
        return;
    }
    const Vector3 playerAt = playerPosition();
    if (distance(playerAt, info_.startPoint) > kCampReleaseDistance || natives::getMissionFlag()) {
        releaseCamp(false);
        state_ = kStateOffered;
        return;
    }
    const Vector3 opponentAt = entityPosition(opponent);
    if (!natives::isPedUsingAnyScenario(opponent)) {
        const float radius = natives::getRandomFloatInRange(5.0f, 10.0f);
        const Vector3 idlePoint = pointOnCircle(opponentAt, radius, true);
        natives::taskUseNearestScenarioToCoord(opponent, idlePoint, kIdleRadius,
                                               randomInt(45000, 90000));
    }
    if (distance(playerAt, opponentAt) >= kTalkDistance) {
        if (natives::isPedHeadtrackingPed(opponent, player)) natives::taskClearLookAt(opponent);
        return;
    }
    if (!natives::isPedHeadtrackingPed(opponent, player))
        natives::taskLookAtEntity(opponent, player);
    if (!info_.prompt->enabled()) info_.prompt->setEnabled(true);
    int32_t target = 0;
    natives::getPlayerTargetEntity(playerIndex, &target);
    if (target == opponent) {
        infoModal_->show();
        infoModal_->update();
    }
    if (info_.prompt->isCompleted()) accept();
}

void HuntingCompetitionProcessor::accept() {
    state_ = kStateAccepted;
    info_.status = kStatusUnderWay;
    statusWidget_->show();
    info_.prompt->setEnabled(false);
    info_.offerBlip.reset();
    info_.opponentBlip = OwnedBlip(createEntityBlip(info_.opponentPed, kOpponentBlipStyle, {}));
    setBlipModifier(info_.opponentBlip.get(), kOpponentBlipModifier);
    logMessage(
        "HuntingCompetitionProcessor: competition accepted. waiting for opponents to get to area");
    onAccepted();
}

void HuntingCompetitionProcessor::updateAccepted() {
    const Vector3 centre = info_.spawnLocation.position;
    const float radius = info_.areaRadius;
    // In the plane, as the start is measured: the area's centre has no height.
    if (planarDistance(playerPosition(), centre) > radius) {
        info_.areaBlip = OwnedBlip(createRadiusBlip(
            centre, radius, BlipStyle{literalGameHash("BLIP_STYLE_OBJECTIVE")}, {}));
        setBlipName(info_.areaBlip.get(), data_.text(text_keys::kCompetitionBlip));
        showMessage(data_.text(text_keys::kGetToArea));
    }

    // He stops short of the centre by (radius - 55) along the line from where he stands, at his
    // own height: the area's centre has none.
    const int32_t opponent = info_.opponentPed;
    const Vector3 from = entityPosition(opponent);
    const float d = planarDistance(from, centre);
    const Vector3 direction = normalized({centre.x - from.x, centre.y - from.y, 0.0f});
    Vector3 target = from + direction * (d - (radius - kAreaStopShort));
    target.z = from.z;

    // Nothing else runs while we wait, so the wait has a limit: a mesh that never loads must not
    // freeze the plug-in.
    const uint32_t waitStart = natives::getGameTimer();
    while (!natives::isNavmeshLoadedInArea(target, target + Vector3{1.0f, 1.0f, 1.0f})) {
        if (static_cast<int32_t>(natives::getGameTimer() - waitStart) >= kNavmeshWaitMs) {
            logMessage(
                "HuntingCompetitionProcessor: navmesh for the opponent's way to the area "
                "did not load within 10 seconds. coords: " +
                formatVector(target));
            finish(kOutcomeAborted);
            return;
        }
        natives::addNavmeshRequiredRegion(target.x, target.y, radius);
        waitForGame(0);
    }

    natives::setCurrentPedWeapon(opponent, natives::getBestPedWeapon(opponent), true);
    {
        OwnedTaskSequence sequence;
        natives::taskSwapWeapon(0, 0, 0);
        natives::taskFollowNavMeshToCoord(0, target, 1.25f);
        natives::taskTurnPedToFaceEntity(0, playerPed());
        sequence.performBy(opponent);
    }
    state_ = kStateTravelling;
}

void HuntingCompetitionProcessor::updateTravelling() {
    const Vector3 centre = info_.spawnLocation.position;
    const Vector3 playerAt = playerPosition();
    const Vector3 opponentAt = entityPosition(info_.opponentPed);
    const float inside = info_.areaRadius - kAreaInside;
    const bool playerIn = planarDistance(playerAt, centre) < inside;
    const bool opponentIn = planarDistance(opponentAt, centre) < inside;
    const float gap = distance(playerAt, opponentAt);

    if (playerIn && opponentIn) {
        info_.areaBlip.reset();
        logMessage("HuntingCompetitionProcessor: competition started - opponents arrived at area");
        info_.startTime = natives::getGameTimer();
        info_.timeLeftSeconds = info_.timeCapMinutes * 60;
        natives::decorSetInt(info_.opponentPed, kDecorCompetitionRival, 1);
        // Running before onStarted, so that a kind that cannot start (finish(-1)) stays finished.
        state_ = kStateRunning;
        onStarted();
        if (state_ == kStateFinished) return;
    }

    stillNear(gap);
}

bool HuntingCompetitionProcessor::stillNear(float distance) {
    if (distance >= kGapAbort) {
        logMessage("player has left the area");
        finish(kOutcomeAborted);
        return false;
    }
    if (distance > kGapWarning) {
        if (!warned_.leavingArea) {
            warned_.leavingArea = true;
            showMessage(data_.text(text_keys::kLeavingAreaWarning));
        }
    } else if (distance < kGapClearWarning) {
        warned_.leavingArea = false;
    }
    return true;
}

void HuntingCompetitionProcessor::updateRunning() {
    const uint32_t now = natives::getGameTimer();
    // While the hunt runs the rival roams where the animals are: the player is held to the
    // area's centre instead, a mark that stands still. Once a second is soon enough for 150 m.
    if (static_cast<int32_t>(now - nextLeavingCheck_) >= 0) {
        nextLeavingCheck_ = now + kLeavingCheckMs;
        if (!stillNear(planarDistance(playerPosition(), info_.spawnLocation.position))) return;
    }
    if (natives::isSpecialAbilityActive(runtime().playerIndex) &&
        getSettingBool("HuntingCompetitions_DeadEyePenalty") && !warned_.deadEyePenalty) {
        tutorials_.showTutorialOnce(text_keys::kTutorialDeadEyePenalty, true);
        warned_.deadEyePenalty = true;
    }
    if (info_.timeCapMinutes > 0) {
        const int32_t elapsed = static_cast<int32_t>(now - info_.startTime) / 1000;
        info_.timeLeftSeconds = info_.timeCapMinutes * 60 - elapsed;
        if (info_.timeLeftSeconds <= 0) {
            logMessage("HuntingCompetitionProcessor: time camp reached");
            onTimeUp();
        }
    }
    statusWidget_->update();
    runFrame(now);
}

void HuntingCompetitionProcessor::finish(int32_t outcome) {
    logMessage("HuntingCompetitionProcessor: competition finished with outcome: " +
               std::to_string(outcome));
    info_.status = kStatusFinished;
    info_.outcome = outcome;
    state_ = kStateFinished;
    // The stake he carried for the player to take goes back to his own purse.
    if (info_.opponentPed != 0) {
        natives::decorSetInt(info_.opponentPed, kLootMoney, randomInt(150, 350));
        natives::decorSetInt(info_.opponentPed, kDecorCompetitionRival, 0);
    }
}

void HuntingCompetitionProcessor::showOfferBlip() {
    info_.offerBlip = OwnedBlip(
        createCoordBlip(info_.startPoint, BlipStyle{literalGameHash("BLIP_STYLE_MISSION")},
                        BlipSprite{literalGameHash("blip_region_hunting")}));
    if (natives::hasStreamedTextureDictLoaded("blips_mp"))
        setBlipModifier(info_.offerBlip.get(), literalGameHash("BLIP_MODIFIER_MP_OVERLAY_ANIMAL"));
    setBlipName(info_.offerBlip.get(), data_.text(text_keys::kCompetitionBlip));
}

void HuntingCompetitionProcessor::releaseCamp(bool hard) {
    for (OwnedPropSet& propSet : info_.createdPropSets) {
        if (hard) {
            propSet.reset();
        } else {
            propSet.releaseToGame();
        }
    }
    info_.createdPropSets.clear();
    if (info_.opponentPed != 0) {
        natives::setPedRelationshipGroupHash(
            info_.opponentPed, natives::getPedRelationshipGroupDefaultHash(info_.opponentPed));
        auto& peds = info_.createdPeds;
        for (auto it = peds.begin(); it != peds.end(); ++it) {
            if (it->get() != info_.opponentPed) continue;
            formerRival_ = std::move(*it);
            peds.erase(it);
            break;
        }
    }
    info_.opponentPed = 0;
}

void HuntingCompetitionProcessor::startOpponent(HuntTask::Quarry quarry, float reach,
                                                float roamRadius) {
    opponentTask_ = std::make_unique<HuntTask>(info_.opponentPed, quarry,
                                               info_.spawnLocation.position, reach, roamRadius);
}

void HuntingCompetitionProcessor::showInstruction() {
    const CompetitionKindRow* kind = findCompetitionKind(info_.kind);
    if (kind == nullptr) return;
    instructionText_ = formatText(data_.text(kind->instructionKey), quarryName(info_, data_));
    instructionText_.resize(utf8PrefixLength(instructionText_, kInstructionBuffer - 1));
    showMessage(instructionText_);
}

void HuntingCompetitionProcessor::cleanup(bool hard) {
    logMessage(hard ? "HuntingCompetitionProcessor: performing HARD cleanup"
                    : "HuntingCompetitionProcessor: performing cleanup");
    info_.offerBlip.reset();
    releaseCamp(hard);
    info_.areaBlip.reset();
    info_.opponentBlip.reset();
    for (OwnedPed& ped : info_.createdPeds) {
        if (hard) {
            ped.reset();
        } else {
            // Released, it is the game's like any other animal.
            natives::decorSetInt(ped.get(), kDecorCompetitionAnimal, 0);
            ped.releaseToGame();
        }
    }
    info_.createdPeds.clear();
    if (!stillFormerRival()) {
        formerRival_.forget();
    } else if (hard) {
        formerRival_.reset();
    } else {
        formerRival_.releaseToGame();
    }
    info_.prompt.reset();
    infoModal_.reset();
    statusWidget_.reset();
    opponentTask_.reset();
    hunting_ = false;
}

}  // namespace bf
