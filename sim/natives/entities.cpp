// Entities: positions, facing, existence, death, deletion and release.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerEntityNatives(Game& game) {
    NativeTable& t = game.natives();
    auto entities = [&game]() -> Entities& { return game.world().entities; };
    t.add(0xA86D5F069399F44D, "GET_ENTITY_COORDS", 3, Result::Vector3, [entities](NativeCall& c) {
        const Entity* e = entities().find(c.i32(0));
        c.retVec(e ? e->position : Vec3{});
    });
    t.add(0x2412D9C05BB09B97, "GET_ENTITY_FORWARD_VECTOR", 1, Result::Vector3,
          [entities](NativeCall& c) {
              const Entity* e = entities().find(c.i32(0));
              c.retVec(e ? e->forward() : Vec3{});
          });
    t.add(0xD42BD6EB2E0F1677, "DOES_ENTITY_EXIST", 1, Result::Int32,
          [entities](NativeCall& c) { c.retBool(entities().exists(c.i32(0))); });
    // An entity that is gone (deleted, or removed by the game) reads as dead.
    t.add(0x7D5B1F88E7504BBA, "IS_ENTITY_DEAD", 1, Result::Int32, [entities](NativeCall& c) {
        const Entity* e = entities().find(c.i32(0));
        c.retBool(!e || e->dead);
    });
    t.add(0x4CD38C78BD19A497, "DELETE_ENTITY", 1, Result::Void, [&game, entities](NativeCall& c) {
        int32_t* handle = c.ptr<int32_t>(0);
        if (!handle || *handle == game.world().player.ped) return;
        if (entities().exists(*handle)) {
            entities().remove(*handle);
            *handle = 0;
        }
    });
    t.add(0x4971D2F8162B9674, "SET_ENTITY_AS_NO_LONGER_NEEDED", 1, Result::Void,
          [entities](NativeCall& c) {
              int32_t* handle = c.ptr<int32_t>(0);
              Entity* e = handle ? entities().find(*handle) : nullptr;
              if (!e || !e->missionEntity) return;
              e->missionEntity = false;
              e->released = true;
          });
}

}  // namespace sim
