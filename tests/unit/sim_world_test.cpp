// The simulated game's world round a hunters' camp: prop sets, relationship groups, the air
// temperature and clearing an area.
#include <gtest/gtest.h>

#include "core/natives.h"
#include "sim/game.h"
#include "sim/world/animals.h"
#include "sim/world/hash.h"
#include "sim/world/prop_sets.h"

namespace {

using bf::Vector3;

class SimWorld : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_FALSE(game.failed()) << game.failure(); }
    int32_t spawn(const char* model, sim::Vec3 at) {
        return sim::spawnPed(game, *game.world().models.find(std::string(model)), at, 0.0f, 1, 1.0f)
            .handle;
    }
    sim::Entity& player() { return *game.world().entities.find(game.world().player.ped); }

    sim::Game game;
};

TEST_F(SimWorld, PropSetsLoadThenAreCreatedReleasedAndDeleted) {
    const uint32_t tent = sim::gameHash("pg_ambcamp01x_tent_hide");
    const uint32_t unknown = sim::gameHash("pg_no_such_set");
    const Vector3 at{1530.0f, 450.0f, 92.0f};
    EXPECT_EQ(bf::natives::createPropSet(tent, at, 0.0f), 0) << "never requested";
    bf::natives::requestPropSet(tent);
    bf::natives::requestPropSet(unknown);
    for (uint64_t frame = 0; frame < sim::PropSets::kLoadFrames; ++frame) {
        EXPECT_FALSE(bf::natives::hasPropSetLoaded(tent)) << "frame " << frame;
        EXPECT_EQ(bf::natives::createPropSet(tent, at, 0.0f), 0);
        game.runFrame();
    }
    EXPECT_TRUE(bf::natives::hasPropSetLoaded(tent));
    game.runFrames(100);
    EXPECT_FALSE(bf::natives::hasPropSetLoaded(unknown)) << "the game has no such set";

    const int32_t kept = bf::natives::createPropSet(tent, at, 0.0f);
    const int32_t released = bf::natives::createPropSet(tent, at, 90.0f);
    ASSERT_NE(kept, 0);
    ASSERT_NE(released, 0);
    EXPECT_NE(kept, released);
    bf::natives::releasePropSet(released);
    game.runFrames(10);
    EXPECT_TRUE(game.world().propSets.exists(released)) << "while the player is near";
    player().position = {at.x + 300.0f, at.y, at.z};
    game.runFrame();
    EXPECT_FALSE(game.world().propSets.exists(released));
    EXPECT_TRUE(game.world().propSets.exists(kept)) << "held by the script";
    bf::natives::deletePropSet(kept);
    EXPECT_FALSE(game.world().propSets.exists(kept));
}

TEST_F(SimWorld, RelationshipGroupsAndTheLevelsBetweenThem) {
    const int32_t hunter = spawn("a_m_m_huntertravelers_cool_01", {1570.0f, 440.0f, 92.0f});
    const uint32_t civil = sim::gameHash("REL_CIV_MALE");
    EXPECT_EQ(bf::natives::getPedRelationshipGroupDefaultHash(hunter), civil);
    uint32_t group = 0;
    EXPECT_TRUE(bf::natives::addRelationshipGroup("VX_Brackenfold_Hunters", &group));
    EXPECT_EQ(group, sim::gameHash("VX_Brackenfold_Hunters"));
    bf::natives::setPedRelationshipGroupHash(hunter, group);
    EXPECT_EQ(bf::natives::getPedRelationshipGroupHash(hunter), group);
    EXPECT_EQ(bf::natives::getPedRelationshipGroupDefaultHash(hunter), civil);
    bf::natives::setPedRelationshipGroupHash(hunter, sim::gameHash("NO_SUCH_GROUP"));
    EXPECT_EQ(bf::natives::getPedRelationshipGroupHash(hunter), group) << "unknown group";

    const uint32_t playerGroup = bf::natives::getPedRelationshipGroupHash(player().handle);
    const sim::Relationships& levels = game.world().relationships;
    EXPECT_EQ(levels.level(group, playerGroup), sim::Relationships::kNeutral);
    bf::natives::setRelationshipBetweenGroups(1, playerGroup, group);
    EXPECT_EQ(levels.level(playerGroup, group), 1);
    EXPECT_EQ(levels.level(group, playerGroup), sim::Relationships::kNeutral) << "one way";

    // A group that hates the player's turns on him when he is near, and only then.
    bf::natives::setRelationshipBetweenGroups(5, group, playerGroup);
    game.runFrame();
    EXPECT_FALSE(bf::natives::isPedInCombat(hunter, player().handle)) << "still 48 m off";
    player().position.x = 1540.0f;  // 30 m
    game.runFrame();
    EXPECT_TRUE(bf::natives::isPedInCombat(hunter, player().handle));
}

TEST_F(SimWorld, ColderNorthAndUpHigh) {
    struct Place {
        const char* name;
        Vector3 at;
        float above, below;
    } places[] = {{"the city by the bayou", {2630.0f, -1300.0f, 45.0f}, 30.0f, 40.0f},
                  {"the town in the heartlands", {-280.0f, 800.0f, 115.0f}, 10.0f, 20.0f},
                  {"the northern peaks", {-1300.0f, 2400.0f, 1200.0f}, -10.0f, 5.0f}};
    for (const Place& p : places) {
        const float t = bf::natives::getTemperatureAtCoords(p.at);
        EXPECT_GT(t, p.above) << p.name;
        EXPECT_LT(t, p.below) << p.name;
    }
    const Vector3 low{0.0f, 0.0f, 100.0f}, high{0.0f, 0.0f, 600.0f}, north{0.0f, 1000.0f, 100.0f};
    EXPECT_GT(bf::natives::getTemperatureAtCoords(low), bf::natives::getTemperatureAtCoords(high));
    EXPECT_GT(bf::natives::getTemperatureAtCoords(low), bf::natives::getTemperatureAtCoords(north));
}

TEST_F(SimWorld, ClearingAnAreaTakesTheGamesOwnPedsAndLeavesTheScriptsAndThePlayers) {
    const sim::Vec3 camp{1540.0f, 440.0f, 92.0f};
    const int32_t ambient = spawn("a_c_rabbit_01", {camp.x + 5, camp.y, camp.z});
    const int32_t outside = spawn("a_c_rabbit_01", {camp.x + 30, camp.y, camp.z});
    const int32_t owned = spawn("a_m_m_rancher_01", {camp.x - 5, camp.y, camp.z});
    game.world().entities.find(owned)->missionEntity = true;
    player().position = camp;
    bf::natives::clearArea({camp.x, camp.y, camp.z}, 20.0f, 0x7FFFFFFF);
    EXPECT_FALSE(bf::natives::doesEntityExist(ambient));
    EXPECT_TRUE(bf::natives::doesEntityExist(outside));
    EXPECT_TRUE(bf::natives::doesEntityExist(owned));
    EXPECT_TRUE(bf::natives::doesEntityExist(player().handle));
}

// Size and tuning are the species': the game's size classes start at 0; the tuning flags are the
// same for every animal of a kind and false for people and for indices the world does not hold.
TEST_F(SimWorld, SizeClassesFromZeroAndTuningBySpecies) {
    const std::pair<const char*, int32_t> sizes[] = {
        {"a_c_rabbit_01", 0}, {"a_c_coyote_01", 1}, {"a_c_buck_01", 2}, {"a_c_bear_01", 4}};
    for (const auto& [model, size] : sizes)
        EXPECT_EQ(bf::natives::getPedModelSizeFromHash(sim::gameHash(model)), size) << model;
    struct Case {
        const char* model;
        int32_t index;
        bool value;
    };
    const Case cases[] = {
        {"a_c_buck_01", 28, true},           {"a_c_cougar_01", 28, false},
        {"a_c_goosecanada_01", 58, true},    {"a_c_buck_01", 58, false},
        {"a_c_buck_01", 53, false},          {"a_m_m_rancher_01", 28, false},
        {"a_c_fishbluegil_01_sm", 64, true},
    };
    for (const Case& c : cases) {
        const int32_t ped = spawn(c.model, {1530.0f, 450.0f, 92.0f});
        EXPECT_EQ(bf::natives::getAnimalTuningBoolParam(ped, c.index), c.value)
            << c.model << " " << c.index;
    }
}

// Money is taken only when the player has all of it; a negative amount takes nothing.
TEST_F(SimWorld, CashIsTakenOnlyWhenThePlayerHasIt) {
    const std::tuple<int32_t, bool, int64_t> cases[] = {
        {2500, true, 7500}, {-500, false, 7500}, {7501, false, 7500}, {7500, true, 0}};
    game.world().player.cashCents = 10000;
    for (const auto& [cents, taken, left] : cases) {
        EXPECT_EQ(bf::natives::removePlayerCash(cents), taken) << cents;
        EXPECT_EQ(game.world().player.cashCents, left) << cents;
    }
}

}  // namespace
