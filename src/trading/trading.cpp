#include "trading/trading.h"

#include "core/decorators.h"
#include "core/frame_tally.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/settings.h"
#include "data/catalogue.h"
#include "data/text_keys.h"
#include "data/tuning.h"
#include "trading/trade_conditions.h"
#include "world/game_ops.h"

namespace bf {

Trading::Trading(DataCatalogue& data, Tutorials& tutorials)
    : data_(data), tutorials_(tutorials), appraiser_(data.animalPrices(), data.generalMeta()) {}

// A plug-in stopped in the middle of a trade leaves the buyer free to trade again.
Trading::~Trading() {
    if (executor_ && natives::doesEntityExist(executor_->offer().buyer))
        natives::decorSetInt(executor_->offer().buyer, kDecorTradeRunning, 0);
}

void Trading::halt() {
    if (executor_ && natives::doesEntityExist(executor_->offer().buyer))
        natives::decorSetInt(executor_->offer().buyer, kDecorTradeRunning, 0);
    executor_.reset();
    if (prompt_) prompt_->destroy();
    prompt_.reset();
}

void Trading::onFrame() {
    const ScopedActivity mark(Activity::Trading);
    if (executor_) {
        executor_->updateExecutor();
        if (executor_->outcome() != TradeOutcome::None) {
            natives::decorSetInt(executor_->offer().buyer, kDecorTradeRunning, 0);
            executor_.reset();
        }
        return;
    }
    // Nothing targeted and no prompt up: nothing to do, whatever the mission flag says, so the
    // idle frame spares that question. A prompt left from before a mission still goes once the
    // player targets no one: it would otherwise stay registered for the whole mission.
    const int32_t target = findTradeTarget();
    if (target == 0) {
        if (prompt_) updateInitiator(0);
        return;
    }
    if (natives::getMissionFlag()) return;
    if (!updateInitiator(target)) return;
    logMessage("TradeInteractions: initiating a trade");
    executor_ = createExecutor(0);
    logMessage(executor_ ? "TradeInteractions: trade initiated"
                         : "TradeInteractions: failed to initiate a trade");
}

bool Trading::updateInitiator(int32_t target) {
    if (prompt_ && target == 0) {
        prompt_->destroy();
        prompt_.reset();
        return false;
    }
    if (prompt_) {
        if (!canPlayerTrade() || !isPedTradeable(target)) {
            prompt_->setVisible(false);
            return false;
        }
        prompt_->setVisible(true);
        const float d = distance(runtime().playerPed, target);
        const float maxDistance = tuningFloat(data_.generalMeta(), Tuning::TradeMaxDist);
        if (d > maxDistance) {
            prompt_->setEnabled(false);
            return false;
        }
        prompt_->setEnabled(true);
        if (!prompt_->isCompleted()) return false;
        prompt_->setEnabled(false);
        return true;
    }
    if (target != 0 && natives::isPedHuman(target) &&
        natives::decorGetInt(target, kDecorTradeRunning) == 0) {
        const std::string& text = data_.text(text_keys::kTradePrompt);
        prompt_ = std::make_unique<UiPrompt>(
            text.c_str(), gameHash(getSettingString("TradePromptInput")), PromptMode::Press);
        prompt_->setGroup(target);
        prompt_->setVisible(true);
        prompt_->setEnabled(true);
    }
    return false;
}

std::unique_ptr<TradeInteractionExecutor> Trading::createExecutor(int32_t buyer) {
    if (buyer == 0) buyer = findTradeTarget();
    if (buyer == 0) {
        logMessage("TradeInteractionInitiator: no buyer ped found.");
        return nullptr;
    }
    auto offer = std::make_unique<TradeOffer>();
    offer->buyer = buyer;
    offer->horse = getPlayerHorse(runtime().playerPed);
    offer->buyerMount = natives::getMount(buyer);
    auto executor = std::make_unique<TradeInteractionExecutor>(std::move(offer), appraiser_,
                                                               data_.generalMeta(), tutorials_);
    natives::decorSetInt(buyer, kDecorTradeRunning, 1);
    return executor;
}

}  // namespace bf
