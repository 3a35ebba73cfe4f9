#include "sim/scenario/commands.h"

#include "sim/world/terrain.h"

namespace sim::scenario {

CommandRegistry& commandRegistry() {
    static CommandRegistry registry = [] {
        CommandRegistry r;
        registerRunCommands(r);
        registerWorldCommands(r);
        registerFileCommands(r);
        registerPlayerCommands(r);
        registerPedCommands(r);
        registerPersonCommands(r);
        registerCargoCommands(r);
        registerScreenCommands(r);
        registerCompetitionCommands(r);
        return r;
    }();
    return registry;
}

void malformed(const Args& a, const std::string& why) {
    throw SyntaxError("line " + std::to_string(a.lineNumber()) + ": " + why);
}

void checkOnOff(const Args& a) {
    if (!a.is(0, "on") && !a.is(0, "off")) malformed(a, "expected on or off");
}

const Models& modelCatalogue() {
    static const Models models;
    return models;
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

Vec3 blipPlace(Runner& run, const std::string& text) {
    World& world = run.game().world();
    for (const auto& [handle, blip] : world.blips.all()) {
        if (blip.name.find(text) == std::string::npos) continue;
        Vec3 at = blip.position;
        if (const Entity* e = world.entities.find(blip.entity)) at = e->position;
        if (const auto ground = Terrain::heightAt(at.x, at.y)) at.z = *ground;
        return at;
    }
    throw ExpectationFailed("no blip named with \"" + text + "\" exists");
}

}  // namespace sim::scenario
