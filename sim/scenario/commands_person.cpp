// A person the scenario spawned: what he is (a lawman, someone else's, in the player's group,
// hostile), where he is (a vehicle, an interior, cover), how he is held (cuffs, ropes, lasso),
// and what he does (fights, falls, rides, goes to a point).
#include "sim/scenario/commands.h"
#include "sim/world/hash.h"

namespace sim::scenario {

namespace {

// "person ID STATE", "person ID melee [ID2]", "person ID falls H", "person ID rides HORSE",
// "person ID walk-to|run-to|sprint-to X Y Z"
constexpr const char* kPersonStates[] = {
    "lawman",  "untradeable", "in-player-group", "hostile", "in-vehicle", "in-train", "in-boat",
    "indoors", "takes-cover", "cuffed",          "hogtied", "lassoed",    "free"};

void checkPersonState(const Args& a) {
    if (a.size() == 2) {
        for (const char* state : kPersonStates) {
            if (a.is(1, state)) return;
        }
        if (a.is(1, "melee")) return;
    } else if (a.size() == 3 && (a.is(1, "rides") || a.is(1, "melee"))) {
        return;
    } else if (a.size() == 3 && a.is(1, "falls")) {
        if (a.number(2) > 0.0) return;
    } else if (a.size() == 5 && (a.is(1, "walk-to") || a.is(1, "run-to") || a.is(1, "sprint-to"))) {
        a.position(2);
        return;
    }
    malformed(a,
              "expected 'person ID lawman|untradeable|in-player-group|hostile|in-vehicle|"
              "in-train|in-boat|indoors|takes-cover|cuffed|hogtied|lassoed|free', "
              "'person ID melee [ID2]', 'person ID falls H', 'person ID rides HORSE' or "
              "'person ID walk-to|run-to|sprint-to X Y Z'");
}

// Going into cover takes this long; he is in cover after it.
constexpr uint32_t kTakeCoverMs = 1000;

void setPersonState(Runner& run, const Args& a, Entity& ped) {
    const std::string& state = a[1];
    Entity& player = playerPed(run);
    if (state == "lawman") {
        ped.relationshipGroup = gameHash("REL_COP");
    } else if (state == "untradeable") {
        // As another script marks its own people.
        ped.decorators["VX_Trading_isPedUntradeable"] = {DecoratorType::Int, 1, 0.0f};
    } else if (state == "in-player-group") {
        ped.trade.group = player.trade.group;
    } else if (state == "hostile") {
        startFight(ped, player);
    } else if (state == "in-vehicle" || state == "in-train" || state == "in-boat") {
        ped.trade.vehicle = state == "in-train"  ? Vehicle::Train
                            : state == "in-boat" ? Vehicle::Boat
                                                 : Vehicle::Wagon;
    } else if (state == "indoors") {
        // Interiors have ids of their own; which one does not matter to anyone here.
        ped.trade.interior = 0x2C000 | (ped.handle & 0xFFF);
    } else if (state == "takes-cover") {
        ped.trade.coverFrom = (run.game().timer() + kTakeCoverMs) | 1u;
    } else if (state == "cuffed") {
        ped.trade.set(PersonState::Cuffed, true);
    } else if (state == "hogtied") {
        ped.trade.set(PersonState::Hogtied, true);
    } else if (state == "lassoed") {
        ped.lassoedBy = player.handle;
        ped.tasks.clear();
    } else if (state == "free") {
        ped.trade.vehicle = Vehicle::None;
        ped.trade.interior = 0;
        ped.trade.coverFrom = 0;
        ped.trade.set(PersonState::Cuffed, false);
        ped.trade.set(PersonState::Hogtied, false);
        ped.lassoedBy = 0;
    }
}

}  // namespace

void registerPersonCommands(CommandRegistry& r) {
    r.add({"person", Phase::Anywhere, 2, 5, checkPersonState, [](Runner& run, const Args& a) {
               World& world = run.game().world();
               Entity& ped = entityOf(run, a, 0);
               if (a.is(1, "rides")) {
                   mountHorse(world, ped, entityOf(run, a, 2).handle);
               } else if (a.is(1, "melee")) {
                   // Hand to hand: he puts his weapon away.
                   ped.currentWeapon = kWeaponUnarmed;
                   ped.weaponDrawn = false;
                   startFight(ped, a.size() == 3 ? entityOf(run, a, 2) : playerPed(run));
               } else if (a.is(1, "falls")) {
                   ped.position.z += static_cast<float>(a.number(2));
                   ped.airborne = true;
                   ped.fallSpeed = 0.0f;
               } else if (a.size() == 5) {
                   Task go;
                   go.type = TaskType::GoToCoord;
                   go.point = a.position(2);
                   // Move blends: 1 a walk, 2 a run, 3 a sprint.
                   go.speed = a.is(1, "run-to") ? 2.0f : a.is(1, "sprint-to") ? 3.0f : 1.0f;
                   giveTask(run.game(), ped.handle, go);
               } else {
                   setPersonState(run, a, ped);
               }
           }});
}

}  // namespace sim::scenario
