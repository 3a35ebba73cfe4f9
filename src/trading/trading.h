// Trading: the player offers the pelts and carcasses on his horse to the person he targets.
//
// The feature owns the trade prompt (at most one, in the prompt group of the ped it was made for)
// and the running trade (at most one executor). onFrame() is its per-frame entry, called while
// "EnableTrading" is on; while it is off nothing runs, and a running trade waits where it is.
//
// Per frame without a trade: no prompt handling during a mission; the prompt is made for a human
// target without "VX_Trading_isTradeInterationRunning", shown while the player can trade and the
// target is tradeable, enabled only within "trade.init.max_dist" m (GeneralMeta.dat, through the
// tuning table: 3 when missing or unusable), and deleted on the first frame without a target.
// Confirming it disables it and starts a trade, marking the buyer with the running decorator until
// the trade has an outcome.
#pragma once

#include <cstdint>
#include <memory>

#include "trading/cargo_appraisal.h"
#include "trading/trade_executor.h"
#include "ui/ui_prompt.h"

namespace bf {

class DataCatalogue;
class Tutorials;

class Trading {
  public:
    // The data files (Lang.dat, GeneralMeta.dat, AnimalPrices.dat) and the hints outlive it.
    Trading(DataCatalogue& data, Tutorials& tutorials);
    ~Trading();

    void onFrame();
    // The script stops itself: the buyer is free to trade again and the prompt goes, as at a
    // clean-up.
    void halt();

    // The trade prompt and the running trade, or null.
    const UiPrompt* prompt() const { return prompt_.get(); }
    const TradeInteractionExecutor* executor() const { return executor_.get(); }

  private:
    // True exactly on the frame on which the player confirmed the enabled prompt.
    bool updateInitiator(int32_t target);
    // For the current target when buyer is 0; null (and logged) when there is none.
    std::unique_ptr<TradeInteractionExecutor> createExecutor(int32_t buyer = 0);

    DataCatalogue& data_;
    Tutorials& tutorials_;
    CargoAppraiser appraiser_;
    std::unique_ptr<UiPrompt> prompt_;
    std::unique_ptr<TradeInteractionExecutor> executor_;
};

}  // namespace bf
