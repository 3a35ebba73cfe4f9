// Player, time, randomness and hashes.
#include "sim/game.h"
#include "sim/natives/domains.h"
#include "sim/world/hash.h"

namespace sim {

void registerCoreNatives(Game& game) {
    NativeTable& t = game.natives();
    t.add(0x096275889B8E0EE0, "PLAYER_PED_ID", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(game.world().player.ped); });
    t.add(0x4F67E8ECA7D3F667, "GET_GAME_TIMER", 0, Result::Int32,
          [&game](NativeCall& c) { c.retU32(game.timer()); });
    // Clock A: game seconds since the start of the game's calendar.
    t.add(0x78FD8BE812E436B2, "_GET_SECONDS_SINCE_BASE_YEAR", 0, Result::Int32,
          [&game](NativeCall& c) { c.retU32(game.clockA()); });
    t.add(0xE4CB8D126501EC52, "GET_MILLISECONDS_PER_GAME_MINUTE", 0, Result::Int32,
          [](NativeCall& c) { c.ret(static_cast<int32_t>(Game::kMsPerGameMinute)); });
    t.add(0xD53343AA4FB7DD28, "GET_RANDOM_INT_IN_RANGE", 2, Result::Int32,
          [&game](NativeCall& c) { c.ret(game.random().intInRange(c.i32(0), c.i32(1))); });
    t.add(0xE29F927A961F8AAA, "GET_RANDOM_FLOAT_IN_RANGE", 2, Result::Float,
          [&game](NativeCall& c) { c.retFloat(game.random().floatInRange(c.f32(0), c.f32(1))); });
    t.add(0xFD340785ADF8CFB7, "GET_HASH_KEY", 1, Result::Int32, [](NativeCall& c) {
        const char* name = c.str(0);
        c.retU32(name ? gameHash(name) : 0);
    });
    // The script's timer A, in milliseconds of game timer.
    t.add(0x83666F9FB8FEBD4B, "TIMERA", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(game.scriptTimer()); });
    t.add(0xC1B1E9A034A63A62, "SETTIMERA", 1, Result::Void,
          [&game](NativeCall& c) { game.setScriptTimer(c.i32(0)); });
}

}  // namespace sim
