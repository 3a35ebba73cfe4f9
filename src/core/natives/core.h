// Core: the player, time, randomness and hashes.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_CORE(X)                                                                      \
    X(kPlayerPedId, 0x096275889B8E0EE0, "PLAYER_PED_ID", 0, Int32)                              \
    X(kGetGameTimer, 0x4F67E8ECA7D3F667, "GET_GAME_TIMER", 0, Int32)                            \
    X(kGetSecondsSinceBaseYear, 0x78FD8BE812E436B2, "_GET_SECONDS_SINCE_BASE_YEAR", 0, Int32)   \
    X(kGetClockYear, 0xE136DCA28C4A48BA, "GET_CLOCK_YEAR", 0, Int32)                            \
    X(kGetClockMonth, 0x2D44E8FC79EAB1AC, "GET_CLOCK_MONTH", 0, Int32)                          \
    X(kGetClockDayOfMonth, 0xDF2FD796C54480A5, "GET_CLOCK_DAY_OF_MONTH", 0, Int32)              \
    X(kGetMillisecondsPerGameMinute, 0xE4CB8D126501EC52, "GET_MILLISECONDS_PER_GAME_MINUTE", 0, \
      Int32)                                                                                    \
    X(kGetRandomIntInRange, 0xD53343AA4FB7DD28, "GET_RANDOM_INT_IN_RANGE", 2, Int32)            \
    X(kGetRandomFloatInRange, 0xE29F927A961F8AAA, "GET_RANDOM_FLOAT_IN_RANGE", 2, Float)        \
    X(kTimera, 0x83666F9FB8FEBD4B, "TIMERA", 0, Int32)                                          \
    X(kSettimera, 0xC1B1E9A034A63A62, "SETTIMERA", 1, Void)                                     \
    X(kGetHashKey, 0xFD340785ADF8CFB7, "GET_HASH_KEY", 1, Int32)

BF_NATIVES_CORE(BF_NATIVE_DEFINE)

// The player's ped handle.
inline int32_t playerPedId() {
    return call<kPlayerPedId, int32_t>();
}

// Milliseconds of game time; unsigned, compare with the signed 32-bit difference.
inline uint32_t getGameTimer() {
    return call<kGetGameTimer, uint32_t>();
}

// Clock A: the game clock in game seconds.
inline int32_t getClockSeconds() {
    return call<kGetSecondsSinceBaseYear, int32_t>();
}

// The game's calendar date: the year (1899 ...), the month counted from 0 (January) and the day
// of the month counted from 1.
inline int32_t getClockYear() {
    return call<kGetClockYear, int32_t>();
}
inline int32_t getClockMonth() {
    return call<kGetClockMonth, int32_t>();
}
inline int32_t getClockDayOfMonth() {
    return call<kGetClockDayOfMonth, int32_t>();
}

// Timer milliseconds per game minute; scales the length of bleeding.
inline int32_t getMillisecondsPerGameMinute() {
    return call<kGetMillisecondsPerGameMinute, int32_t>();
}

// A random integer in [min, max): the maximum itself is never returned.
inline int32_t getRandomIntInRange(int32_t min, int32_t max) {
    return call<kGetRandomIntInRange, int32_t>(min, max);
}

// A random float in [min, max).
inline float getRandomFloatInRange(float min, float max) {
    return call<kGetRandomFloatInRange, float>(min, max);
}

// The script's own timer, in milliseconds of game time since it was last set.
inline int32_t getScriptTimer() {
    return call<kTimera, int32_t>();
}

inline void setScriptTimer(int32_t ms) {
    call<kSettimera>(ms);
}

// The game's hash of a name (case-insensitive).
inline uint32_t getHashKey(const char* name) {
    return call<kGetHashKey, uint32_t>(name);
}

}  // namespace bf::natives
