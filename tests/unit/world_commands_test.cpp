// The world's scenario commands, played against a small script that uses prompts and blips.
#include <gtest/gtest.h>

#include <sstream>

#include "core/hook.h"
#include "core/log.h"
#include "plugin_fixture.h"
#include "sim/scenario/scenario.h"
#include "ui/blips.h"
#include "ui/ui_prompt.h"
#include "world/game_ops.h"

namespace {

void promptScript() {
    bf::initLog();
    bf::UiPrompt trade("Trade", bf::gameHash("INPUT_INTERACT_OPTION1"), bf::PromptMode::Press);
    bf::UiPrompt accept("Accept", bf::gameHash("INPUT_FRONTEND_ACCEPT"), bf::PromptMode::HoldOnce);
    trade.setVisible(true);
    accept.setVisible(true);
    bf::UiPrompt hidden("Hidden", bf::gameHash("INPUT_JUMP"), bf::PromptMode::Press);
    hidden.setVisible(false);  // the game shows a new prompt until told otherwise
    int32_t blip = bf::createCoordBlip({-800.0f, -1300.0f, 43.0f},
                                       bf::BlipStyle{bf::gameHash("BLIP_STYLE_MISSION")}, {});
    bf::setBlipName(blip, "Bait");
    for (;;) {
        if (trade.isCompleted()) {
            bf::logMessage("traded");
            bf::removeBlip(&blip);
        }
        if (accept.isCompleted()) {
            bf::logMessage("accepted");
            trade.setEnabled(false);
        }
        hook::scriptWait(0);
    }
}

bool promptPlugin(void* module, uint32_t reason) {
    if (reason == 1) hook::scriptRegister(module, &promptScript);
    return true;
}

class WorldCommandsTest : public PluginTest {
  protected:
    int play(const std::string& text) {
        game().setRecording(false);
        std::istringstream in(text);
        output_.str("");
        sim::scenario::RunOptions options;
        options.plugin = &promptPlugin;
        options.gameDir = std::filesystem::current_path() / "run";
        options.out = &output_;
        sim::scenario::Runner runner(options);
        return runner.run(sim::scenario::tokenize(in));
    }
    std::ostringstream output_;
};

TEST_F(WorldCommandsTest, PressHoldAndExpectations) {
    EXPECT_EQ(play(R"(frames 2
expect prompt "Trade" visible
expect prompt "Hidden" hidden
expect prompt-count 2
expect blip-count 1
expect blip "Bait"
hold prompt 500ms "Accept"
expect no-log "accepted"
hold prompt 2s "Accept"
expect log-count "accepted" 1
expect prompt "Trade" disabled
press prompt "Trade"
expect no-log "traded"
expect blip-count 1
)"),
              0)
        << output_.str();
}

TEST_F(WorldCommandsTest, APressCompletesTheFirstPromptOnScreen) {
    EXPECT_EQ(play(R"(frames 2
press prompt
frames 1
expect log "traded"
expect blip-count 0
expect prompt "Trade" enabled
)"),
              0)
        << output_.str();
}

TEST_F(WorldCommandsTest, FailuresNameTheMissingThing) {
    EXPECT_EQ(play("frames 2\nexpect blip \"Camp\"\n"), 1);
    EXPECT_NE(output_.str().find("no blip named with \"Camp\""), std::string::npos);
    EXPECT_EQ(play("frames 2\npress prompt \"Hidden\"\n"), 1);
    EXPECT_NE(output_.str().find("no prompt on screen with the text \"Hidden\""),
              std::string::npos);
    EXPECT_EQ(play("expect prompt \"Trade\" shown\n"), 2);
    // A misspelt text must not pass as a hidden prompt.
    EXPECT_EQ(play("frames 2\nexpect prompt \"Trades\" hidden\n"), 1);
    EXPECT_NE(output_.str().find("no prompt with the text \"Trades\" was ever registered"),
              std::string::npos);
}

}  // namespace
