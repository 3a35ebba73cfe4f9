// Bait blips: made when placing ends, removed by distance, age and the game, frozen while the
// setting is off.
#include <gtest/gtest.h>

#include "animals/bait_manager.h"
#include "core/runtime.h"
#include "plugin_fixture.h"
#include "sim/world/hash.h"

namespace {

class BaitTest : public PluginTest {
  protected:
    void placeBait(bool potent = false) {
        game().world().player.scenario = sim::gameHash(potent ? "WORLD_PLAYER_PLACE_BAIT_POTENT"
                                                              : "WORLD_PLAYER_PLACE_BAIT_NORMAL");
        game().runFrames(30);
        game().world().player.scenario = 0;
        game().runFrames(2);
    }
    void movePlayer(float dx) {
        auto& world = game().world();
        world.entities.find(world.player.ped)->position.x += dx;
        game().runFrames(2);
    }
    const std::vector<bf::BaitBlip>& blips() { return plugin().bait().blips(); }
    bool blipExists(int32_t handle) { return game().world().blips.find(handle) != nullptr; }
};

TEST_F(BaitTest, EachPlacingGivesANamedBlipWhereThePlayerStood) {
    // A competition's camp built meanwhile would hold the frame loop while it loads.
    writeDataFile("Settings.ini",
                  readDataFile("Settings.ini") + "\nHuntingCompetitions_Enabled=0\n");
    start();
    placeBait();
    movePlayer(30.0f);
    placeBait(true);
    ASSERT_EQ(blips().size(), 2u);
    EXPECT_FLOAT_EQ(blips()[1].position.x - blips()[0].position.x, 30.0f);
    const sim::Blip* blip = game().world().blips.find(blips()[0].blip.get());
    ASSERT_NE(blip, nullptr);
    EXPECT_EQ(blip->style, 0x19365607u);
    EXPECT_EQ(blip->sprite, sim::gameHash("blip_ambient_ped_small"));
    EXPECT_EQ(blip->name, "Bait");
    EXPECT_NE(log().find("tutorial seen: bait_blip"), std::string::npos);
}

TEST_F(BaitTest, WalkingAwayRemovesForGoodAndTheGameMayRemoveFirst) {
    // No competition offer: its blip could take the handle the game frees below.
    writeDataFile("Settings.ini",
                  readDataFile("Settings.ini") + "\nHuntingCompetitions_Enabled=0\n");
    start();
    placeBait();
    movePlayer(150.0f);
    placeBait();
    const int32_t first = blips()[0].blip.get(), second = blips()[1].blip.get();
    movePlayer(60.0f);  // 210 m from the first, 60 m from the second
    ASSERT_EQ(blips().size(), 1u);
    EXPECT_FALSE(blipExists(first));
    movePlayer(-210.0f);
    EXPECT_EQ(blips().size(), 1u) << "coming back does not restore it";
    EXPECT_EQ(blips()[0].blip.get(), second);
    game().world().blips.remove(second);
    game().runFrames(1);
    EXPECT_TRUE(blips().empty());
}

TEST_F(BaitTest, OldBlipGoesEvenUnderThePlayer) {
    start();
    placeBait();
    const int32_t created = blips()[0].created;
    // The clock moves less than one unit a frame: the script sees 1999, then 2000.
    while (static_cast<int32_t>(game().clockA()) - created < 1999)
        game().runFrame();
    EXPECT_EQ(blips().size(), 1u);
    while (static_cast<int32_t>(game().clockA()) - created < 2000)
        game().runFrame();
    EXPECT_TRUE(blips().empty());
}

TEST_F(BaitTest, SettingOffFreezesTheBlips) {
    // No competition: a camp built on the walk would hold the frame loop while it loads.
    writeDataFile("Settings.ini",
                  readDataFile("Settings.ini") + "\nHuntingCompetitions_Enabled=0\n");
    start();
    placeBait();
    const int32_t handle = blips()[0].blip.get();
    bf::runtime().settings["BaitPlips"] = "0";
    movePlayer(500.0f);
    placeBait();
    EXPECT_EQ(blips().size(), 1u);
    EXPECT_TRUE(blipExists(handle));
    bf::runtime().settings["BaitPlips"] = "1";
    game().runFrames(1);
    EXPECT_TRUE(blips().empty());
}

}  // namespace
