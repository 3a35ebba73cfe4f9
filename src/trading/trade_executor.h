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
// but the abort tests until it is over.
//
// Money changes hands only with the goods: a concluded sale is paid, once, on the frame on which
// the chosen entity is off the horse and held by the buyer (or on his mount). A sale whose price
// comes to 0 is declined. Every trade ends: each waiting stage has a time limit, and the trade
// fails when buyer and horse are more than 20 m apart; a buyer whose walk ended before the horse
// came to rest (the player hitched it) is sent to it again. A trade that fails after the buyer was
// told to take the entity stops him, so nothing is taken that was not paid for.
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
    static constexpr float kMaxApartMetres = 20.0f;
    static constexpr uint32_t kApproachLimitMs = 60000;
    static constexpr uint32_t kInspectionLimitMs = 120000;
    static constexpr uint32_t kHandoverLimitMs = 30000;

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
    // Why the running stage cannot go on (null when it can): apart, or over its time.
    const char* stageBroken() const;
    void fail(const char* why);
    // The frames after a sale was concluded: paid once the entity has changed hands.
    void awaitHandover();
    void pause();
    // False while a pause runs. When it is over, the stage that follows it is entered, and a
    // concluded sale is paid (which ends the step).
    bool pauseOver();

    std::unique_ptr<TradeOffer> offer_;
    TradeStage stage_ = TradeStage::Evaluate;
    TradeOutcome outcome_ = TradeOutcome::None;
    const CargoAppraiser& appraiser_;
    // "PriceScale" as the trade's first step read it: a reload in the game changes the next
    // trade's price, not this one's.
    std::optional<float> priceScale_;
    const DictDataFile& generalMeta_;
    Tutorials& tutorials_;
    std::optional<uint32_t> pausedUntil_;
    std::optional<TradeStage> stageAfterPause_;
    uint32_t stageSince_ = 0;
    uint32_t walkGivenAt_ = 0;
    bool saleConcluded_ = false;
};

}  // namespace bf
