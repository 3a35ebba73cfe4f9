// Money: the player's cash.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_MONEY(X)                                                                      \
    X(kMoneyIncrementCashBalance, 0xBC3422DC91667621, "_MONEY_INCREMENT_CASH_BALANCE", 2, Int32) \
    X(kMoneyDecrementCashBalance, 0x466BC8769CF26A7A, "_MONEY_DECREMENT_CASH_BALANCE", 1, Int32) \
    X(kMoneyGetCashBalance, 0x0C02DABFA3B98176, "_MONEY_GET_CASH_BALANCE", 0, Int32)

BF_NATIVES_MONEY(BF_NATIVE_DEFINE)

inline void addPlayerCash(int32_t cents, uint32_t reasonHash) {
    call<kMoneyIncrementCashBalance>(cents, reasonHash);
}

// Takes a positive number of cents; the game refuses a negative amount (nothing changes).
inline bool removePlayerCash(int32_t cents) {
    return call<kMoneyDecrementCashBalance, bool>(cents);
}

inline int32_t getPlayerCash() {
    return call<kMoneyGetCashBalance, int32_t>();
}

}  // namespace bf::natives
