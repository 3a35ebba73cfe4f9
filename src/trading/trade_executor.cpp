#include "trading/trade_executor.h"

#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/settings.h"
#include "core/text.h"
#include "data/dict_data_file.h"
#include "data/text_keys.h"
#include "data/tuning.h"
#include "trading/buyer_tasks.h"
#include "trading/cargo_appraisal.h"
#include "ui/messages.h"
#include "ui/tutorials.h"
#include "world/game_ops.h"

namespace bf {

TradeInteractionExecutor::TradeInteractionExecutor(std::unique_ptr<TradeOffer> offer,
                                                   const CargoAppraiser& appraiser,
                                                   const DictDataFile& generalMeta,
                                                   Tutorials& tutorials)
    : offer_(std::move(offer)),
      appraiser_(appraiser),
      generalMeta_(generalMeta),
      tutorials_(tutorials) {}

void TradeInteractionExecutor::setStage(TradeStage stage) {
    const TradeStage old = stage_;
    stage_ = stage;
    stageSince_ = natives::getGameTimer();
    logMessage(
        "TradeInteractionExecutor: stage changed: " + std::to_string(static_cast<int32_t>(old)) +
        " -> " + std::to_string(static_cast<int32_t>(stage)));
}

void TradeInteractionExecutor::setOutcome(TradeOutcome outcome) {
    const TradeOutcome old = outcome_;
    outcome_ = outcome;
    logMessage(
        "TradeInteractionExecutor: outcome changed: " + std::to_string(static_cast<int32_t>(old)) +
        " -> " + std::to_string(static_cast<int32_t>(outcome)));
}

bool TradeInteractionExecutor::shouldAbort() const {
    const int32_t buyer = offer_->buyer;
    // Without its horse the buyer would walk to it for ever.
    return buyer == 0 || natives::isEntityDead(buyer) || !natives::doesEntityExist(offer_->horse) ||
           natives::isPedInCombat(runtime().playerPed, buyer) || natives::getMissionFlag() ||
           natives::isLawIncidentActive(runtime().playerIndex);
}

const char* TradeInteractionExecutor::stageBroken() const {
    if (stage_ == TradeStage::Evaluate) return nullptr;
    if (distance(offer_->horse, offer_->buyer) > kMaxApartMetres)
        return "the buyer and the horse are too far apart";
    uint32_t limit = 0;
    if (stage_ == TradeStage::ApproachHorse) limit = kApproachLimitMs;
    if (stage_ == TradeStage::AwaitInspection) limit = kInspectionLimitMs;
    if (stage_ == TradeStage::Conclude && saleConcluded_) limit = kHandoverLimitMs;
    if (limit != 0 && natives::getGameTimer() - stageSince_ > limit)
        return "the stage took too long";
    return nullptr;
}

void TradeInteractionExecutor::fail(const char* why) {
    if (why) logMessage(std::string("TradeInteractionExecutor: trade ended: ") + why);
    setOutcome(TradeOutcome::Failed);
    const int32_t buyer = offer_->buyer;
    // A buyer still told to take the entity, or to follow a horse that is gone, is sent on.
    if ((why || saleConcluded_) && buyer != 0 && natives::doesEntityExist(buyer) &&
        !natives::isEntityDead(buyer)) {
        natives::clearPedTasks(buyer);
        sendBuyerAway(buyer, offer_->buyerMount);
    }
}

void TradeInteractionExecutor::pause() {
    pausedUntil_ = natives::getGameTimer() + static_cast<uint32_t>(kPauseMs);
}

bool TradeInteractionExecutor::pauseOver() {
    if (!pausedUntil_) return true;
    if (static_cast<int32_t>(natives::getGameTimer() - *pausedUntil_) < 0) return false;
    pausedUntil_.reset();
    if (stageAfterPause_) {
        setStage(*stageAfterPause_);
        stageAfterPause_.reset();
    }
    return true;
}

void TradeInteractionExecutor::awaitHandover() {
    const TradeOffer& offer = *offer_;
    if (!natives::doesEntityExist(offer.chosenEntity)) {
        fail("the entity is gone");
        return;
    }
    const int32_t carrier = natives::getCarrierAsPed(offer.chosenEntity);
    if (carrier == offer.buyer || (offer.buyerMount != 0 && carrier == offer.buyerMount)) {
        setOutcome(TradeOutcome::Sold);
        changePlayerCash(offer.priceCents, true);
        return;
    }
    // Still on the horse (or between hands): wait; with someone else it is not his to pay for.
    if (carrier != 0 && carrier != offer.horse) fail("someone else has the entity");
}

void TradeInteractionExecutor::updateExecutor() {
    if (outcome_ != TradeOutcome::None) return;
    if (!priceScale_) priceScale_ = CargoAppraiser::priceScale();
    if (shouldAbort()) {
        fail(nullptr);
        return;
    }
    if (const char* why = stageBroken()) {
        fail(why);
        return;
    }
    if (!pauseOver()) return;
    if (saleConcluded_) {
        awaitHandover();
        return;
    }
    TradeOffer& offer = *offer_;
    switch (stage_) {
        case TradeStage::Evaluate:
            if (!getSettingBool("PedsNeverRefuseTradeOffer")) {
                const float score = appraiser_.calculateCargoScore(offer.horse);
                logMessage("TradeInteractionExecutor: cargo score: " + formatFixed(score));
                const float threshold = tuningFloat(generalMeta_, Tuning::BuyerScoreThreshold);
                if (!(score >= threshold)) {
                    logMessage(
                        "TradeInteractionExecutor: ped refused to trade offer on the spot due to "
                        "poor merchendise condition");
                    sayRefusal(offer.buyer, false);
                    setOutcome(TradeOutcome::Failed);
                    return;
                }
            }
            sendBuyerToHorse(offer);
            setStage(TradeStage::ApproachHorse);
            pause();
            return;
        case TradeStage::ApproachHorse:
            if (distance(offer.horse, offer.buyer) >= kInspectDistance) {
                // His walk ended short of where the horse is now.
                const uint32_t now = natives::getGameTimer();
                if (natives::getSequenceProgress(offer.buyer) == -1 &&
                    now - walkGivenAt_ >= static_cast<uint32_t>(kPauseMs)) {
                    walkGivenAt_ = now;
                    walkBuyerToHorseAgain(offer);
                }
                return;
            }
            if (natives::getLedHorse(runtime().playerPed) != 0)
                tutorials_.showTutorialOnce(text_keys::kTutorialLeadHorse, true);
            setStage(TradeStage::Inspect);
            return;
        case TradeStage::Inspect:
            offer.chosenEntity = inspectCargo(offer.buyer, offer.horse, appraiser_);
            pause();
            stageAfterPause_ = TradeStage::AwaitInspection;
            return;
        case TradeStage::AwaitInspection:
            if (natives::getSequenceProgress(offer.buyer) == -1) setStage(TradeStage::Conclude);
            return;
        case TradeStage::Conclude:
            if (offer.chosenEntity == 0) {
                sayRefusal(offer.buyer, true);
                setOutcome(TradeOutcome::Failed);
                sendBuyerAway(offer.buyer, offer.buyerMount);
                return;
            }
            offer.priceCents = appraiser_.calculatePrice(offer.chosenEntity, *priceScale_);
            if (offer.priceCents <= 0) {
                logMessage("TradeInteractionExecutor: ped declined, the price comes to 0");
                sayRefusal(offer.buyer, true);
                setOutcome(TradeOutcome::Failed);
                sendBuyerAway(offer.buyer, offer.buyerMount);
                return;
            }
            concludeSale(offer.buyer, offer.chosenEntity, offer.buyerMount);
            saleConcluded_ = true;
            stageSince_ = natives::getGameTimer();
            pause();
            return;
    }
}

}  // namespace bf
