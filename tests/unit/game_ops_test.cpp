// Shared game operations: directions, distances, ground height, random entries.
#include <gtest/gtest.h>

#include "core/runtime.h"
#include "plugin_fixture.h"
#include "world/game_ops.h"

namespace {

constexpr uint64_t kGetEntityRotation = 0xE09CAF86C32CB48F;
constexpr uint64_t kDistance = 0x0BE7F4E3CDBAFB28;
constexpr uint64_t kRandomInt = 0xD53343AA4FB7DD28;

class GameOpsTest : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        bf::runtime().playerPed = game().world().player.ped;
    }
    sim::Entity& player() { return *game().world().entities.find(game().world().player.ped); }
};

TEST_F(GameOpsTest, DirectionFromRotationUsesRollAndYawInDegrees) {
    struct Case {
        float pitch, roll, yaw;
        bf::Vector3 expected;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 0.0f, {1.0f, 0.0f, 0.0f}},
        {0.0f, 0.0f, 90.0f, {0.0f, 1.0f, 0.0f}},
        {0.0f, 0.0f, 180.0f, {-1.0f, 0.0f, 0.0f}},
        {33.0f, 90.0f, 0.0f, {0.0f, 0.0f, -1.0f}},  // the first component plays no part
    };
    for (const Case& c : cases) {
        player().pitch = c.pitch;
        player().roll = c.roll;
        player().heading = c.yaw;
        const bf::Vector3 d = bf::directionFromRotation(player().handle);
        EXPECT_NEAR(d.x, c.expected.x, 1e-5f) << c.yaw;
        EXPECT_NEAR(d.y, c.expected.y, 1e-5f) << c.yaw;
        EXPECT_NEAR(d.z, c.expected.z, 1e-5f) << c.yaw;
    }
    game().setRecording(true);
    bf::directionFromRotation(player().handle);
    ASSERT_EQ(game().recordedOf(kGetEntityRotation).size(), 1u);
    EXPECT_EQ(game().recordedOf(kGetEntityRotation)[0].args[1], 2u) << "rotation order 2";
}

TEST_F(GameOpsTest, DistancesAndHorizontalDistance) {
    player().position = {10.0f, 0.0f, 50.0f};
    const int32_t ped = player().handle;
    EXPECT_FLOAT_EQ(bf::distance(ped, bf::Vector3{13.0f, 4.0f, 50.0f}), 5.0f);
    EXPECT_FLOAT_EQ(bf::horizontalDistance({0.0f, 0.0f, 100.0f}, {3.0f, 4.0f, -7.0f}), 5.0f);
    EXPECT_FLOAT_EQ(bf::distance(bf::Vector3{1.0f, 2.0f, 3.0f}, bf::Vector3{1.0f, 2.0f, 15.0f}),
                    12.0f);
    // Measuring is arithmetic: the game is never asked.
    game().setRecording(true);
    bf::horizontalDistance({1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f});
    bf::distance(bf::Vector3{1.0f, 2.0f, 3.0f}, bf::Vector3{4.0f, 5.0f, 6.0f});
    EXPECT_TRUE(game().recordedOf(kDistance).empty());
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

TEST_F(GameOpsTest, GroundPositionKeepsXYAndTakesTheGameHeight) {
    const bf::Vector3 above = bf::groundPosition({100.0f, 200.0f, 1000.0f});
    EXPECT_EQ(above.x, 100.0f);
    EXPECT_GT(above.z, 0.0f);
    EXPECT_LT(above.z, 1000.0f);
    EXPECT_EQ(bf::groundPosition({100.0f, 200.0f, -500.0f}).z, 0.0f) << "probe below ground";
    EXPECT_EQ(bf::groundPosition({9000.0f, 0.0f, 1000.0f}).z, 0.0f) << "off the map";
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
