// What the game knows about the peds it creates: the model catalogue (animal or human, animal
// type, size class, pelt and carcass items), the weapons the world uses, bones and where they are,
// and the wounds of a ped. Also the world's side of hunting: the player's weapon, mount and last
// weapon impact, and the inspection panel that targeting an animal opens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/natives/native_table.h"
#include "sim/world/hash.h"

namespace sim {

class Game;
struct Entity;

enum class ModelKind { Human, Animal, Horse };

struct ModelInfo {
    std::string name;     // the model name ("a_c_buck_01")
    std::string display;  // the item word ("Buck"); empty for humans
    ModelKind kind = ModelKind::Human;
    uint32_t animalType = 0;  // 0 for humans
    int32_t sizeClass = 0;
    bool fixedSize = false;  // legendary animals keep the size the game gives them
    uint32_t hash() const;
    bool isAnimal() const { return kind != ModelKind::Human; }
    // Item texts of what the animal gives, by quality 0 (poor) to 2 (perfect).
    std::string peltItem(int32_t quality) const;
    std::string carcassItem(int32_t quality) const;
};

const std::vector<ModelInfo>& modelCatalogue();
const ModelInfo* findModel(uint32_t hash);
const ModelInfo* findModelNamed(const std::string& name);

enum class WeaponClass {
    None,
    Unarmed,
    Melee,
    Lasso,
    Pistol,
    Repeater,
    Rifle,
    Sniper,
    Bow,
    Animal
};

struct WeaponInfo {
    std::string name;
    WeaponClass kind = WeaponClass::None;
};
const WeaponInfo* findWeapon(uint32_t hash);
const WeaponInfo* findWeaponNamed(const std::string& name);

// Bones: a few ids the world uses. Head and neck bones lie in 0x384A..0x384E.
inline constexpr int32_t kBoneHead = 0x384C;
inline constexpr int32_t kBoneNeck = 0x384A;
inline constexpr int32_t kBoneSpine = 0x5226;
// Where a bone of the ped is in the world (the entity's position for an unknown bone).
Vec3 bonePosition(const Entity& ped, int32_t bone);

// The wounds and body of one ped (a member of Entity).
struct PedCondition {
    int32_t quality = 1;
    float scale = 1.0f;  // the scale a script applied
    int32_t lastDamagedBone = 0;
    uint32_t ragdollUntil = 0;  // game timer; lying on the ground until then
    bool writhing = false;
    int32_t bloodEffects = 0;  // blood decals on the body now
};

struct HuntingState {
    // The player carries a rifle unless a scenario says otherwise.
    uint32_t playerWeapon = gameHash("WEAPON_RIFLE_SPRINGFIELD");
    int32_t playerMount = 0;
    bool impactValid = false;
    Vec3 lastImpact;
    // The inspection panel answers open from this frame on; 0 = closed.
    uint64_t inspectionOpenFrom = 0;
};

// The game creates a ped of a catalogue model and raises EVENT_PED_CREATED.
Entity& spawnPed(Game& game, const ModelInfo& model, Vec3 position, float heading, int32_t quality,
                 float healthRatio);
// A hit: health becomes ratio × max (0 and dead with kill); raises EVENT_ENTITY_DAMAGED.
void damagePed(Game& game, Entity& victim, int32_t attacker, uint32_t weapon, int32_t bone,
               float healthRatio, bool kill);
// The player targets a ped with the inspect prompt (type 35); the panel opens a frame later.
void inspectPed(Game& game, int32_t ped);
void closeInspection(Game& game);
bool isRagdoll(const Game& game, const Entity& ped);

}  // namespace sim
