// The simulated game answers each native as the game's native of that hash does, not as the
// plug-in's first reading of it had it: weapon classes, what an animal is, deaths and carriers,
// the player's law and control, the states of a person, and scenario points.
#include <gtest/gtest.h>

#include "core/natives.h"
#include "sim/game.h"
#include "sim/world/animals.h"
#include "sim/world/hash.h"
#include "sim/world/prop_sets.h"
#include "sim/world/terrain.h"

namespace {

class SimNatives : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_FALSE(game.failed()) << game.failure(); }
    sim::Vec3 east(float dx) {
        const sim::Vec3 p = player().position;
        return {p.x + dx, p.y, *sim::Terrain::heightAt(p.x + dx, p.y)};
    }
    int32_t spawn(const char* model, sim::Vec3 at) {
        return sim::spawnPed(game, *game.world().models.find(std::string(model)), at, 0.0f, 1, 1.0f)
            .handle;
    }
    sim::Entity& entity(int32_t handle) { return *game.world().entities.find(handle); }
    sim::Entity& player() { return *game.world().entities.find(game.world().player.ped); }

    sim::Game game;
};

TEST_F(SimNatives, WeaponClassesAreTheGames) {
    const struct {
        const char* weapon;
        bool gun, bow, rifle, sniper;
    } cases[] = {
        {"WEAPON_REVOLVER_CATTLEMAN", true, false, false, false},
        {"WEAPON_PISTOL_VOLCANIC", true, false, false, false},
        {"WEAPON_REPEATER_CARBINE", true, false, false, false},
        {"WEAPON_SHOTGUN_PUMP", true, false, false, false},
        {"WEAPON_RIFLE_SPRINGFIELD", true, false, true, false},
        {"WEAPON_SNIPERRIFLE_CARCANO", true, false, false, true},
        {"WEAPON_BOW", false, true, false, false},
        {"WEAPON_LASSO", false, false, false, false},
        {"WEAPON_MELEE_KNIFE", false, false, false, false},
        {"WEAPON_UNARMED", false, false, false, false},
    };
    for (const auto& c : cases) {
        const uint32_t w = sim::gameHash(c.weapon);
        EXPECT_EQ(bf::natives::isWeaponAGun(w), c.gun) << c.weapon;
        EXPECT_EQ(bf::natives::isWeaponBow(w), c.bow) << c.weapon;
        EXPECT_EQ(bf::natives::isWeaponRifle(w), c.rifle) << c.weapon;
        EXPECT_EQ(bf::natives::isWeaponSniper(w), c.sniper) << c.weapon;
    }
}

TEST_F(SimNatives, WhatAnAnimalIsComesFromItsModel) {
    const struct {
        const char* model;
        bool bird, predator, wild;
    } cases[] = {
        {"a_c_duck_01", true, false, true},
        {"a_c_goosecanada_01", true, false, true},
        {"a_c_cougar_01", false, true, true},
        {"a_c_wolf", false, true, true},
        {"a_c_buck_01", false, false, true},
        {"a_c_buck_legendary_01", false, false, true},
        {"a_c_horse_morgan_bay", false, false, false},
        {"a_c_dogcatahoulacur_01", false, false, false},
        {"a_c_bull_01", false, false, false},
        {"a_m_m_rancher_01", false, false, false},
    };
    for (const auto& c : cases) {
        const int32_t ped = spawn(c.model, east(5));
        EXPECT_EQ(bf::natives::getIsBird(ped), c.bird) << c.model;
        EXPECT_EQ(bf::natives::getIsPredator(ped), c.predator) << c.model;
        EXPECT_EQ(bf::natives::getAnimalIsWild(ped), c.wild) << c.model;
    }
    // A pelt answers for the animal it came from; only a looted carcass reads as looted.
    const int32_t horse = spawn("a_c_horse_morgan_bay", east(3));
    const int32_t pelt =
        sim::addCargo(game, entity(horse), sim::gameHash("a_c_bear_01"), true, 1, 0.0f).handle;
    const int32_t looted =
        sim::addCargo(game, entity(horse), sim::gameHash("a_c_boar_01"), false, 1, 0.0f, true)
            .handle;
    EXPECT_TRUE(bf::natives::getIsPredator(pelt));
    EXPECT_FALSE(bf::natives::isEntityFullyLooted(pelt));
    EXPECT_TRUE(bf::natives::isEntityFullyLooted(looted));
}

TEST_F(SimNatives, DeathsCarriersAndTargets) {
    const int32_t buck = spawn("a_c_buck_01", east(20));
    EXPECT_EQ(bf::natives::getPedTimeOfDeath(buck), 0);
    game.runFrames(3);
    const uint32_t before = game.timer();
    sim::damagePed(game, entity(buck), player().handle, sim::gameHash("WEAPON_BOW"),
                   sim::kBoneSpine, 0.0f, true);
    EXPECT_EQ(static_cast<uint32_t>(bf::natives::getPedTimeOfDeath(buck)) | 1u, before | 1u)
        << "the game time of the death, at once";

    EXPECT_EQ(bf::natives::getCarrierAsPed(buck), 0) << "lying there, nobody carries it";
    EXPECT_FALSE(bf::natives::isPedCarryingSomething(player().handle));
    player().trade.holding = buck;
    entity(buck).trade.heldBy = player().handle;
    EXPECT_EQ(bf::natives::getCarrierAsPed(buck), player().handle);
    EXPECT_TRUE(bf::natives::isPedCarryingSomething(player().handle));

    const int32_t hunter = spawn("a_m_m_huntertravelers_cool_01", east(4));
    const int32_t rabbit = spawn("a_c_rabbit_01", east(30));
    EXPECT_EQ(bf::natives::getCurrentTargetForPed(hunter), 0u);
    bf::natives::taskAimGunAtEntity(hunter, rabbit, 5000);
    EXPECT_EQ(bf::natives::getCurrentTargetForPed(hunter), static_cast<uint32_t>(rabbit));
    EXPECT_EQ(bf::natives::countPedsInCombatWithTarget(player().handle, 0), 0);
    sim::startFight(entity(hunter), player());
    EXPECT_EQ(bf::natives::getCurrentTargetForPed(hunter), static_cast<uint32_t>(player().handle));
    EXPECT_EQ(bf::natives::countPedsInCombatWithTarget(player().handle, 0), 1);
}

TEST_F(SimNatives, ThePlayersLawAndControl) {
    const int32_t index = 0;
    EXPECT_FALSE(bf::natives::isLawIncidentActive(index));
    EXPECT_TRUE(bf::natives::isPlayerControlOn(index));
    game.world().player.lawIncident = true;
    EXPECT_TRUE(bf::natives::isLawIncidentActive(index));
    game.world().player.controlOn = false;
    EXPECT_FALSE(bf::natives::isPlayerControlOn(index));
    game.world().player.controlOn = true;
    sim::markDead(player(), game.timer());
    EXPECT_FALSE(bf::natives::isPlayerControlOn(index)) << "a dead player has none";
}

TEST_F(SimNatives, ScenarioPointsComeWithPropsAndPostsAndNothingIsCreatedByLooking) {
    // Looking for an object creates none.
    const size_t points = game.world().scenarioPoints.all().size();
    const sim::Vec3 at = east(10);
    EXPECT_EQ(bf::natives::getClosestObjectOfType({at.x, at.y, at.z}, 10.0f,
                                                  sim::gameHash("PROP_HUMAN_SEAT_CHAIR_CIGAR")),
              0);
    EXPECT_EQ(game.world().scenarioPoints.all().size(), points);
    const int32_t post = sim::placeHitchingPost(game.world(), at).handle;
    EXPECT_EQ(
        bf::natives::getClosestObjectOfType({at.x + 3, at.y, at.z}, 10.0f, sim::kModelHitchingPost),
        post);

    // The post's point is found by its type, and only near it.
    const int32_t point =
        bf::natives::findScenarioOfTypeHash({at.x + 2, at.y, at.z}, 5.0f, sim::kModelHitchingPost);
    ASSERT_NE(point, 0);
    EXPECT_NE(point, post);
    EXPECT_EQ(
        bf::natives::findScenarioOfTypeHash({at.x + 40, at.y, at.z}, 5.0f, sim::kModelHitchingPost),
        0);

    // A camp-fire carries points; they go with the set.
    const uint32_t fire = sim::gameHash("pg_ambient_campfire01ax");
    bf::natives::requestPropSet(fire);
    game.runFrames(sim::PropSets::kLoadFrames + 1);
    const sim::Vec3 camp = east(60);
    const int32_t set = bf::natives::createPropSet(fire, {camp.x, camp.y, camp.z}, 0.0f);
    ASSERT_NE(set, 0);
    const uint32_t fireStand = sim::gameHash("WORLD_HUMAN_FIRE_STAND");
    EXPECT_NE(game.world().scenarioPoints.nearest(camp, 3.0f, fireStand), nullptr);
    bf::natives::deletePropSet(set);
    EXPECT_EQ(game.world().scenarioPoints.nearest(camp, 3.0f, fireStand), nullptr);
}

}  // namespace
