// The entity store: peds, objects and other things in the world, by handle.
//
// Handles are non-zero 32-bit values that look arbitrary, as the game's do; a handle may be
// handed out again after its entity was deleted.
#pragma once

#include <cstdint>
#include <map>

#include "sim/natives/native_table.h"
#include "sim/world/animals.h"
#include "sim/world/decorators.h"

namespace sim {

enum class EntityKind { Ped, Object };

struct Entity {
    int32_t handle = 0;
    EntityKind kind = EntityKind::Ped;
    uint32_t model = 0;
    Vec3 position;
    float heading = 0.0f;
    float health = 100.0f;
    float maxHealth = 100.0f;
    bool dead = false;
    PedCondition condition;
    DecoratorValues decorators;
};

class Entities {
  public:
    Entity& create(EntityKind kind, uint32_t model, Vec3 position, float heading = 0.0f);
    Entity* find(int32_t handle);
    const Entity* find(int32_t handle) const;
    bool exists(int32_t handle) const { return find(handle) != nullptr; }
    void remove(int32_t handle);
    const std::map<int32_t, Entity>& all() const { return entities_; }
    std::map<int32_t, Entity>& all() { return entities_; }

  private:
    int32_t nextHandle();

    std::map<int32_t, Entity> entities_;
    uint32_t handleState_ = 0x2A4D1u;
};

}  // namespace sim
