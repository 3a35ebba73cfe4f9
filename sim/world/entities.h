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
#include "sim/world/trade_people.h"

namespace sim {

enum class EntityKind { Ped, Object };

inline constexpr uint32_t kWeaponUnarmed = 0xA2719263u;

struct Entity {
    int32_t handle = 0;
    EntityKind kind = EntityKind::Ped;
    uint32_t model = 0;
    Vec3 position;
    // Degrees, 0 = facing +y as the game counts it; the yaw of the rotation.
    float heading = 0.0f;
    float pitch = 0.0f;
    float roll = 0.0f;
    float health = 100.0f;
    float maxHealth = 100.0f;
    bool dead = false;
    PedCondition condition;
    DecoratorValues decorators;
    // Peds.
    uint32_t animalType = 0;
    uint32_t relationshipGroup = 0;
    int32_t pedType = 0;
    bool dressed = false;
    std::map<uint32_t, int32_t> weapons;  // weapon hash -> ammunition
    uint32_t currentWeapon = kWeaponUnarmed;
    bool hasLastImpact = false;
    Vec3 lastImpact;
    // Made by a script and kept until it deletes or releases it.
    bool missionEntity = false;
    // Handed back by the script: the game removes it once the player is far away.
    bool released = false;
    // Riding, cargo, person states and tasks (world/trade_people.h).
    TradeTraits trade;

    // The unit vector the entity faces (from its heading and pitch).
    Vec3 forward() const;
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

float distance3d(Vec3 a, Vec3 b);

}  // namespace sim
