// The entity store: peds, objects and other things in the world, by handle.
//
// Handles come from the game's pool (handles.h): they look arbitrary, follow the seed, and may be
// handed out again after their entity was deleted.
#pragma once

#include <cstdint>
#include <map>

#include "sim/natives/native_table.h"
#include "sim/world/animals.h"
#include "sim/world/decorators.h"
#include "sim/world/handles.h"

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

    // The unit vector the entity faces (from its heading and pitch).
    Vec3 forward() const;
};

class Entities {
  public:
    explicit Entities(Random& random) : handles_(random, kFirstHandle, kLastHandle) {}
    Entity& create(EntityKind kind, uint32_t model, Vec3 position, float heading = 0.0f);
    Entity* find(int32_t handle);
    const Entity* find(int32_t handle) const;
    bool exists(int32_t handle) const { return find(handle) != nullptr; }
    void remove(int32_t handle);
    const std::map<int32_t, Entity>& all() const { return entities_; }
    std::map<int32_t, Entity>& all() { return entities_; }

  private:
    // Positive values of up to 24 bits, like the game's pool handles.
    static constexpr int32_t kFirstHandle = 0x101;
    static constexpr int32_t kLastHandle = 0xFFFFFF;

    std::map<int32_t, Entity> entities_;
    HandlePool handles_;
};

float distance3d(Vec3 a, Vec3 b);

}  // namespace sim
