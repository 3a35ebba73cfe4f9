// Peds and the other entities: the game creating and hitting them, naming the ones a script
// created, and expectations on their decorators, their existence and where they are.
#include <cmath>

#include "sim/scenario/commands.h"
#include "sim/world/animals.h"
#include "sim/world/hash.h"

namespace sim::scenario {

namespace {

const ModelInfo& modelOf(const Args& a, size_t i) {
    const ModelInfo* model = modelCatalogue().find(a[i]);
    if (!model) malformed(a, "the game has no model '" + a[i] + "'");
    return *model;
}

struct SpawnOptions {
    int32_t quality = 1;
    float health = 1.0f;
};

SpawnOptions spawnOptions(const Args& a) {
    if (!a.is(2, "at")) malformed(a, "expected 'spawn ID MODEL at X Y Z'");
    a.position(3);
    modelOf(a, 1);
    SpawnOptions o;
    for (size_t i = 6; i < a.size(); i += 2) {
        if (a.is(i, "quality") && i + 1 < a.size()) {
            o.quality = static_cast<int32_t>(a.integer(i + 1));
        } else if (a.is(i, "health") && i + 1 < a.size()) {
            o.health = static_cast<float>(a.number(i + 1));
        } else {
            malformed(a, "expected 'quality Q' or 'health R' after the position");
        }
    }
    return o;
}

// "damage ID [by player|by ID2] [weapon NAME] [bone N|head] [health R] [impact M] [kill]"
struct DamageOptions {
    std::string by;  // empty: the player
    std::string weapon;
    int32_t bone = kBoneSpine;
    float health = 0.5f;
    float impact = kImpactAboveBone;
    bool kill = false;
};

DamageOptions damageOptions(const Args& a) {
    DamageOptions o;
    for (size_t i = 1; i < a.size(); ++i) {
        const bool hasValue = i + 1 < a.size();
        if (a.is(i, "kill")) {
            o.kill = true;
        } else if (a.is(i, "by") && hasValue) {
            o.by = a[++i] == "player" ? "" : a[i];
        } else if (a.is(i, "weapon") && hasValue) {
            o.weapon = a[++i];
            if (!findWeaponNamed(o.weapon))
                malformed(a, "the game has no weapon '" + o.weapon + "'");
        } else if (a.is(i, "bone") && hasValue) {
            o.bone = a.is(i + 1, "head") ? kBoneHead : static_cast<int32_t>(a.integer(i + 1));
            ++i;
        } else if (a.is(i, "head")) {
            o.bone = kBoneHead;
        } else if (a.is(i, "health") && hasValue) {
            o.health = static_cast<float>(a.number(++i));
        } else if (a.is(i, "impact") && hasValue) {
            o.impact = static_cast<float>(a.number(++i));
        } else {
            malformed(a, "unexpected '" + a[i] + "' in damage");
        }
    }
    return o;
}

// "newest", "newest MODEL", "newest animal", "newest human"
void checkNewest(const Args& a) {
    if (!a.is(1, "newest")) malformed(a, "expected 'name ID newest [MODEL|animal|human]'");
}

void checkDecoratorExpectation(const Args& a) {
    if (a.size() == 3) {
        a.number(2);
    } else if (a.size() == 5 && a.is(2, "between")) {
        a.number(3);
        a.number(4);
    } else {
        malformed(a, "expected 'expect decorator ID NAME V' or '... between A B'");
    }
}

}  // namespace

void registerPedCommands(CommandRegistry& r) {
    r.add({"spawn", Phase::Anywhere, 5, 9, [](const Args& a) { spawnOptions(a); },
           [](Runner& run, const Args& a) {
               const SpawnOptions o = spawnOptions(a);
               const Entity& e =
                   spawnPed(run.game(), modelOf(a, 1), a.position(3), 0.0f, o.quality, o.health);
               run.nameEntity(a[0], e.handle);
           }});
    r.add({"damage", Phase::Anywhere, 1, 12, [](const Args& a) { damageOptions(a); },
           [](Runner& run, const Args& a) {
               const DamageOptions o = damageOptions(a);
               Game& game = run.game();
               Entity& victim = entityOf(run, a, 0);
               const int32_t attacker =
                   o.by.empty() ? game.world().player.ped : run.entityNamed(o.by, a);
               // Without a weapon named: the attacker's weapon in hand; an animal's teeth.
               const Entity* by = game.world().entities.find(attacker);
               const ModelInfo* byModel = by ? game.world().models.find(by->model) : nullptr;
               const uint32_t weapon = !o.weapon.empty()                ? gameHash(o.weapon)
                                       : byModel && byModel->isAnimal() ? gameHash("WEAPON_ANIMAL")
                                       : by                             ? by->currentWeapon
                                                                        : kWeaponUnarmed;
               damagePed(game, victim, attacker, weapon, o.bone, o.health, o.kill, o.impact);
           }});
    r.add({"name", Phase::Anywhere, 2, 3, checkNewest, [](Runner& run, const Args& a) {
               World& world = run.game().world();
               const std::string kind = a.size() == 3 ? a[2] : "";
               const Entity* newest = nullptr;
               for (const auto& [handle, e] : world.entities.all()) {
                   if (e.kind != EntityKind::Ped || handle == world.player.ped) continue;
                   const ModelInfo* model = world.models.find(e.model);
                   const bool fits = kind.empty()       ? true
                                     : kind == "animal" ? model && model->isAnimal()
                                     : kind == "human"  ? model && model->human
                                                        : e.model == gameHash(kind);
                   if (fits && (!newest || e.serial > newest->serial)) newest = &e;
               }
               if (!newest) {
                   throw ExpectationFailed("no ped" + (kind.empty() ? "" : " (" + kind + ")") +
                                           " was created to name " + a[0]);
               }
               run.nameEntity(a[0], newest->handle);
           }});
    r.add({"expect decorator", Phase::Anywhere, 3, 5, checkDecoratorExpectation,
           [](Runner& run, const Args& a) {
               const Entity& e = entityOf(run, a, 0);
               auto it = e.decorators.find(a[1]);
               run.expect(it != e.decorators.end(), a[0] + " has no decorator " + a[1]);
               const DecoratorValue& v = it->second;
               const double value = v.type == DecoratorType::Float ? v.f : v.i;
               const std::string shown = std::to_string(value);
               if (a.size() == 3) {
                   run.expect(std::fabs(value - a.number(2)) <= 1e-4,
                              a[0] + " " + a[1] + " is " + shown + ", expected " + a[2]);
               } else {
                   run.expect(value >= a.number(3) - 1e-4 && value <= a.number(4) + 1e-4,
                              a[0] + " " + a[1] + " is " + shown + ", expected between " + a[3] +
                                  " and " + a[4]);
               }
           }});
    r.add({"expect no-decorator", Phase::Anywhere, 2, 2, nullptr, [](Runner& run, const Args& a) {
               const Entity& e = entityOf(run, a, 0);
               run.expect(!e.decorators.count(a[1]), a[0] + " has the decorator " + a[1]);
           }});
    r.add({"expect exists", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               run.expect(run.game().world().entities.exists(run.entityNamed(a[0], a)),
                          a[0] + " is no longer in the world");
           }});
    r.add({"expect gone", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               run.expect(!run.game().world().entities.exists(run.entityNamed(a[0], a)),
                          a[0] + " is still in the world");
           }});
    r.add({"expect near", Phase::Anywhere, 5, 5,
           [](const Args& a) {
               a.position(1);
               a.number(4);
           },
           [](Runner& run, const Args& a) {
               const Entity* e = run.game().world().entities.find(run.entityNamed(a[0], a));
               if (!e) throw ExpectationFailed(a[0] + " is no longer in the world");
               const Vec3 at = a.position(1);
               const double d = std::hypot(e->position.x - at.x, e->position.y - at.y);
               run.expect(d <= a.number(4), a[0] + " is " + std::to_string(d) +
                                                " m from the point, expected within " + a[4]);
           }});
}

}  // namespace sim::scenario
