// The player's cash.
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
    // (cents) -> whether it was taken: the amount only when the player has it all; a negative
    // amount (or more than he carries) changes nothing.
    t.add(0x466BC8769CF26A7A, "_MONEY_DECREMENT_CASH_BALANCE", 1, Result::Int32,
          [&game](NativeCall& c) {
              const int64_t cents = c.i32(0);
              int64_t& cash = game.world().player.cashCents;
              if (cents < 0 || cents > cash) {
                  c.retBool(false);
                  return;
              }
              cash -= cents;
              if (cents != 0) game.report("money", cashText(-cents));
              c.retBool(true);
          });
}

}  // namespace sim
