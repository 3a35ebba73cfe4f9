// The entity store: peds, objects and other things in the world, by handle.
//
// Handles come from the game's pool (handles.h): they look arbitrary, follow the seed, and may be
// handed out again after their entity was deleted.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "sim/natives/native_table.h"
#include "sim/world/animals.h"
#include "sim/world/decorators.h"
#include "sim/world/handles.h"
#include "sim/world/tasks.h"
#include "sim/world/trade_people.h"

namespace sim {

enum class EntityKind { Ped, Object };

inline constexpr uint32_t kWeaponUnarmed = 0xA2719263u;
// The health points of a ped as the game creates it.
inline constexpr float kStandardHealth = 100.0f;

struct Entity {
    int32_t handle = 0;
    // Counts up with every entity the world creates: which came last.
    uint64_t serial = 0;
    EntityKind kind = EntityKind::Ped;
    uint32_t model = 0;
    Vec3 position;
    // Degrees, 0 = facing +y as the game counts it; the yaw of the rotation.
    float heading = 0.0f;
    float pitch = 0.0f;
    float roll = 0.0f;
    // Health points: every ped starts with kStandardHealth; a script may give it more.
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
    int32_t outfitPreset = -1;  // the model's outfit a script put on it (-1: the game's choice)
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

    // Where it came into the world; animals wander round it.
    Vec3 home;
    // The name shown when the player targets the ped (empty: the model's).
    std::string displayName;
    int32_t accuracy = 50;     // 0..100, how well the ped shoots
    bool drawnByBait = false;  // came to bait the player put down (no native tells it)
    uint32_t behaviourHash = 0;
    // Movement: 0 normal, up to 1 fully in stealth (slower, crouched).
    float stealth = 0.0f;
    int32_t lookAt = 0;      // the entity the ped looks at
    bool crouching = false;  // creeps along, as in stealth
    // Game timer since which the ped has had each entity in view (world/shooting.h).
    std::map<int32_t, uint32_t> inViewSince;
    bool weaponDrawn = false;  // the weapon in hand, not holstered
    // Metres per second it covered over the ground in the last world step (riding excluded).
    float groundSpeed = 0.0f;
    // In the air (thrown or dropped), falling at fallSpeed m/s until it lands.
    bool airborne = false;
    float fallSpeed = 0.0f;
    PedTasks tasks;
    // Shots and their consequences.
    uint32_t lastShotAt = 0;      // game timer of the ped's last shot (0 = never)
    std::set<int32_t> damagedBy;  // every entity that ever hit it
    int32_t killer = 0;           // the entity whose hit killed it
    uint32_t diedAt = 0;          // game timer at its death, never 0 (0 = alive)
    int32_t combatTarget = 0;     // the ped it fights
    int32_t lassoedBy = 0;        // who caught it with a lasso
    // Animals: fleeing from a point until a time; idling or walking round home.
    Vec3 fleeFrom;
    uint32_t fleeStartAt = 0;
    uint32_t fleeUntil = 0;
    uint32_t wanderAt = 0;  // next time it sets off (0 = not yet decided)
    bool wandering = false;
    Vec3 wanderGoal;

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
    uint64_t serial_ = 0;
};

float distance3d(Vec3 a, Vec3 b);
// The entity dies now (game timer `now`); a second death keeps the first time.
void markDead(Entity& e, uint32_t now);

}  // namespace sim
