// Hunting competitions: the player taking up an offer as a player would.
#include "sim/scenario/commands.h"
#include "sim/world/animals.h"

namespace sim::scenario {

namespace {

// The steps of a player taking up the offer: to the offer's blip, to the rival who waits at the
// camp (named `rival`), inspecting him until the panel is up, holding the prompt, done.
void joinCompetition(Runner& run) {
    World& world = run.game().world();
    world.entities.find(world.player.ped)->position = blipPlace(run, "Hunting Competition");
    world.player.walking = false;
    run.runFor(2000);
    const Entity* rival = nullptr;
    for (const auto& [handle, e] : world.entities.all()) {
        const ModelInfo* model = world.models.find(e.model);
        if (e.kind == EntityKind::Ped && handle != world.player.ped && model && model->human &&
            e.missionEntity && (!rival || e.serial > rival->serial))
            rival = &e;
    }
    if (!rival) throw ExpectationFailed("no rival waits at the camp");
    const int32_t handle = rival->handle;
    run.nameEntity("rival", handle);
    world.player.walkToEntity = handle;
    world.player.walking = true;
    run.runFor(10000);
    inspectPed(run.game(), handle);
    // The panel's pictures load a few frames after they are first asked for.
    for (int frame = 0; frame < 10; ++frame)
        run.runFrame();
    for (const Prompt* p : world.prompts.shown(world.player.target)) {
        if (p->text.find("Join the hunting competition") == std::string::npos) continue;
        run.game().report("input", "the player uses the prompt \"" + p->text + "\"");
        world.prompts.hold(p->control);
        run.runFor(1500);
        world.prompts.release();
        closeInspection(run.game());
        return;
    }
    throw ExpectationFailed("the rival offers no \"Join the hunting competition\" prompt");
}

}  // namespace

void registerCompetitionCommands(CommandRegistry& r) {
    r.add({"join competition", Phase::Time, 0, 0, nullptr,
           [](Runner& run, const Args&) { joinCompetition(run); }});
}

}  // namespace sim::scenario
