// The simulated game's tasks: sequences and their progress, busy peds, the navigation mesh they
// need, and animals wandering and fleeing on their own.
#include <gtest/gtest.h>

#include "core/natives.h"
#include "sim/game.h"
#include "sim/world/animals.h"
#include "sim/world/behaviour.h"
#include "sim/world/hash.h"
#include "sim/world/navmesh.h"
#include "sim/world/shooting.h"
#include "sim/world/terrain.h"

namespace {

using bf::Vector3;

class SimTasks : public ::testing::Test {
  protected:
    void TearDown() override {
        if (!failureExpected) {
            EXPECT_FALSE(game.failed()) << game.failure();
        }
    }
    int32_t spawn(const char* model, sim::Vec3 at) {
        return sim::spawnPed(game, *game.world().models.find(std::string(model)), at, 0.0f, 1, 1.0f)
            .handle;
    }
    sim::Entity& entity(int32_t handle) { return *game.world().entities.find(handle); }
    sim::Vec3 playerAt() { return entity(game.world().player.ped).position; }
    // That far east of the player, on the ground.
    sim::Vec3 east(float dx) {
        const sim::Vec3 p = playerAt();
        return {p.x + dx, p.y, *sim::Terrain::heightAt(p.x + dx, p.y)};
    }

    sim::Game game;
    bool failureExpected = false;
};

TEST_F(SimTasks, ASequenceRunsInOrderAndEndsWithProgressMinusOne) {
    const sim::Vec3 p = playerAt();
    const int32_t hunter = spawn("a_m_m_huntertravelers_cool_01", {p.x + 5, p.y, p.z});
    const int32_t rancher = spawn("a_m_m_rancher_01", {p.x + 35, p.y, p.z});  // stands still
    int32_t sequence = 0;
    bf::natives::openSequenceTask(&sequence);
    ASSERT_NE(sequence, 0);
    bf::natives::taskClearLookAt(0);
    bf::natives::taskSetCrouchMovement(0, true);
    bf::natives::taskFollowNavMeshToCoord(0, {p.x + 25, p.y, p.z}, 1.0f);
    bf::natives::taskLookAtEntity(0, rancher);
    bf::natives::closeSequenceTask(sequence);
    EXPECT_EQ(bf::natives::getSequenceProgress(hunter), -1) << "nothing performed yet";
    bf::natives::taskPerformSequence(hunter, sequence);
    bf::natives::clearSequenceTask(&sequence);
    EXPECT_EQ(sequence, 0);

    game.runFrame();  // the two instant tasks hand over to the walk in the same frame
    EXPECT_EQ(bf::natives::getSequenceProgress(hunter), 2);
    EXPECT_TRUE(entity(hunter).crouching);
    EXPECT_FALSE(bf::natives::isPedUsingAnyScenario(hunter)) << "walking is no scenario";
    game.advance(15000);
    EXPECT_EQ(bf::natives::getSequenceProgress(hunter), 2) << "20 m crouched take 20 s";
    game.advance(6000);
    EXPECT_EQ(bf::natives::getSequenceProgress(hunter), -1);
    EXPECT_TRUE(bf::natives::isPedHeadtrackingPed(hunter, rancher));
}

TEST_F(SimTasks, UsingTheNearestScenarioTakesAPointWithinTheDistanceOrEndsAtOnce) {
    const int32_t hunter = spawn("a_m_m_huntertravelers_cool_01", east(5));
    const sim::Vec3 at = east(8);
    bf::natives::taskUseNearestScenarioToCoord(hunter, {at.x, at.y, at.z}, 10.0f, 3000);
    EXPECT_FALSE(bf::natives::isPedUsingAnyScenario(hunter)) << "no point near: over at once";
    game.runFrame();
    EXPECT_FALSE(entity(hunter).tasks.busy());

    sim::ScenarioPoints& points = game.world().scenarioPoints;
    const uint32_t smoke = sim::gameHash("WORLD_HUMAN_SMOKE");
    points.create(east(30), 1.0f, smoke);  // too far from the coordinates
    ASSERT_NE(points.create(east(14), 1.0f, smoke), 0);
    bf::natives::taskUseNearestScenarioToCoord(hunter, {at.x, at.y, at.z}, 10.0f, 3000);
    EXPECT_TRUE(bf::natives::isPedUsingAnyScenario(hunter)) << "on his way to it";
    game.advance(6500);  // 9 m at a walk
    EXPECT_NEAR(sim::horizontalDistance(entity(hunter).position, east(14)), 0.0f, 0.6f);
    EXPECT_EQ(entity(hunter).trade.scenario, smoke);
    game.advance(3000);
    EXPECT_FALSE(bf::natives::isPedUsingAnyScenario(hunter)) << "its time is up";
}

TEST_F(SimTasks, SeekingAClearLineOfSightWalksOnlyUntilTheEntityIsInSight) {
    const struct {
        float away;
        bool walks;
    } cases[] = {{30.0f, false}, {160.0f, true}};
    for (const auto& c : cases) {
        const int32_t hunter = spawn("a_m_m_huntertravelers_cool_01", east(2));
        const int32_t rancher = spawn("a_m_m_rancher_01", east(2 + c.away));
        bf::natives::taskSeekClearLosToEntity(hunter, rancher, 15.0f, 1.5f);
        game.advance(60000);
        const float left =
            sim::horizontalDistance(entity(hunter).position, entity(rancher).position);
        EXPECT_FALSE(entity(hunter).tasks.busy()) << c.away;
        EXPECT_TRUE(sim::canSee(entity(hunter), entity(rancher))) << c.away;
        if (c.walks) {
            EXPECT_NEAR(left, sim::kSightRange, 2.0f) << "stops once he sees him";
        } else {
            EXPECT_NEAR(left, c.away, 0.01f) << "already in sight";
        }
    }
}

TEST_F(SimTasks, SequencesNeverClearedExhaustThePool) {
    int32_t sequence = 0;
    for (size_t i = 0; i < sim::TaskSequences::kPoolSize; ++i) {
        bf::natives::openSequenceTask(&sequence);
        bf::natives::closeSequenceTask(sequence);
    }
    EXPECT_FALSE(game.failed());
    bf::natives::openSequenceTask(&sequence);
    EXPECT_NE(game.failure().find("pool exhausted"), std::string::npos) << game.failure();
    failureExpected = true;
}

TEST_F(SimTasks, TheNavmeshLoadsRoundAPointAFewFramesAfterTheRequest) {
    const sim::Vec3 p = playerAt();
    const Vector3 near{p.x + 100, p.y, p.z}, far{p.x + 400, p.y, p.z};
    auto loaded = [](Vector3 at) {
        return bf::natives::isNavmeshLoadedInArea(at, {at.x + 1, at.y + 1, at.z + 1});
    };
    EXPECT_TRUE(loaded(near)) << "round the player";
    EXPECT_FALSE(loaded(far));
    EXPECT_FALSE(loaded({-9000.0f, 0.0f, 0.0f})) << "off the map there is none";

    // A hunter out there cannot find his way until the mesh is there.
    const int32_t hunter = spawn("a_m_m_huntertravelers_cool_01", {far.x, far.y, far.z});
    bf::natives::taskFollowNavMeshToCoord(hunter, {far.x + 20, far.y, far.z}, 1.0f);
    for (uint64_t frame = 0; frame < sim::Navmesh::kLoadFrames; ++frame) {
        EXPECT_FALSE(loaded(far)) << "frame " << frame;
        bf::natives::addNavmeshRequiredRegion(far.x, far.y, 120.0f);  // asked again each frame
        game.runFrame();
    }
    EXPECT_NEAR(entity(hunter).position.x, far.x, 0.1f) << "he waited";
    EXPECT_TRUE(loaded(far));
    game.advance(20000);
    EXPECT_NEAR(entity(hunter).position.x, far.x + 20, 0.6f);
    EXPECT_FALSE(bf::natives::isPedUsingAnyScenario(hunter));
}

TEST_F(SimTasks, AnimalsWanderRoundHomeAndRunFromAShot) {
    const sim::Vec3 p = playerAt();
    const sim::Vec3 home{p.x + 60, p.y, p.z};
    const int32_t buck = spawn("a_c_buck_01", home);
    float farthest = 0.0f;
    for (int i = 0; i < 120; ++i) {
        game.advance(1000);
        farthest = std::max(farthest, sim::horizontalDistance(entity(buck).position, home));
    }
    EXPECT_GT(farthest, 1.0f) << "it moves about";
    EXPECT_LE(farthest, sim::kWanderRadius + 0.5f) << "but stays round where it was created";

    const sim::Vec3 before = entity(buck).position;
    sim::damagePed(game, entity(buck), game.world().player.ped, sim::gameHash("WEAPON_BOW"),
                   sim::kBoneSpine, 0.8f, false);
    game.runFrame();
    EXPECT_TRUE(bf::natives::isPedFleeing(buck));
    game.advance(3000);
    EXPECT_GT(sim::horizontalDistance(entity(buck).position, p),
              sim::horizontalDistance(before, p) + 10.0f)
        << "away from the shooter";
}

}  // namespace
