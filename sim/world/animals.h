// Hunting in the simulated game: the weapons the world knows and what kind each is, bones and
// where they are, the wounds of a ped, and the world's side of hunting: creating animals, hits,
// the player's mount and the inspection panel that targeting an animal opens. (The models
// themselves, with their size classes and items, are in models.h.)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/natives/native_table.h"
#include "sim/world/hash.h"

namespace sim {

class Game;
struct Entity;
struct ModelInfo;

enum class WeaponClass {
    None,
    Unarmed,
    Melee,
    Lasso,
    Pistol,  // side arms: revolvers and pistols
    Repeater,
    Rifle,
    Sniper,
    Bow,
    Shotgun,
    Animal
};

struct WeaponInfo {
    std::string name;
    WeaponClass kind = WeaponClass::None;
};
const WeaponInfo* findWeapon(uint32_t hash);
const WeaponInfo* findWeaponNamed(const std::string& name);
// Fires bullets or shot: side arms, repeaters, rifles, sniper rifles and shotguns.
bool isGun(WeaponClass kind);
// The weapon's class; None for a weapon the game does not have.
WeaponClass weaponClassOf(uint32_t hash);

// Bones: a few ids the world uses. The head is 21030; the neck and the vitals behind it lie in
// 0x384A..0x384E.
inline constexpr int32_t kBoneHead = 0x5226;
inline constexpr int32_t kBoneNeck = 0x384A;
inline constexpr int32_t kBoneVitals = 0x384C;
inline constexpr int32_t kBoneSpine = 0x60F2;
// Where a bone of the ped is in the world (the entity's position for an unknown bone).
Vec3 bonePosition(const Entity& ped, int32_t bone);

// The wounds and body of one ped (a member of Entity).
struct PedCondition {
    int32_t quality = 1;
    float scale = 1.0f;  // the scale a script applied
    int32_t lastDamagedBone = 0;
    uint32_t ragdollUntil = 0;  // game timer; lying on the ground until then
    // Down and struggling after a hit that left it alive at kWritheHealth or less.
    bool writhing = false;
    int32_t bloodEffects = 0;     // blood decals on the body now
    bool killedByDamage = false;  // it died of a hit or of its wounds
};

struct HuntingState {
    int32_t playerMount = 0;
    // The inspection panel answers open from this frame on; 0 = closed.
    uint64_t inspectionOpenFrom = 0;
};

// The game creates a ped of a catalogue model and raises EVENT_PED_CREATED.
Entity& spawnPed(Game& game, const ModelInfo& model, Vec3 position, float heading, int32_t quality,
                 float healthRatio);
// Where a shot lands by default: this far above the bone it hits, in metres.
inline constexpr float kImpactAboveBone = 0.05f;
// A hit: health becomes ratio × max (0 and dead with kill); raises EVENT_ENTITY_DAMAGED. The
// attacker's last weapon impact is set `impactAbove` metres above the bone. The victim remembers
// its attacker (and its killer); a wild animal that lives runs from the attacker, a person fights
// back (or flees when unarmed), and a lasso's hit ties a person up.
void damagePed(Game& game, Entity& victim, int32_t attacker, uint32_t weapon, int32_t bone,
               float healthRatio, bool kill, float impactAbove = kImpactAboveBone);
// Raises EVENT_ENTITY_DAMAGED for a hit that took `damage` health from the victim.
void raiseEntityDamaged(Game& game, const Entity& victim, int32_t attacker, uint32_t weapon,
                        float damage, int32_t bone);
// The player targets a ped with the inspect prompt (type 35); the panel opens a frame later.
void inspectPed(Game& game, int32_t ped);
void closeInspection(Game& game);
// Lying limp: for a while after a hit (kKnockDownMs) or for a script's collapse, and for good
// once dead.
bool isRagdoll(const Game& game, const Entity& ped);
// A person left alive at kWritheHealth or less writhes on the ground, and so does an animal of
// the medium size class or above (small game, birds and fish die or run instead).
inline constexpr float kWritheHealth = 0.15f;
inline constexpr uint32_t kKnockDownMs = 1000;
bool isWrithing(const Entity& ped);

}  // namespace sim
