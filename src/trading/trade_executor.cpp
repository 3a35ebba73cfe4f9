#include "trading/trade_executor.h"

#include <cstdio>

#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/settings.h"
#include "data/dict_data_file.h"
#include "data/text_keys.h"
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
    if (!paymentDue_) return true;
    paymentDue_ = false;
    setOutcome(TradeOutcome::Sold);
    changePlayerCash(offer_->price, true);
    return false;
}

void TradeInteractionExecutor::updateExecutor() {
    if (outcome_ != TradeOutcome::None || !pauseOver()) return;
    if (shouldAbort()) {
        setOutcome(TradeOutcome::Failed);
        return;
    }
    TradeOffer& offer = *offer_;
    switch (stage_) {
        case TradeStage::Evaluate:
            if (!getSettingBool("PedsNeverRefuseTradeOffer")) {
                const float score = appraiser_.calculateCargoScore(offer.horse);
                char line[96];
                std::snprintf(line, sizeof line, "TradeInteractionExecutor: cargo score: %f",
                              static_cast<double>(score));
                logMessage(line);
                const float threshold =
                    generalMeta_.getFloat("trade.buyer_score_threshold", -999.0f);
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
            if (distance(offer.horse, offer.buyer) >= kInspectDistance) return;
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
            offer.price = appraiser_.calculatePrice(offer.chosenEntity);
            concludeSale(offer.buyer, offer.chosenEntity, offer.buyerMount);
            paymentDue_ = true;
            pause();
            return;
    }
}

}  // namespace bf
