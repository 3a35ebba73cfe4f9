// The ground under a point, objects near a point and scenario points.
#include "sim/game.h"
#include "sim/natives/domains.h"
#include "sim/world/terrain.h"

namespace sim {

void registerWorldNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    // Finds ground only below the probe's height, as the game does.
    t.add(0x24FA4267BB8D2431, "GET_GROUND_Z_FOR_3D_COORD", 5, Result::Int32, [](NativeCall& c) {
        const Vec3 at = c.vec(0);
        float* out = c.ptr<float>(3);
        const auto ground = Terrain::heightAt(at.x, at.y);
        const bool found = ground && *ground <= at.z;
        if (out) *out = found ? *ground : 0.0f;
        c.retBool(found);
    });
    // (x, y, z, radius, model, three flags): finds, never creates; 0 when none is that near.
    t.add(0xE143FA2249364369, "GET_CLOSEST_OBJECT_OF_TYPE", 8, Result::Int32,
          [&world](NativeCall& c) {
              const Vec3 at = c.vec(0);
              float best = c.f32(3);
              int32_t found = 0;
              for (const auto& [handle, e] : world.entities.all()) {
                  if (e.kind != EntityKind::Object || e.model != c.u32(4)) continue;
                  const float d = distance3d(e.position, at);
                  if (d <= best) {
                      best = d;
                      found = handle;
                  }
              }
              c.ret(found);
          });
    t.add(0x81948DFE4F5A0283, "_DELETE_SCENARIO_POINT", 1, Result::Void,
          [&world](NativeCall& c) { world.scenarioPoints.remove(c.i32(0)); });
}

}  // namespace sim
