// What a competition needs of a scenario: naming the peds a script created, going to a blip,
// the player's mission, Dead Eye and death, and where an entity is.
#include <cmath>
#include <optional>

#include "sim/scenario/commands.h"
#include "sim/world/animals.h"
#include "sim/world/hash.h"
#include "sim/world/terrain.h"

namespace sim::scenario {

namespace {

[[noreturn]] void malformed(const Args& a, const std::string& why) {
    throw SyntaxError("line " + std::to_string(a.lineNumber()) + ": " + why);
}

void checkOnOff(const Args& a) {
    if (!a.is(0, "on") && !a.is(0, "off")) malformed(a, "expected on or off");
}

// The position of the blip whose name contains `text`, on the ground.
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

// "newest", "newest MODEL", "newest animal", "newest human"
void checkNewest(const Args& a) {
    if (!a.is(1, "newest")) malformed(a, "expected 'name ID newest [MODEL|animal|human]'");
}

}  // namespace

void registerCompetitionCommands(CommandRegistry& r) {
    r.add({"name", Phase::Anywhere, 2, 3, checkNewest, [](Runner& run, const Args& a) {
               World& world = run.game().world();
               const std::string kind = a.size() == 3 ? a[2] : "";
               const Entity* newest = nullptr;
               for (const auto& [handle, e] : world.entities.all()) {
                   if (e.kind != EntityKind::Ped || handle == world.player.ped) continue;
                   const ModelInfo* model = world.models.find(e.model);
                   const bool fits = kind.empty()       ? true
                                     : kind == "animal" ? model && model->isAnimal()
                                     : kind == "human"  ? model && model->human
                                                        : e.model == gameHash(kind);
                   if (fits && (!newest || e.serial > newest->serial)) newest = &e;
               }
               if (!newest) {
                   throw ExpectationFailed("no ped" + (kind.empty() ? "" : " (" + kind + ")") +
                                           " was created to name " + a[0]);
               }
               run.nameEntity(a[0], newest->handle);
           }});
    r.add({"join competition", Phase::Time, 0, 0, nullptr,
           [](Runner& run, const Args&) { joinCompetition(run); }});
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
    r.add({"mission", Phase::Anywhere, 1, 1, checkOnOff, [](Runner& run, const Args& a) {
               run.game().world().player.onMission = a.is(0, "on");
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
    r.add({"expect near", Phase::Anywhere, 5, 5,
           [](const Args& a) {
               a.position(1);
               a.number(4);
           },
           [](Runner& run, const Args& a) {
               const Entity* e = run.game().world().entities.find(run.entityNamed(a[0], a));
               if (!e) throw ExpectationFailed(a[0] + " is no longer in the world");
               const Vec3 at = a.position(1);
               const double d = std::hypot(e->position.x - at.x, e->position.y - at.y);
               run.expect(d <= a.number(4), a[0] + " is " + std::to_string(d) +
                                                " m from the point, expected within " + a[4]);
           }});
}

}  // namespace sim::scenario
