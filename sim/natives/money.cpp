// The player's cash.
#include <cstdlib>

#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerMoneyNatives(Game& game) {
    NativeTable& t = game.natives();
    t.add(0x0C02DABFA3B98176, "_MONEY_GET_CASH_BALANCE", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(static_cast<int32_t>(game.world().player.cashCents)); });
    // (cents, reason hash).
    t.add(0xBC3422DC91667621, "_MONEY_INCREMENT_CASH_BALANCE", 2, Result::Int32,
          [&game](NativeCall& c) {
              const int64_t cents = c.i32(0);
              game.world().player.cashCents += cents;
              game.report("money", "+" + cashText(cents));
          });
    // Takes the amount to remove; its sign is not read (callers pass the negative change).
    t.add(0x466BC8769CF26A7A, "_MONEY_DECREMENT_CASH_BALANCE", 1, Result::Int32,
          [&game](NativeCall& c) {
              const int64_t cents = std::llabs(static_cast<int64_t>(c.i32(0)));
              game.world().player.cashCents -= cents;
              game.report("money", cashText(-cents));
          });
}

}  // namespace sim
