// Peds: creation from a loaded model, the nearby-ped list, type and relationship group, outfits
// and the last weapon impact.
#include <algorithm>

#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

namespace {

// How far the game's list of a ped's neighbours reaches.
constexpr float kNearbyPedsRange = 80.0f;

}  // namespace

void registerPedNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    t.add(0xD49F9B0955C367DE, "CREATE_PED", 9, Result::Int32, [&game, &world](NativeCall& c) {
        const uint32_t model = c.u32(0);
        const ModelInfo* info = world.models.find(model);
        if (!info || !world.streaming.modelLoaded(model, game.frame())) {
            c.ret(0);
            return;
        }
        Entity& ped = world.entities.create(EntityKind::Ped, model, c.vec(1), c.f32(4));
        applyModel(ped, *info);
        ped.missionEntity = true;
        // Every ped the game creates is announced, a script's own as much as an ambient one.
        world.events.push(kEventPedCreated, {static_cast<uint32_t>(ped.handle)});
        game.report("world", "ped created: " + info->name);
        c.ret(ped.handle);
    });
    t.add(0x283978A15512B2FE, "_SET_RANDOM_OUTFIT_VARIATION", 2, Result::Void,
          [&world](NativeCall& c) {
              if (Entity* e = world.entities.find(c.i32(0))) e->dressed = true;
          });
    t.add(0x23F8F5FC7E8C4A6B, "GET_PED_NEARBY_PEDS", 4, Result::Int32, [&world](NativeCall& c) {
        const Entity* centre = world.entities.find(c.i32(0));
        int64_t* buffer = c.ptr<int64_t>(1);
        const int32_t ignoredType = c.i32(2);
        if (!centre || !buffer || buffer[0] <= 0) {
            c.ret(0);
            return;
        }
        std::vector<std::pair<float, int32_t>> found;
        for (const auto& [handle, e] : world.entities.all()) {
            if (handle == centre->handle || e.kind != EntityKind::Ped) continue;
            if (ignoredType != -1 && e.pedType == ignoredType) continue;
            const float d = distance3d(e.position, centre->position);
            if (d <= kNearbyPedsRange) found.push_back({d, handle});
        }
        std::sort(found.begin(), found.end());
        const size_t count = std::min(found.size(), static_cast<size_t>(buffer[0]));
        for (size_t i = 0; i < count; ++i)
            buffer[i + 1] = found[i].second;
        c.ret(static_cast<int32_t>(count));
    });
    t.add(0x964000D355219FC0, "_GET_PED_ANIMAL_TYPE", 1, Result::Int32, [&world](NativeCall& c) {
        const Entity* e = world.entities.find(c.i32(0));
        c.retU32(e ? e->animalType : 0);
    });
    t.add(0x7DBDD04862D95F04, "GET_PED_RELATIONSHIP_GROUP_HASH", 1, Result::Int32,
          [&world](NativeCall& c) {
              const Entity* e = world.entities.find(c.i32(0));
              c.retU32(e ? e->relationshipGroup : 0);
          });
    t.add(0x6C4D0409BA1A2BC2, "GET_PED_LAST_WEAPON_IMPACT_COORD", 2, Result::Int32,
          [&world](NativeCall& c) {
              const Entity* e = world.entities.find(c.i32(0));
              float* out = c.ptr<float>(1);
              if (!e || !e->hasLastImpact || !out) {
                  c.retBool(false);
                  return;
              }
              // A Vector3 out-parameter: each component in its own 8-byte slot.
              out[0] = e->lastImpact.x;
              out[2] = e->lastImpact.y;
              out[4] = e->lastImpact.z;
              c.retBool(true);
          });
}

}  // namespace sim
