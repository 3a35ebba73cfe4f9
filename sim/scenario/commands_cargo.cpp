// What horses carry: pelts and carcasses put on a horse, and how many it carries.
#include "sim/scenario/commands.h"
#include "sim/world/hash.h"

namespace sim::scenario {

namespace {

// "cargo ID add MODEL pelt|carcass [quality Q] [scale S] [looted]"
struct CargoOptions {
    bool pelt = true;
    int32_t quality = 1;
    float scale = 0.0f;
    bool looted = false;
};

CargoOptions cargoOptions(const Args& a) {
    if (!a.is(1, "add") || !(a.is(3, "pelt") || a.is(3, "carcass")))
        malformed(a, "expected 'cargo ID add MODEL pelt|carcass [quality Q] [scale S] [looted]'");
    const ModelInfo* model = modelCatalogue().find(a[2]);
    if (!model || model->human || model->display.empty())
        malformed(a, "the game has no animal model '" + a[2] + "'");
    CargoOptions o;
    o.pelt = a.is(3, "pelt");
    for (size_t i = 4; i < a.size(); i += 2) {
        if (a.is(i, "looted") && !o.pelt) {
            o.looted = true;
            --i;
        } else if (a.is(i, "quality") && i + 1 < a.size()) {
            o.quality = static_cast<int32_t>(a.integer(i + 1));
            if (o.quality < 0 || o.quality > 2) malformed(a, "a quality is 0, 1 or 2");
        } else if (a.is(i, "scale") && i + 1 < a.size()) {
            o.scale = static_cast<float>(a.number(i + 1));
        } else {
            malformed(a, "expected 'quality Q', 'scale S' or (for a carcass) 'looted'");
        }
    }
    return o;
}

}  // namespace

void registerCargoCommands(CommandRegistry& r) {
    r.add({"cargo", Phase::Anywhere, 4, 9, [](const Args& a) { cargoOptions(a); },
           [](Runner& run, const Args& a) {
               const CargoOptions o = cargoOptions(a);
               addCargo(run.game(), entityOf(run, a, 0), gameHash(a[2]), o.pelt, o.quality, o.scale,
                        o.looted);
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
}

}  // namespace sim::scenario
