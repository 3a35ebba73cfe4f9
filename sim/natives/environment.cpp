// The world round the peds: air temperature, the navigation mesh, clearing an area, putting an
// entity on the ground, and prop sets.
#include "sim/game.h"
#include "sim/natives/domains.h"
#include "sim/world/climate.h"
#include "sim/world/terrain.h"

namespace sim {

void registerEnvironmentNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();

    t.add(0xB98B78C3768AF6E0, "_GET_TEMPERATURE_AT_COORDS", 3, Result::Float, [](NativeCall& c) {
        const Vec3 at = c.vec(0);
        c.retFloat(airTemperature(at.x, at.y, at.z));
    });

    // --- Navigation mesh --------------------------------------------------------------------
    // (x1, y1, z1, x2, y2, z2): loaded over the whole box (its corners).
    t.add(0xF813C7E63F9062A5, "IS_NAVMESH_LOADED_IN_AREA", 6, Result::Int32,
          [&game](NativeCall& c) {
              const Vec3 a = c.vec(0), b = c.vec(3);
              c.retBool(navmeshLoadedAt(game, a) && navmeshLoadedAt(game, b));
          });
    // (x, y, radius)
    t.add(0x387EAD7EE42F6685, "ADD_NAVMESH_REQUIRED_REGION", 3, Result::Void,
          [&game, &world](NativeCall& c) {
              world.navmesh.request(c.f32(0), c.f32(1), c.f32(2), game.frame(), world.chaos);
          });

    // (x, y, z, radius, flags): the game's own peds and objects there go, and the dead; what
    // scripts still hold, the player and his horse stay.
    t.add(0x3B882A96EA77D5B1, "CLEAR_AREA", 5, Result::Void, [&game, &world](NativeCall& c) {
        const Vec3 centre = c.vec(0);
        const float radius = c.f32(3);
        std::vector<int32_t> gone;
        for (const auto& [handle, e] : world.entities.all()) {
            if (handle == world.player.ped || handle == world.hunting.playerMount) continue;
            if (e.missionEntity && !e.dead) continue;
            if (distance3d(e.position, centre) <= radius) gone.push_back(handle);
        }
        for (int32_t handle : gone)
            world.entities.remove(handle);
        if (!gone.empty())
            game.report("world", "area cleared: " + std::to_string(gone.size()) + " removed");
    });
    // (entity, unused): false where there is no ground.
    t.add(0x9587913B9E772D29, "PLACE_ENTITY_ON_GROUND_PROPERLY", 2, Result::Int32,
          [&world](NativeCall& c) {
              Entity* e = world.entities.find(c.i32(0));
              const auto ground =
                  e ? Terrain::heightAt(e->position.x, e->position.y) : std::nullopt;
              if (ground) e->position.z = *ground;
              c.retBool(ground.has_value());
          });

    // --- Prop sets --------------------------------------------------------------------------
    t.add(0xF3DE57A46D5585E9, "_REQUEST_PROP_SET", 1, Result::Int32,
          [&game, &world](NativeCall& c) {
              world.propSets.request(c.u32(0), game.frame(), world.chaos);
          });
    t.add(0x48A88FC684C55FDC, "_HAS_PROP_SET_LOADED", 1, Result::Int32,
          [&game, &world](NativeCall& c) {
              c.retBool(world.propSets.loaded(c.u32(0), game.frame()));
          });
    // (name hash, x, y, z, flags, heading, unused float, two flags): 0 when not loaded.
    t.add(0xE65C5CBA95F0E510, "_CREATE_PROP_SET", 9, Result::Int32, [&game, &world](NativeCall& c) {
        const int32_t handle =
            world.propSets.create(c.u32(0), c.vec(1), c.f32(5), game.frame(), game.random());
        if (handle != 0) {
            addPropSetPoints(world.scenarioPoints, world.propSets.all().at(handle));
            game.report("world", "prop set created: " + std::to_string(handle));
        }
        c.ret(handle);
    });
    t.add(0x909E3C7FAE539FB1, "_SET_PROP_SET_AS_NO_LONGER_NEEDED", 1, Result::Void,
          [&world](NativeCall& c) { world.propSets.release(c.i32(0)); });
    // (prop set, two flags)
    t.add(0x58AC173A55D9D7B4, "_DELETE_PROP_SET", 3, Result::Void, [&world](NativeCall& c) {
        if (world.propSets.remove(c.i32(0))) removePropSetPoints(world.scenarioPoints, c.i32(0));
    });
}

}  // namespace sim
