// TradeOffer: what one trade is about, and the stages and outcomes of its executor.
#pragma once

#include <cstdint>

namespace bf {

struct TradeOffer {
    int32_t buyer = 0;
    // The player's horse whose cargo is sold.
    int32_t horse = 0;
    // The pelt or carcass the buyer takes; 0 = none (yet).
    int32_t chosenEntity = 0;
    // Cents paid for chosenEntity.
    int32_t priceCents = 0;
    // The horse the buyer rode when the trade began; 0 = none.
    int32_t buyerMount = 0;
};

// Logged as their numbers.
enum class TradeStage : int32_t {
    Evaluate = 0,
    ApproachHorse = 1,
    Inspect = 2,
    AwaitInspection = 3,
    Conclude = 4,
};

enum class TradeOutcome : int32_t {
    None = 0,  // running
    Failed = 1,
    Sold = 2,
};

}  // namespace bf
