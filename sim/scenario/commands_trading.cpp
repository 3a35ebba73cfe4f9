// Trading: leading a horse, what horses carry, what people are busy with, hitching posts.
#include "sim/scenario/commands.h"
#include "sim/world/hash.h"

namespace sim::scenario {

namespace {

[[noreturn]] void malformed(const Args& a, const std::string& why) {
    throw SyntaxError("line " + std::to_string(a.lineNumber()) + ": " + why);
}

Entity& entityOf(Runner& run, const Args& a, size_t i) {
    Entity* e = run.game().world().entities.find(run.entityNamed(a[i], a));
    if (!e) throw ExpectationFailed(a[i] + " is no longer in the world");
    return *e;
}

Entity& playerPed(Runner& run) {
    World& world = run.game().world();
    return *world.entities.find(world.player.ped);
}

// "cargo ID add MODEL pelt|carcass [quality Q] [scale S]"
struct CargoOptions {
    bool pelt = true;
    int32_t quality = 1;
    float scale = 0.0f;
};

CargoOptions cargoOptions(const Args& a) {
    if (!a.is(1, "add") || !(a.is(3, "pelt") || a.is(3, "carcass")))
        malformed(a, "expected 'cargo ID add MODEL pelt|carcass [quality Q] [scale S]'");
    static const Models models;
    const ModelInfo* model = models.find(a[2]);
    if (!model || model->human || model->display.empty())
        malformed(a, "the game has no animal model '" + a[2] + "'");
    CargoOptions o;
    o.pelt = a.is(3, "pelt");
    for (size_t i = 4; i < a.size(); i += 2) {
        if (a.is(i, "quality") && i + 1 < a.size()) {
            o.quality = static_cast<int32_t>(a.integer(i + 1));
            if (o.quality < 0 || o.quality > 2) malformed(a, "a quality is 0, 1 or 2");
        } else if (a.is(i, "scale") && i + 1 < a.size()) {
            o.scale = static_cast<float>(a.number(i + 1));
        } else {
            malformed(a, "expected 'quality Q' or 'scale S'");
        }
    }
    return o;
}

void checkPersonState(const Args& a) {
    static const char* const kStates[] = {"lawman", "untradeable", "in-player-group", "hostile",
                                          "busy"};
    if (a.size() == 2) {
        for (const char* state : kStates) {
            if (a.is(1, state)) return;
        }
    } else if (a.size() == 3 && a.is(1, "rides")) {
        return;
    } else if (a.size() == 5 && a.is(1, "walk-to")) {
        a.position(2);
        return;
    }
    malformed(a,
              "expected 'person ID lawman|untradeable|in-player-group|hostile|busy', "
              "'person ID rides HORSE' or 'person ID walk-to X Y Z'");
}

}  // namespace

void registerTradingCommands(CommandRegistry& r) {
    r.add({"player lead", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               World& world = run.game().world();
               leadHorse(world, playerPed(run), entityOf(run, a, 0).handle);
               world.hunting.playerMount = 0;
           }});
    r.add({"cargo", Phase::Anywhere, 4, 8, [](const Args& a) { cargoOptions(a); },
           [](Runner& run, const Args& a) {
               const CargoOptions o = cargoOptions(a);
               addCargo(run.game(), entityOf(run, a, 0), gameHash(a[2]), o.pelt, o.quality,
                        o.scale);
           }});
    r.add({"expect cargo-count", Phase::Anywhere, 2, 2, [](const Args& a) { a.integer(1); },
           [](Runner& run, const Args& a) {
               const World& world = run.game().world();
               int64_t count = 0;
               for (int32_t item : entityOf(run, a, 0).trade.cargo)
                   count += world.entities.exists(item) ? 1 : 0;
               run.expect(count == a.integer(1),
                          a[0] + " carries " + std::to_string(count) + ", expected " + a[1]);
           }});
    r.add({"person", Phase::Anywhere, 2, 5, checkPersonState, [](Runner& run, const Args& a) {
               World& world = run.game().world();
               Entity& ped = entityOf(run, a, 0);
               if (a.is(1, "lawman")) {
                   ped.relationshipGroup = gameHash("REL_COP");
               } else if (a.is(1, "untradeable")) {
                   // As another script marks its own people.
                   ped.decorators["VX_Trading_isPedUntradeable"] = {DecoratorType::Int, 1, 0.0f};
               } else if (a.is(1, "in-player-group")) {
                   ped.trade.group = playerPed(run).trade.group;
               } else if (a.is(1, "hostile")) {
                   startFight(ped, playerPed(run));
               } else if (a.is(1, "busy")) {
                   ped.trade.set(PersonState::InConversation, true);
               } else if (a.is(1, "rides")) {
                   mountHorse(world, ped, entityOf(run, a, 2).handle);
               } else {
                   Task walk;
                   walk.type = TaskType::GoToCoord;
                   walk.point = a.position(2);
                   giveTask(run.game(), ped.handle, walk);
               }
           }});
    r.add(
        {"hitching-post at", Phase::Anywhere, 3, 3, [](const Args& a) { a.position(0); },
         [](Runner& run, const Args& a) { placeHitchingPost(run.game().world(), a.position(0)); }});
}

}  // namespace sim::scenario
