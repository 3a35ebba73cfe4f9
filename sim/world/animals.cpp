#include "sim/world/animals.h"

#include <cmath>
#include <cstdio>

#include "sim/game.h"
#include "sim/world/events.h"
#include "sim/world/hash.h"

namespace sim {

namespace {

// Animal types the game gives its domestic and tiny animals (dogs, cats, rats, songbirds, fish).
constexpr uint32_t kTypeDog = 0x59F5325D;
constexpr uint32_t kTypeCat = 0x373AD87A;
constexpr uint32_t kTypeRat = 0xDC04C5CD;
constexpr uint32_t kTypeSongbird = 0xB126EFB8;
constexpr uint32_t kTypeFish = 0x9EB70D63;

ModelInfo animal(const char* name, const char* display, int32_t sizeClass) {
    return {name,      display, ModelKind::Animal, gameHash(std::string("animal_type_") + display),
            sizeClass, false};
}
ModelInfo excluded(const char* name, const char* display, uint32_t type, int32_t sizeClass) {
    return {name, display, ModelKind::Animal, type, sizeClass, false};
}
ModelInfo horse(const char* name) {
    return {name, "Horse", ModelKind::Horse, gameHash("animal_type_horse"), 5, false};
}
ModelInfo human(const char* name) {
    return {name, "", ModelKind::Human, 0, 0, false};
}

const char* qualityWord(int32_t quality) {
    switch (quality) {
        case 0:
            return "Poor";
        case 2:
            return "Perfect";
        default:
            return "Good";
    }
}

}  // namespace

uint32_t ModelInfo::hash() const {
    return gameHash(name);
}

std::string ModelInfo::peltItem(int32_t quality) const {
    return std::string(qualityWord(quality)) + " " + display + " Pelt";
}

std::string ModelInfo::carcassItem(int32_t quality) const {
    return std::string(qualityWord(quality)) + " " + display + " Carcass";
}

const std::vector<ModelInfo>& modelCatalogue() {
    static const std::vector<ModelInfo> models = [] {
        std::vector<ModelInfo> m = {
            // The animals hunting grounds are made of.
            animal("a_c_alligator_01", "Alligator", 4),
            animal("a_c_bear_01", "Grizzly Bear", 5),
            animal("a_c_buck_01", "Buck", 3),
            animal("a_c_cougar_01", "Cougar", 3),
            animal("a_c_bull_01", "Bull", 5),
            animal("a_c_moose_01", "Moose", 5),
            animal("a_c_panther_01", "Panther", 3),
            animal("a_c_boar_01", "Boar", 2),
            animal("a_c_coyote_01", "Coyote", 2),
            animal("a_c_duck_01", "Duck", 1),
            animal("a_c_goosecanada_01", "Canada Goose", 1),
            animal("a_c_pronghorn_01", "Pronghorn", 3),
            animal("a_c_rabbit_01", "Rabbit", 1),
            animal("a_c_bighornram_01", "Bighorn Ram", 3),
            // Other wild animals.
            animal("a_c_deer_01", "Deer", 3),
            animal("a_c_wolf", "Wolf", 2),
            animal("a_c_fox_01", "Fox", 2),
            animal("a_c_elk_01", "Elk", 4),
            animal("a_c_bison_01", "Bison", 5),
            animal("a_c_raccoon_01", "Raccoon", 1),
            // Domestic and tiny animals.
            excluded("a_c_dogcollie_01", "Collie", kTypeDog, 2),
            excluded("a_c_cat_01", "Cat", kTypeCat, 1),
            excluded("a_c_rat_01", "Rat", kTypeRat, 1),
            excluded("a_c_songbird_01", "Songbird", kTypeSongbird, 1),
            excluded("a_c_fishbluegil_01_sm", "Bluegill", kTypeFish, 1),
            horse("a_c_horse_morgan_bay"),
            horse("a_c_horse_americanpaint_greyovero"),
            human("player_zero"),
            human("player_three"),
            human("a_m_m_valfarmer_01"),
            human("a_f_m_valtownfolk_01"),
            human("s_m_m_valdeputy_01"),
            human("g_m_m_unicornwallgoons_01"),
        };
        ModelInfo legendary = animal("a_c_buck_legendary_01", "Legendary Buck", 3);
        legendary.fixedSize = true;
        m.push_back(legendary);
        return m;
    }();
    return models;
}

const ModelInfo* findModel(uint32_t hash) {
    for (const auto& model : modelCatalogue()) {
        if (model.hash() == hash) return &model;
    }
    return nullptr;
}

const ModelInfo* findModelNamed(const std::string& name) {
    return findModel(gameHash(name));
}

namespace {

const std::vector<std::pair<uint32_t, WeaponInfo>>& weapons() {
    static const std::vector<std::pair<uint32_t, WeaponInfo>> table = [] {
        const std::vector<WeaponInfo> list = {
            {"WEAPON_UNARMED", WeaponClass::Unarmed},
            {"WEAPON_MELEE_KNIFE", WeaponClass::Melee},
            {"WEAPON_MELEE_HATCHET", WeaponClass::Melee},
            {"WEAPON_LASSO", WeaponClass::Lasso},
            {"WEAPON_LASSO_REINFORCED", WeaponClass::Lasso},
            {"WEAPON_REVOLVER_CATTLEMAN", WeaponClass::Pistol},
            {"WEAPON_REPEATER_CARBINE", WeaponClass::Repeater},
            {"WEAPON_RIFLE_SPRINGFIELD", WeaponClass::Rifle},
            {"WEAPON_RIFLE_BOLTACTION", WeaponClass::Rifle},
            {"WEAPON_RIFLE_VARMINT", WeaponClass::Rifle},
            {"WEAPON_SNIPERRIFLE_ROLLINGBLOCK", WeaponClass::Sniper},
            {"WEAPON_SNIPERRIFLE_CARCANO", WeaponClass::Sniper},
            {"WEAPON_BOW", WeaponClass::Bow},
            {"WEAPON_HORSE", WeaponClass::Animal},
            {"WEAPON_ANIMAL", WeaponClass::Animal},
        };
        std::vector<std::pair<uint32_t, WeaponInfo>> t;
        for (const auto& w : list)
            t.emplace_back(gameHash(w.name), w);
        return t;
    }();
    return table;
}

}  // namespace

const WeaponInfo* findWeapon(uint32_t hash) {
    for (const auto& [h, info] : weapons()) {
        if (h == hash) return &info;
    }
    return nullptr;
}

const WeaponInfo* findWeaponNamed(const std::string& name) {
    return findWeapon(gameHash(name));
}

Vec3 bonePosition(const Entity& ped, int32_t bone) {
    const float s = ped.condition.scale;
    const float rad = ped.heading * 3.14159265f / 180.0f;
    const float fx = -std::sin(rad), fy = std::cos(rad);
    float forward = 0.0f, up = 0.0f;
    if (bone >= 0x384A && bone <= 0x384E) {
        forward = 0.9f;
        up = 1.1f;
    } else if (bone == kBoneSpine) {
        up = 0.8f;
    } else if (bone != 0) {
        up = 0.4f;
    }
    return {ped.position.x + fx * forward * s, ped.position.y + fy * forward * s,
            ped.position.z + up * s};
}

Entity& spawnPed(Game& game, const ModelInfo& model, Vec3 position, float heading, int32_t quality,
                 float healthRatio) {
    Entity& e = game.world().entities.create(EntityKind::Ped, model.hash(), position, heading);
    e.condition.quality = quality;
    e.health = e.maxHealth * healthRatio;
    game.world().events.push(kEventPedCreated, {static_cast<uint32_t>(e.handle)});
    game.report("world", model.name + " created as ped " + std::to_string(e.handle));
    return e;
}

void damagePed(Game& game, Entity& victim, int32_t attacker, uint32_t weapon, int32_t bone,
               float healthRatio, bool kill) {
    World& world = game.world();
    const float before = victim.health;
    victim.health = kill ? 0.0f : victim.maxHealth * healthRatio;
    victim.dead = victim.dead || kill || victim.health <= 0.0f;
    victim.condition.lastDamagedBone = bone;
    const ModelInfo* model = findModel(victim.model);
    if (!victim.dead && (!model || !model->isAnimal()) && healthRatio <= 0.15f) {
        victim.condition.writhing = true;
    }
    if (attacker == world.player.ped) {
        const Vec3 b = bonePosition(victim, bone);
        world.hunting.impactValid = true;
        world.hunting.lastImpact = {b.x, b.y, b.z + 0.05f};
    }
    // Slots: damaged entity, damaging entity, weapon, ammo, damage, (unused), bone, killed,
    // (unused).
    const float damage = before - victim.health;
    world.events.push(kEventEntityDamaged,
                      {static_cast<uint32_t>(victim.handle), static_cast<uint32_t>(attacker),
                       weapon, 0, std::bit_cast<uint32_t>(damage), 0, static_cast<uint32_t>(bone),
                       victim.dead ? 1u : 0u, 0});
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2f", victim.health / victim.maxHealth);
    game.report("world", "ped " + std::to_string(victim.handle) + " hit, health " + ratio +
                             (victim.dead ? ", dead" : ""));
}

void inspectPed(Game& game, int32_t ped) {
    std::vector<uint64_t> data(kPromptTriggeredSlots, 0);
    data[0] = 35;
    data[2] = static_cast<uint32_t>(ped);
    game.world().events.push(kEventPromptTriggered, std::move(data));
    // The event is read in the next frame; the panel is up from the frame after that.
    game.world().hunting.inspectionOpenFrom = game.frame() + 2;
}

void closeInspection(Game& game) {
    game.world().hunting.inspectionOpenFrom = 0;
}

bool isRagdoll(const Game& game, const Entity& ped) {
    return static_cast<int32_t>(ped.condition.ragdollUntil - game.timer()) > 0;
}

}  // namespace sim
