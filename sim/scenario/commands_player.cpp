// The player: where he is and what he has, how he moves, what he does (inspecting, placing bait,
// pressing keys), his states (Dead Eye, crime, control, mission, death) and his money.
#include "sim/scenario/commands.h"
#include "sim/scenario/key_names.h"
#include "sim/world/animals.h"
#include "sim/world/hash.h"

namespace sim::scenario {

namespace {

constexpr float kWalkToEntityStop = 2.0f;
// How long the bait-placing animation runs.
constexpr uint32_t kPlaceBaitMs = 1000;

}  // namespace

void registerPlayerCommands(CommandRegistry& r) {
    r.add({"player at", Phase::Anywhere, 3, 3, [](const Args& a) { a.position(0); },
           [](Runner& run, const Args& a) {
               Game& game = run.game();
               game.world().entities.find(game.world().player.ped)->position = a.position(0);
           }});
    r.add({"player model", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               Game& game = run.game();
               game.world().entities.find(game.world().player.ped)->model = gameHash(a[0]);
           }});
    r.add({"player cash", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) { run.game().world().player.cashCents = a.integer(0); }});
    r.add({"player weapon", Phase::Anywhere, 1, 1,
           [](const Args& a) {
               if (!findWeaponNamed(a[0])) malformed(a, "the game has no weapon '" + a[0] + "'");
           },
           [](Runner& run, const Args& a) {
               Game& game = run.game();
               Entity& player = *game.world().entities.find(game.world().player.ped);
               player.weapons.emplace(gameHash(a[0]), 0);
               player.currentWeapon = gameHash(a[0]);
           }});
    r.add({"player mount", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               World& world = run.game().world();
               mountHorse(world, *world.entities.find(world.player.ped),
                          entityOf(run, a, 0).handle);
           }});
    r.add({"player dismount", Phase::Anywhere, 0, 0, nullptr, [](Runner& run, const Args&) {
               World& world = run.game().world();
               dismountHorse(world, *world.entities.find(world.player.ped));
               world.hunting.playerMount = 0;
           }});
    r.add({"player lead", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               World& world = run.game().world();
               leadHorse(world, playerPed(run), entityOf(run, a, 0).handle);
               world.hunting.playerMount = 0;
           }});
    // The player sets off at a walk to a point, or towards an entity until 2 m from it; `wait`
    // or `frames` let him get there.
    r.add({"player walk-to", Phase::Anywhere, 1, 3,
           [](const Args& a) {
               if (a.size() == 3) {
                   a.position(0);
               } else if (a.size() != 1) {
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": expected 'player walk-to X Y Z' or 'player walk-to ID'");
               }
           },
           [](Runner& run, const Args& a) {
               Player& player = run.game().world().player;
               player.walkToEntity = 0;
               if (a.size() == 3) {
                   player.walkTarget = a.position(0);
               } else {
                   player.walkToEntity = run.entityNamed(a[0], a);
                   player.walkStopRange = kWalkToEntityStop;
               }
               player.walking = true;
           }});
    r.add({"player at blip", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               World& world = run.game().world();
               world.entities.find(world.player.ped)->position = blipPlace(run, a[0]);
               world.player.walking = false;
           }});
    r.add({"player walk-to blip", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               Player& player = run.game().world().player;
               player.walkTarget = blipPlace(run, a[0]);
               player.walkToEntity = 0;
               player.walking = true;
           }});
    r.add({"player deadeye", Phase::Anywhere, 1, 1, checkOnOff,
           [](Runner& run, const Args& a) { run.game().world().player.deadEye = a.is(0, "on"); }});
    r.add({"player dies", Phase::Anywhere, 0, 0, nullptr, [](Runner& run, const Args&) {
               World& world = run.game().world();
               Entity& ped = *world.entities.find(world.player.ped);
               ped.health = 0.0f;
               markDead(ped, run.game().timer());
               world.player.walking = false;
               run.game().report("world", "the player dies");
           }});
    // "player crime" / "player crime off": a law incident over him, or over.
    r.add({"player crime", Phase::Anywhere, 0, 1,
           [](const Args& a) {
               if (a.size() == 1 && !a.is(0, "off")) malformed(a, "expected 'player crime [off]'");
           },
           [](Runner& run, const Args& a) {
               run.game().world().player.lawIncident = a.size() == 0;
           }});
    r.add({"player control", Phase::Anywhere, 1, 1, checkOnOff, [](Runner& run, const Args& a) {
               run.game().world().player.controlOn = a.is(0, "on");
           }});
    r.add({"mission", Phase::Anywhere, 1, 1, checkOnOff, [](Runner& run, const Args& a) {
               run.game().world().player.onMission = a.is(0, "on");
           }});
    r.add({"target", Phase::Anywhere, 1, 1, nullptr,
           [](Runner& run, const Args& a) { inspectPed(run.game(), entityOf(run, a, 0).handle); }});
    r.add({"untarget", Phase::Anywhere, 0, 0, nullptr,
           [](Runner& run, const Args&) { closeInspection(run.game()); }});
    r.add({"place-bait", Phase::Time, 0, 1,
           [](const Args& a) {
               if (a.size() == 1 && !a.is(0, "potent"))
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": expected 'place-bait' or 'place-bait potent'");
           },
           [](Runner& run, const Args& a) {
               Player& player = run.game().world().player;
               const char* scenario = a.size() == 1 ? "WORLD_PLAYER_PLACE_BAIT_POTENT"
                                                    : "WORLD_PLAYER_PLACE_BAIT_NORMAL";
               run.game().report("input", std::string("the player places bait (") + scenario + ")");
               player.scenario = gameHash(scenario);
               run.runFor(kPlaceBaitMs);
               player.scenario = 0;
               run.runFrame();
           }});
    // The key goes down and up through the registered keyboard handler, on this thread, as the
    // game's window thread would send it; the script sees it from its next frame on.
    // A combination ("Ctrl+F10", as in Settings.ini) holds its modifiers round the key.
    r.add({"press key", Phase::Anywhere, 1, 1,
           [](const Args& a) {
               if (!parseKeyPress(a[0]))
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": a key code (1 to 254) or a combination such as Ctrl+F10");
           },
           [](Runner& run, const Args& a) {
               using Handler = void (*)(uint32_t, uint16_t, uint8_t, int, int, int, int);
               auto handler = reinterpret_cast<Handler>(run.game().keyboardHandler());
               if (!handler) throw ExpectationFailed("no keyboard handler is registered");
               for (const KeyboardEvent& e : keyboardEventsOf(*parseKeyPress(a[0])))
                   handler(e.key, 1, 0, 0, e.withAlt, e.wasDownBefore, e.isUpNow);
           }});
    r.add({"expect cash", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               const int64_t cents = run.game().world().player.cashCents;
               run.expect(cents == a.integer(0),
                          "the player has " + std::to_string(cents) + " cents, expected " + a[0]);
           }});
}

}  // namespace sim::scenario
