// The player's state: alive, on foot, in Dead Eye, targeting, on a mission; the script's
// second timer.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerPlayerNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    auto playerPed = [&world]() { return world.entities.find(world.player.ped); };
    // Player index 0 is the only player. A dead player has no control.
    t.add(0x7964097FCE4C244B, "IS_PLAYER_CONTROL_ON", 1, Result::Int32,
          [&world, playerPed](NativeCall& c) {
              const Entity* ped = playerPed();
              c.retBool(c.i32(0) == 0 && ped && !ped->dead && world.player.controlOn);
          });
    t.add(0x2E9C3FCB6798F397, "IS_PLAYER_DEAD", 1, Result::Int32, [playerPed](NativeCall& c) {
        const Entity* ped = playerPed();
        c.retBool(c.i32(0) == 0 && (!ped || ped->dead));
    });
    t.add(0x01FEE67DB37F59B2, "IS_PED_ON_FOOT", 1, Result::Int32, [&world](NativeCall& c) {
        const Entity* ped = world.entities.find(c.i32(0));
        if (!ped || ped->dead) {
            c.retBool(false);
            return;
        }
        const bool riding =
            ped->trade.mount != 0 ||
            (ped->handle == world.player.ped && world.entities.exists(world.hunting.playerMount));
        c.retBool(!riding);
    });
    t.add(0xB16223CB7DA965F0, "_IS_SPECIAL_ABILITY_ACTIVE", 1, Result::Int32,
          [&world](NativeCall& c) { c.retBool(c.i32(0) == 0 && world.player.deadEye); });
    // (player, out entity): the ped the player has locked on; false when none.
    t.add(0xAE663DDD99C8A670, "GET_PLAYER_TARGET_ENTITY", 2, Result::Int32,
          [&world](NativeCall& c) {
              int32_t* out = c.ptr<int32_t>(1);
              const int32_t target = world.player.target;
              const bool has = c.i32(0) == 0 && target != 0 && world.entities.exists(target);
              if (out) *out = has ? target : 0;
              c.retBool(has);
          });
    t.add(0xB15CD1CF58771DE1, "GET_MISSION_FLAG", 0, Result::Int32,
          [&world](NativeCall& c) { c.retBool(world.player.onMission); });
    t.add(0xAD401C63158ACBAA, "IS_LAW_INCIDENT_ACTIVE", 1, Result::Int32,
          [&world](NativeCall& c) { c.retBool(c.i32(0) == 0 && world.player.lawIncident); });
    // (ped, flag): the living peds that fight him.
    t.add(0x5407B7288D0478B7, "COUNT_PEDS_IN_COMBAT_WITH_TARGET", 2, Result::Int32,
          [&world](NativeCall& c) {
              int32_t count = 0;
              for (const auto& [handle, e] : world.entities.all())
                  count += !e.dead && c.i32(0) != 0 && e.combatTarget == c.i32(0) ? 1 : 0;
              c.ret(count);
          });
    // The script's timer B, in milliseconds of game timer.
    t.add(0x5AE11BC36633DE4E, "SETTIMERB", 1, Result::Void,
          [&game](NativeCall& c) { game.setScriptTimerB(c.i32(0)); });
    t.add(0xC9D9444186B5A374, "TIMERB", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(game.scriptTimerB()); });
}

}  // namespace sim
