// TradeInteractionExecutor: one trade between the player and a buyer, stepped once a frame by
// the trading feature until it has an outcome.
//
// Stages: Evaluate (score the cargo, refuse at once below "trade.buyer_score_threshold" unless
// "PedsNeverRefuseTradeOffer"; send the buyer to the horse) -> ApproachHorse (until the buyer is
// within 4 m of the horse) -> Inspect (the buyer looks the cargo over and chooses) ->
// AwaitInspection (until his sequence is done) -> Conclude (he takes the entity and the player
// is paid calculatePrice, or he refuses and leaves). Every frame first ends the trade as Failed
// when the buyer is gone or dead, the horse is gone (the game may take it away, cargo and all),
// the player fights him, a mission runs or the player aims; the tasks already given are left as
// they are.
//
// The three one-second pauses after handing out tasks are kept as time stamps, not waits: the
// frame loop (and every other feature) goes on while a pause runs, and the executor does nothing
// until it is over. A sale, once concluded, is paid when its pause ends, as its pause sits between
// the buyer taking the entity and the payment.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "trading/trade_offer.h"

namespace bf {

class CargoAppraiser;
class DictDataFile;
class Tutorials;

class TradeInteractionExecutor {
  public:
    static constexpr int32_t kPauseMs = 1000;
    static constexpr float kInspectDistance = 4.0f;

    // The appraiser, GeneralMeta.dat and the hints must outlive the executor.
    TradeInteractionExecutor(std::unique_ptr<TradeOffer> offer, const CargoAppraiser& appraiser,
                             const DictDataFile& generalMeta, Tutorials& tutorials);

    void updateExecutor();

    TradeStage stage() const { return stage_; }
    TradeOutcome outcome() const { return outcome_; }
    const TradeOffer& offer() const { return *offer_; }

  private:
    void setStage(TradeStage stage);
    void setOutcome(TradeOutcome outcome);
    bool shouldAbort() const;
    void pause();
    // False while a pause runs. When it is over, the stage that follows it is entered, and a
    // concluded sale is paid (which ends the step).
    bool pauseOver();

    std::unique_ptr<TradeOffer> offer_;
    TradeStage stage_ = TradeStage::Evaluate;
    TradeOutcome outcome_ = TradeOutcome::None;
    const CargoAppraiser& appraiser_;
    const DictDataFile& generalMeta_;
    Tutorials& tutorials_;
    std::optional<uint32_t> pausedUntil_;
    std::optional<TradeStage> stageAfterPause_;
    bool paymentDue_ = false;
};

}  // namespace bf
