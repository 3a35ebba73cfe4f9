// Shared game operations: directions, distances, ground height, random entries.
#include <gtest/gtest.h>

#include "core/runtime.h"
#include "plugin_fixture.h"
#include "world/game_ops.h"

namespace {

constexpr uint64_t kRandomInt = 0xD53343AA4FB7DD28;

class GameOpsTest : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        bf::runtime().playerPed = game().world().player.ped;
    }
    sim::Entity& player() { return *game().world().entities.find(game().world().player.ped); }
};

TEST_F(GameOpsTest, DistancesAndHorizontalDistance) {
    player().position = {10.0f, 0.0f, 50.0f};
    const int32_t ped = player().handle;
    EXPECT_FLOAT_EQ(bf::distance(ped, bf::Vector3{13.0f, 4.0f, 50.0f}), 5.0f);
    EXPECT_FLOAT_EQ(bf::planarDistance({0.0f, 0.0f, 100.0f}, {3.0f, 4.0f, -7.0f}), 5.0f);
    EXPECT_FLOAT_EQ(bf::distance(bf::Vector3{1.0f, 2.0f, 3.0f}, bf::Vector3{1.0f, 2.0f, 15.0f}),
                    12.0f);
}

TEST_F(GameOpsTest, VectorArithmeticAndClamp) {
    const bf::Vector3 n = bf::normalized({3.0f, 0.0f, 4.0f});
    EXPECT_FLOAT_EQ(n.x, 0.6f);
    EXPECT_FLOAT_EQ(n.z, 0.8f);
    const bf::Vector3 zero = bf::normalized({});
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    const bf::Vector3 v = (bf::Vector3{1, 2, 3} - bf::Vector3{1, 1, 1}) * 2.0f + bf::Vector3{};
    EXPECT_FLOAT_EQ(v.z, 4.0f);
    EXPECT_FLOAT_EQ(bf::clampValue(7.5f, 0, 5), 5.0f);
    EXPECT_FLOAT_EQ(bf::clampValue(-1.5f, 0, 5), 0.0f);
    EXPECT_FLOAT_EQ(bf::clampValue(2.5f, 0, 5), 2.5f);
}

TEST_F(GameOpsTest, RandomEntryOfEmptyAndOneEntryLists) {
    game().setRecording(true);
    EXPECT_EQ(bf::randomEntry({}), nullptr);
    EXPECT_TRUE(game().recordedOf(kRandomInt).empty()) << "no draw for an empty list";
    const char* only = "GENERIC_NO";
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(bf::randomEntry({only}), only);
    const auto draws = game().recordedOf(kRandomInt);
    ASSERT_EQ(draws.size(), 20u);
    EXPECT_EQ(draws[0].args, (std::vector<uint64_t>{0, 1}));
}

TEST_F(GameOpsTest, LastWeaponImpactIsZeroWithoutAShot) {
    EXPECT_EQ(bf::playerLastWeaponImpact().x, 0.0f);
    player().hasLastImpact = true;
    player().lastImpact = {1.5f, -2.5f, 90.25f};
    const bf::Vector3 hit = bf::playerLastWeaponImpact();
    EXPECT_EQ(hit.x, 1.5f);
    EXPECT_EQ(hit.y, -2.5f);
    EXPECT_EQ(hit.z, 90.25f);
}

}  // namespace
