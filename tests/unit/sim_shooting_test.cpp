// The simulated game's shots: who hits what and how often, what a hit does and reports, and
// what a ped can see.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/natives.h"
#include "sim/game.h"
#include "sim/world/animals.h"
#include "sim/world/events.h"
#include "sim/world/hash.h"
#include "sim/world/shooting.h"
#include "sim/world/terrain.h"

namespace {

class SimShooting : public ::testing::Test {
  protected:
    void SetUp() override {
        // Reads the frame's damage events after the tasks have run.
        game.onFrameStart([this] {
            for (size_t i = 0; i < game.world().events.size(); ++i) {
                const sim::GameEvent* e = game.world().events.at(static_cast<int32_t>(i));
                if (e->type == sim::kEventEntityDamaged) damage.push_back(e->data);
            }
        });
    }
    void TearDown() override { EXPECT_FALSE(game.failed()) << game.failure(); }
    int32_t spawn(const char* model, sim::Vec3 at) {
        return sim::spawnPed(game, *game.world().models.find(std::string(model)), at, 0.0f, 1, 1.0f)
            .handle;
    }
    sim::Entity& entity(int32_t handle) { return *game.world().entities.find(handle); }
    static sim::Vec3 ground(float x, float y) { return {x, y, *sim::Terrain::heightAt(x, y)}; }
    int32_t hunterWithRifle(sim::Vec3 at, int32_t accuracy) {
        const int32_t hunter = spawn("a_m_m_huntertravelers_warm_01", at);
        entity(hunter).weapons[rifle] = 90;
        entity(hunter).currentWeapon = rifle;
        bf::natives::setPedAccuracy(hunter, accuracy);
        return hunter;
    }

    sim::Game game;
    std::vector<std::vector<uint64_t>> damage;
    const uint32_t rifle = sim::gameHash("WEAPON_RIFLE_BOLTACTION");
    const sim::Vec3 here = ground(1521.5f, 480.0f);
};

TEST_F(SimShooting, ASureShotKillsAndReportsTheShooterAndTheWeapon) {
    const int32_t hunter = hunterWithRifle(here, 100);
    const int32_t buck = spawn("a_c_buck_01", ground(here.x, here.y + 15));
    bf::natives::taskShootAtEntity(hunter, buck, 10000, 0xC6EE6B4C);
    game.advance(8000);
    ASSERT_FALSE(damage.empty());
    for (const auto& d : damage) {
        EXPECT_EQ(static_cast<int32_t>(d[0]), buck);
        EXPECT_EQ(static_cast<int32_t>(d[1]), hunter);
        EXPECT_EQ(static_cast<uint32_t>(d[2]), rifle);
    }
    EXPECT_TRUE(entity(buck).dead) << "no more than three body hits";
    EXPECT_EQ(damage.back()[7], 1u) << "the last hit reports the kill";
    EXPECT_EQ(bf::natives::getPedSourceOfDeath(buck), hunter);
    EXPECT_TRUE(bf::natives::hasEntityBeenDamagedByEntity(buck, hunter));
    EXPECT_FALSE(bf::natives::hasEntityBeenDamagedByEntity(buck, game.world().player.ped));
    EXPECT_FALSE(bf::natives::isPedUsingAnyScenario(hunter)) << "he stops once it is dead";
    EXPECT_LT(entity(hunter).weapons[rifle], 90);
}

TEST_F(SimShooting, HitChanceFollowsAccuracyAndDistance) {
    sim::Entity& shooter = entity(hunterWithRifle(here, 100));
    struct Case {
        int32_t accuracy;
        float distance;
        double chance;
    } cases[] = {{100, 10.0f, 1.0},
                 {50, 20.0f, 0.5},
                 {0, 5.0f, 0.0},
                 {100, 200.0f, 1.0 / 3.0},
                 {100, 201.0f, 0.0}};
    for (const Case& c : cases) {
        shooter.accuracy = c.accuracy;
        EXPECT_NEAR(sim::hitChance(shooter, c.distance), c.chance, 1e-6)
            << c.accuracy << " at " << c.distance;
    }
    shooter.accuracy = 90;
    EXPECT_GT(sim::hitChance(shooter, 30.0f), sim::hitChance(shooter, 90.0f));

    // Over many shots a skilled hunter at 40 m hits about as often as the chance says, and
    // about a third of his hits are to the head.
    const sim::Vec3 bearAt = ground(here.x, here.y + 40);
    sim::Entity& bear = entity(spawn("a_c_bear_01", bearAt));
    int hits = 0, heads = 0;
    for (int i = 0; i < 400; ++i) {
        bear.health = bear.maxHealth;
        bear.dead = false;
        bear.position = bearAt;
        bear.fleeUntil = 0;
        shooter.weapons[rifle] = 90;
        damage.clear();
        sim::fireShot(game, shooter, bear);
        game.runFrame();
        if (!damage.empty()) {
            ++hits;
            heads += static_cast<int32_t>(damage[0][6]) == sim::kBoneHead;
        }
    }
    const double expected = 400 * sim::hitChance(shooter, 40.0f);
    EXPECT_NEAR(hits, expected, 40);
    EXPECT_NEAR(heads, hits * (0.1 + 0.3 * 0.9), 30);
}

TEST_F(SimShooting, AMissedAnimalRunsAndTheShooterShowsAsShooting) {
    const int32_t hunter = hunterWithRifle(here, 0);
    const int32_t buck = spawn("a_c_buck_01", ground(here.x, here.y + 20));
    bf::natives::taskShootAtEntity(hunter, buck, 3000, 0xC6EE6B4C);
    bool sawShooting = false;
    for (int i = 0; i < 60; ++i) {
        game.runFrame();
        sawShooting |= bf::natives::isPedShooting(hunter);
    }
    EXPECT_TRUE(sawShooting);
    EXPECT_TRUE(damage.empty()) << "accuracy 0 never hits";
    EXPECT_TRUE(bf::natives::isPedFleeing(buck));
    game.advance(2000);
    EXPECT_FALSE(bf::natives::isPedShooting(hunter));
}

TEST_F(SimShooting, SightReachesSoFarTheGroundBlocksItAndItTakesAMomentToBeSure) {
    const int32_t hunter = spawn("a_m_m_huntertravelers_cool_01", here);
    const int32_t near = spawn("a_c_buck_01", ground(here.x + 60, here.y));
    const int32_t far = spawn("a_c_buck_01", ground(here.x + sim::kSightRange + 5, here.y));
    auto sight = [&](int32_t entity) {
        return bf::invoke<int32_t>(0x7F9B9791D4CB71F6, hunter, entity, 0, 0);
    };
    EXPECT_EQ(sight(near), 2) << "not sure yet";
    EXPECT_EQ(sight(far), 0);
    game.advance(400);
    EXPECT_EQ(sight(near), 2);
    game.advance(200);
    EXPECT_EQ(sight(near), 1);
    EXPECT_TRUE(bf::natives::canPedSeeEntity(hunter, near));
    // Down in a hollow, 4 m below the ground round him, he sees the slope, not the buck.
    entity(hunter).position.z -= 4.0f;
    EXPECT_EQ(sight(near), 0);
    entity(hunter).position.z += 4.0f;
    EXPECT_EQ(sight(near), 2) << "back in view, he must make sure again";
}

TEST_F(SimShooting, AnArmedManFightsBackAndALassoCatchesHim) {
    const int32_t player = game.world().player.ped;
    const int32_t hunter = hunterWithRifle(here, 80);
    EXPECT_FALSE(bf::natives::isPedInCombat(hunter, player));
    EXPECT_EQ(bf::natives::getCurrentTargetForPed(hunter), 0u);
    sim::damagePed(game, entity(hunter), player, rifle, sim::kBoneSpine, 0.7f, false);
    EXPECT_TRUE(bf::natives::isPedInCombat(hunter, player));
    EXPECT_EQ(bf::natives::getCurrentTargetForPed(hunter), static_cast<uint32_t>(player))
        << "he fights the player";
    EXPECT_EQ(bf::natives::countPedsInCombatWithTarget(player, false), 1);

    const int32_t other = spawn("a_m_m_rancher_01", here);
    sim::damagePed(game, entity(other), player, sim::gameHash("WEAPON_LASSO"), sim::kBoneSpine,
                   1.0f, false);
    EXPECT_TRUE(bf::natives::isPedLassoed(other));
    EXPECT_EQ(bf::natives::getCurrentTargetForPed(other), 0u) << "caught, he targets nobody";
}

}  // namespace

namespace {

// The opponent's hunt as the plug-in drives it: search, see, stalk closer in stealth, aim, shoot.
TEST_F(SimShooting, AStalkingHunterFindsAndTakesTheAnimal) {
    const int32_t hunter = hunterWithRifle(here, 87);
    const int32_t buck = spawn("a_c_buck_01", ground(here.x + 30, here.y + 35));
    int64_t nearby[21] = {20};
    const int32_t count = bf::natives::getPedNearbyPeds(hunter, nearby, -1, -1);
    ASSERT_GE(count, 1);
    // The player, 40 m off, may come first.
    EXPECT_NE(std::find(nearby + 1, nearby + 1 + count, buck), nearby + 1 + count);
    bf::natives::canPedSeeEntity(hunter, buck);
    game.advance(sim::kSightSettleMs);
    ASSERT_TRUE(bf::natives::canPedSeeEntity(hunter, buck));

    const float range = bf::natives::getAnimalTuningFloatParam(buck, 82);
    EXPECT_GT(range, 20.0f);
    const float approach = std::min(50.0f * 2 / 3, (1 + 0.87f * 0.5f) * range);
    bf::natives::setPedStealth(hunter, 1.0f);
    int32_t sequence = 0;
    bf::natives::openSequenceTask(&sequence);
    bf::natives::taskLookAtEntity(0, buck);
    bf::natives::taskSeekClearLosToEntity(0, buck, 50.0f, 0.75f);
    bf::natives::taskSetCrouchMovement(0, true);
    bf::natives::taskSeekClearLosToEntity(0, buck, approach, 0.5f);
    bf::natives::taskAimGunAtEntity(0, buck, 3000);
    bf::natives::taskShootAtEntity(0, buck, 7000, 0xC6EE6B4C);
    bf::natives::closeSequenceTask(sequence);
    bf::natives::taskPerformSequence(hunter, sequence);
    bf::natives::clearSequenceTask(&sequence);

    int32_t progress = 0;
    for (int i = 0; i < 60 * 30 && progress != -1; ++i) {
        game.runFrame();
        progress = bf::natives::getSequenceProgress(hunter);
        if (progress >= 0 && progress < 4) {
            EXPECT_TRUE(damage.empty()) << "no shot before the aim";
        }
    }
    EXPECT_EQ(progress, -1);
    ASSERT_FALSE(damage.empty()) << "an 87 hunter at about 33 m hits within seven seconds";
    EXPECT_EQ(static_cast<int32_t>(damage[0][1]), hunter);
    EXPECT_TRUE(bf::natives::hasEntityBeenDamagedByEntity(buck, hunter));
}

// Lying limp, writhing and being grappled are three states: a hit knocks a ped over for a moment,
// a low one leaves a person or a medium animal or larger writhing, the dead lie limp, and the
// world has no grapples.
TEST_F(SimShooting, AHitKnocksOverALowOneLeavesWrithingAndTheDeadLieLimp) {
    struct Case {
        const char* model;
        float health;
        bool kill;
        bool writhes;
    };
    const Case cases[] = {
        {"a_m_m_rancher_01", 0.15f, false, true}, {"a_m_m_rancher_01", 0.16f, false, false},
        {"a_c_buck_01", 0.1f, false, true},       {"a_c_rabbit_01", 0.1f, false, false},
        {"a_c_buck_01", 0.0f, true, false},
    };
    const int32_t player = game.world().player.ped;
    for (const Case& c : cases) {
        const int32_t ped = spawn(c.model, ground(here.x + 10, here.y));
        EXPECT_FALSE(bf::natives::isPedRagdoll(ped)) << c.model;
        sim::damagePed(game, entity(ped), player, rifle, sim::kBoneSpine, c.health, c.kill);
        EXPECT_TRUE(bf::natives::isPedRagdoll(ped)) << c.model << " " << c.health;
        EXPECT_EQ(bf::natives::isPedInWrithe(ped), c.writhes) << c.model << " " << c.health;
        game.advance(sim::kKnockDownMs + 100);
        EXPECT_EQ(bf::natives::isPedRagdoll(ped), c.kill) << c.model << " " << c.health;
        EXPECT_EQ(bf::natives::isPedInWrithe(ped), c.writhes) << c.model << " " << c.health;
        EXPECT_FALSE(bf::natives::getPedIsBeingGrappled(ped));
    }
}

}  // namespace
