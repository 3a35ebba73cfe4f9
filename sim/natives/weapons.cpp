// Weapons: has, give, equip, current, and what class a weapon is.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

namespace {

NativeHandler classQuery(bool (*test)(WeaponClass)) {
    return [test](NativeCall& c) { c.retBool(test(weaponClassOf(c.u32(0)))); };
}

}  // namespace

void registerWeaponNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    t.add(0x6E4E1A82081EABED, "_IS_WEAPON_LASSO", 1, Result::Int32,
          classQuery([](WeaponClass k) { return k == WeaponClass::Lasso; }));
    t.add(0x705BE297EEBDB95D, "IS_WEAPON_A_GUN", 1, Result::Int32, classQuery(isGun));
    t.add(0xC4DEC3CA8C365A5D, "IS_WEAPON_BOW", 1, Result::Int32,
          classQuery([](WeaponClass k) { return k == WeaponClass::Bow; }));
    // Rifles only: sniper rifles and repeaters have natives of their own.
    t.add(0x0A82317B7EBFC420, "IS_WEAPON_RIFLE", 1, Result::Int32,
          classQuery([](WeaponClass k) { return k == WeaponClass::Rifle; }));
    t.add(0x6AD66548840472E5, "_IS_WEAPON_SNIPER", 1, Result::Int32,
          classQuery([](WeaponClass k) { return k == WeaponClass::Sniper; }));
    t.add(0x8DECB02F88F428BC, "HAS_PED_GOT_WEAPON", 4, Result::Int32, [&world](NativeCall& c) {
        const Entity* e = world.entities.find(c.i32(0));
        c.retBool(e && e->weapons.count(c.u32(1)));
    });
    t.add(0xB282DC6EBD803C75, "GIVE_DELAYED_WEAPON_TO_PED", 5, Result::Void,
          [&world](NativeCall& c) {
              Entity* e = world.entities.find(c.i32(0));
              if (!e || e->kind != EntityKind::Ped) return;
              e->weapons[c.u32(1)] += std::max(0, c.i32(2));
              e->weapons.emplace(kWeaponUnarmed, 0);
          });
    // A ped can only take in hand a weapon it has (its hands always).
    t.add(0xADF692B254977C0C, "SET_CURRENT_PED_WEAPON", 6, Result::Void, [&world](NativeCall& c) {
        Entity* e = world.entities.find(c.i32(0));
        const uint32_t weapon = c.u32(1);
        if (!e || (weapon != kWeaponUnarmed && !e->weapons.count(weapon))) return;
        e->currentWeapon = weapon;
    });
    // Writes the 32-bit weapon hash; the attach points other than the hand (0) hold nothing.
    t.add(0x3A87E44BB9A01D54, "GET_CURRENT_PED_WEAPON", 5, Result::Int32, [&world](NativeCall& c) {
        const Entity* e = world.entities.find(c.i32(0));
        uint32_t* out = c.ptr<uint32_t>(1);
        if (!e || !out) {
            c.retBool(false);
            return;
        }
        *out = c.i32(3) == 0 ? e->currentWeapon : kWeaponUnarmed;
        c.retBool(true);
    });
}

}  // namespace sim
