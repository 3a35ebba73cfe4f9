// Peds and animals: what an entity is and where, its body, wounds and death, weapons, the
// player's mount and last weapon impact, and the inspection panel.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "sim/game.h"
#include "sim/natives/domains.h"
#include "sim/world/models.h"

namespace sim {

namespace {

bool isAnimalPed(const World& world, const Entity& e) {
    const ModelInfo* model = world.models.find(e.model);
    return e.kind == EntityKind::Ped && model && model->isAnimal();
}

std::string pedName(const World& world, const Entity& e) {
    const ModelInfo* model = world.models.find(e.model);
    return "ped " + std::to_string(e.handle) + (model ? " (" + model->name + ")" : "");
}

}  // namespace

void registerAnimalNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    Entities& entities = world.entities;
    auto withEntity = [&entities](auto body) {
        return [&entities, body](NativeCall& c) {
            Entity* e = entities.find(c.i32(0));
            if (e) body(*e, c);
        };
    };

    // --- Entities: model and facing -------------------------------------------------------
    t.add(0xDA76A9F39210D365, "GET_ENTITY_MODEL", 1, Result::Int32,
          withEntity([](Entity& e, NativeCall& c) { c.retU32(e.model); }));
    t.add(0xC230DD956E2F5507, "GET_ENTITY_HEADING", 1, Result::Float,
          withEntity([](Entity& e, NativeCall& c) { c.retFloat(e.heading); }));

    // --- What a ped is ----------------------------------------------------------------------
    t.add(0x9A100F1CF4546629, "GET_IS_ANIMAL", 1, Result::Int32,
          withEntity([&world](Entity& e, NativeCall& c) { c.retBool(isAnimalPed(world, e)); }));
    t.add(0xB980061DA992779D, "IS_PED_HUMAN", 1, Result::Int32,
          withEntity([&world](Entity& e, NativeCall& c) {
              c.retBool(e.kind == EntityKind::Ped && !isAnimalPed(world, e));
          }));
    t.add(0x772A1969F649E902, "_IS_THIS_MODEL_A_HORSE", 1, Result::Int32, [&world](NativeCall& c) {
        const ModelInfo* model = world.models.find(c.u32(0));
        c.retBool(model && model->horse);
    });
    t.add(0xC346A546612C49A9, "_GET_IS_BIRD", 1, Result::Int32,
          withEntity([&world](Entity& e, NativeCall& c) {
              const ModelInfo* model = world.models.find(e.model);
              c.retBool(model && model->bird);
          }));
    t.add(0x7BCC6087D130312A, "_GET_PED_QUALITY", 1, Result::Int32,
          withEntity([](Entity& e, NativeCall& c) { c.ret(e.condition.quality); }));
    t.add(0xA65AA1ACE81E5A77, "_GET_PED_MODEL_SIZE_FROM_HASH", 1, Result::Int32,
          [&world](NativeCall& c) {
              const ModelInfo* model = world.models.find(c.u32(0));
              c.ret(model ? model->sizeClass : 0);
          });

    // --- Body -------------------------------------------------------------------------------
    // (ped, preset, unused): one of the model's own outfits.
    t.add(0x77FF8D35EEC6BBC4, "_EQUIP_META_PED_OUTFIT_PRESET", 3, Result::Void,
          withEntity([](Entity& e, NativeCall& c) {
              e.outfitPreset = c.i32(1);
              e.dressed = true;
          }));
    t.add(0x25ACFC650B65C538, "_SET_PED_SCALE", 2, Result::Void,
          withEntity([](Entity& e, NativeCall& c) { e.condition.scale = c.f32(1); }));
    // Rebuilding the ped's outfit and body after a change only redraws it.
    t.add(0xCC8CA3E88256E58F, "_UPDATE_PED_VARIATION", 6, Result::Void, [](NativeCall&) {});
    // Metres from the feet to the top of the head: a person's 1.8, an animal's by its size.
    t.add(0x1D491CCF7211FB74, "_GET_PED_HEIGHT", 1, Result::Float,
          withEntity([&world](Entity& e, NativeCall& c) {
              const ModelInfo* model = world.models.find(e.model);
              if (e.kind != EntityKind::Ped || !model) return c.retFloat(0.0f);
              const float standing = model->human ? 1.8f : 0.3f + 0.35f * model->sizeClass;
              c.retFloat(standing * e.condition.scale);
          }));
    t.add(0x17C07FC640E86B4E, "GET_PED_BONE_COORDS", 5, Result::Vector3,
          withEntity([](Entity& e, NativeCall& c) {
              const Vec3 b = bonePosition(e, c.i32(1));
              const Vec3 o = c.vec(2);
              c.retVec({b.x + o.x, b.y + o.y, b.z + o.z});
          }));

    // --- Health and wounds ------------------------------------------------------------------
    t.add(0x96C638784DB4C815, "_GET_ENTITY_HEALTH_FLOAT", 1, Result::Float,
          withEntity([](Entity& e, NativeCall& c) {
              c.retFloat(e.maxHealth > 0.0f ? e.health / e.maxHealth : 0.0f);
          }));
    // (entity, unused): health points when unhurt.
    t.add(0x15D757606D170C3C, "GET_ENTITY_MAX_HEALTH", 2, Result::Int32,
          withEntity([](Entity& e, NativeCall& c) { c.ret(static_cast<int32_t>(e.maxHealth)); }));
    // Its health points stay as they are, at most the new maximum.
    t.add(0x166E7CF68597D8B5, "SET_ENTITY_MAX_HEALTH", 2, Result::Void,
          withEntity([](Entity& e, NativeCall& c) {
              if (c.i32(1) <= 0) return;
              e.maxHealth = static_cast<float>(c.i32(1));
              e.health = std::min(e.health, e.maxHealth);
          }));
    // (entity, health points, killer): at most its maximum; 0 kills it, by that killer.
    t.add(0xAC2767ED8BDFAB15, "SET_ENTITY_HEALTH", 3, Result::Void,
          withEntity([&game](Entity& e, NativeCall& c) {
              if (e.dead) return;
              e.health = std::clamp(static_cast<float>(c.i32(1)), 0.0f, e.maxHealth);
              if (e.health <= 0.0f) {
                  markDead(e, game.timer());
                  e.killer = c.i32(2);
                  game.report("world", pedName(game.world(), e) + " dies");
              }
          }));
    // Writhing is a living ped's state: a dead or missing one never writhes.
    t.add(0xDEB6D52126E7D640, "IS_PED_IN_WRITHE", 1, Result::Int32,
          withEntity([](Entity& e, NativeCall& c) { c.retBool(isWrithing(e)); }));
    // The world has no grapples (no ped seizes another): nobody is ever held in one.
    t.add(0x3BDFCF25B58B0415, "GET_PED_IS_BEING_GRAPPLED", 1, Result::Int32,
          [](NativeCall& c) { c.retBool(false); });
    t.add(0x47E4E977581C5B55, "IS_PED_RAGDOLL", 1, Result::Int32,
          withEntity([&game](Entity& e, NativeCall& c) { c.retBool(isRagdoll(game, e)); }));
    t.add(0xD75960F6BD9EA49C, "GET_PED_LAST_DAMAGE_BONE", 2, Result::Int32,
          withEntity([](Entity& e, NativeCall& c) {
              if (int32_t* out = c.ptr<int32_t>(1)) *out = e.condition.lastDamagedBone;
              c.retBool(e.condition.lastDamagedBone != 0);
          }));
    // (ped, amount, armour first, bone, killer). Damage a script applies raises entity damaged
    // like any other, naming the killer it was given (0: none) and the weapon in its hand.
    t.add(0x697157CED63F18D4, "APPLY_DAMAGE_TO_PED", 5, Result::Void,
          withEntity([&game](Entity& e, NativeCall& c) {
              const int32_t amount = c.i32(1);
              if (amount <= 0 || e.dead) return;
              const float before = e.health;
              e.health = std::max(0.0f, e.health - static_cast<float>(amount));
              if (e.health <= 0.0f) {
                  markDead(e, game.timer());
                  e.condition.killedByDamage = true;
                  game.report("world", pedName(game.world(), e) + " died of its wounds");
              }
              const Entity* killer = game.world().entities.find(c.i32(4));
              raiseEntityDamaged(game, e, killer ? killer->handle : 0,
                                 killer ? killer->currentWeapon : 0, before - e.health, c.i32(3));
          }));
    // Lies on the ground for the shorter of the two times.
    t.add(0xAE99FB955581844A, "SET_PED_TO_RAGDOLL", 7, Result::Int32,
          withEntity([&game](Entity& e, NativeCall& c) {
              e.condition.ragdollUntil = game.timer() + static_cast<uint32_t>(c.i32(1));
              game.report("world", pedName(game.world(), e) + " collapses");
          }));
    t.add(0xFFD54D9FE71B966A, "_SET_PED_ACTIVATE_WOUND_EFFECT", 10, Result::Void,
          withEntity([&game](Entity& e, NativeCall& c) {
              ++e.condition.bloodEffects;
              char bone[16];
              std::snprintf(bone, sizeof bone, "0x%X", c.u32(2));
              game.report("world", pedName(game.world(), e) + " bleeds at bone " + bone);
          }));
    t.add(0x66B1CB778D911F49, "_UPDATE_PED_WOUND_EFFECT", 2, Result::Void,
          withEntity([](Entity& e, NativeCall&) { e.condition.bloodEffects = 0; }));

    // --- The player -------------------------------------------------------------------------
    t.add(0x217E9DC48139933D, "PLAYER_ID", 0, Result::Int32, [](NativeCall& c) { c.ret(0); });
    t.add(0xB48050D326E9A2F3, "_GET_SADDLE_HORSE_FOR_PLAYER", 1, Result::Int32,
          [&game](NativeCall& c) {
              const int32_t mount = game.world().hunting.playerMount;
              c.ret(c.i32(0) == 0 && game.world().entities.exists(mount) ? mount : 0);
          });
    t.add(0xDB30BEC7A7A5CBD3, "IS_ANY_UIAPP_RUNNING", 0, Result::Int32, [&game](NativeCall& c) {
        const uint64_t from = game.world().hunting.inspectionOpenFrom;
        c.retBool(from != 0 && game.frame() >= from);
    });
}

}  // namespace sim
