// The spine: library entry, start-up and the frame loop with its guard and gates.
#include <gtest/gtest.h>

#include "core/runtime.h"
#include "plugin_fixture.h"
#include "sim/world/hash.h"
#include "spine/entry.h"
#include "spine/plugin.h"

namespace {

constexpr uint64_t kTextureDictLoaded = 0x54D6900929CCF162;

class ScriptTest : public PluginTest {};

TEST_F(ScriptTest, AttachRegistersAndDetachWithdrawsBoth) {
    attach();
    EXPECT_TRUE(game().scriptRegistered());
    EXPECT_TRUE(game().keyboardHandlerRegistered());
    game().detach();
    EXPECT_FALSE(game().scriptRegistered());
    EXPECT_FALSE(game().keyboardHandlerRegistered());
}

TEST_F(ScriptTest, KeyboardHandlerKeepsTheLastEventOfKeysBelow255) {
    bf::keyboardHandler(65, 1, 30, 0, 1, 0, 1);
    bf::keyboardHandler(65, 1, 30, 0, 0, 1, 0);
    bf::keyboardHandler(255, 1, 0, 0, 1, 1, 1);  // out of the table: ignored, not written past it
    const bf::KeyState& a = bf::keyTable()[65];
    EXPECT_EQ(a.withAlt, 0);
    EXPECT_EQ(a.wasDownBefore, 1);
    EXPECT_EQ(a.isUpNow, 0);
    EXPECT_EQ(bf::keyTable()[254].isUpNow, 0);
}

TEST_F(ScriptTest, StartUpWritesTheBannerFirstAndWaitsForTheBlipTextures) {
    writeDataFile("Log.log", "previous session\n");
    start(10);
    const std::string text = log();
    EXPECT_EQ(text.find("previous session"), std::string::npos);
    ASSERT_EQ(text.find("] Brackenfold 1.2.0\nNOTE: if you want to report an issue"),
              text.find(']'));
    EXPECT_NE(text.find("loaded blips_mp"), std::string::npos);
    EXPECT_GT(game().callsLastFrame(), 0u) << "the frame loop runs";
}

TEST_F(ScriptTest, StartUpGoesOnWhenTheBlipTexturesNeverLoad) {
    game().natives().override(kTextureDictLoaded, [](sim::NativeCall& c) { c.retBool(false); });
    attach();
    game().advance(2900);
    EXPECT_EQ(log().find("blips_mp texture dict"), std::string::npos) << "still waiting";
    game().advance(300);
    EXPECT_NE(log().find("failed to load blips_mp texture dict"), std::string::npos);
    game().runFrames(2);
    EXPECT_GT(game().callsLastFrame(), 0u);
}

TEST_F(ScriptTest, MissingSettingsFileStartsWithDefaults) {
    removeDataFile("Settings.ini");
    start();
    EXPECT_NE(log().find("Unable to load from data file"), std::string::npos);
    EXPECT_TRUE(bf::getSettingBool("BaitPlips"));
    EXPECT_FALSE(bf::getSettingBool("EnableTrading"));
    EXPECT_GT(game().callsLastFrame(), 0u);
}

TEST_F(ScriptTest, AMalformedGateHaltsTheScriptWithBothLogEntries) {
    writeDataFile("Settings.ini", "BaitPlips=yes\n");
    start(20);
    const std::string text = log();
    const auto wrong = text.find("] Something wrong happened\n");
    ASSERT_NE(wrong, std::string::npos);
    EXPECT_NE(
        text.find("] Settings.ini: key BaitPlips, value \"yes\": invalid stoi argument\n", wrong),
        std::string::npos)
        << "the error names the file, the key and the value";
    EXPECT_EQ(game().callsLastFrame(), 0u) << "a halted script only yields";
    game().runFrames(50);
    EXPECT_EQ(game().callsLastFrame(), 0u);
    EXPECT_EQ(log(), text) << "nothing more is logged once halted";
}

TEST_F(ScriptTest, AMalformedDataValueNamesItsFileKeyAndValue) {
    writeDataFile("GeneralMeta.dat", readDataFile("GeneralMeta.dat") + "save_freq_sec=often\n");
    start(20);
    const std::string text = log();
    ASSERT_NE(text.find("] Something wrong happened\n"), std::string::npos);
    EXPECT_NE(text.find("] GeneralMeta.dat: key save_freq_sec, value \"often\": invalid stoi "
                        "argument\n"),
              std::string::npos);
    EXPECT_EQ(game().callsLastFrame(), 0u);
}

TEST_F(ScriptTest, ARestartedPluginLeavesNothingOfThePreviousRunInTheGame) {
    start();
    const size_t points = game().world().scenarioPoints.all().size();
    sim::Player& player = game().world().player;
    player.scenario = sim::gameHash("WORLD_PLAYER_PLACE_BAIT_NORMAL");
    game().runFrames(2);
    player.scenario = 0;
    game().runFrames(2);
    ASSERT_EQ(game().world().blips.all().size(), 1u) << "the bait blip of the first run";
    const bf::Plugin* first = bf::runningPlugin();

    // The hook reloads the script: detach, attach, and the new run starts up.
    game().detach();
    attach();
    game().runFrames(10);
    ASSERT_NE(bf::runningPlugin(), first);
    EXPECT_TRUE(game().world().blips.all().empty());
    EXPECT_EQ(game().world().scenarioPoints.all().size(), points)
        << "only the new run's scenario points";
    EXPECT_TRUE(game().world().prompts.all().empty());
    EXPECT_GT(game().callsLastFrame(), 0u);
}

}  // namespace
