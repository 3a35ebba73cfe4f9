// The scenario commands a competition needs: naming created peds, blips as places, walking to an
// entity, the player's mission, Dead Eye and death, and where an entity is.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "core/hook.h"
#include "core/log.h"
#include "core/natives.h"
#include "plugin_fixture.h"
#include "sim/scenario/scenario.h"
#include "ui/blips.h"
#include "world/game_ops.h"

namespace {

// Puts a blip on a camp and logs the player's states every frame they change.
void campScript() {
    bf::initLog();
    int32_t blip =
        bf::createCoordBlip({1700.0f, 600.0f, 0.0f}, bf::gameHash("BLIP_STYLE_MISSION"), 0);
    bf::setBlipName(blip, "Hunter camp");
    std::string last;
    for (;;) {
        const int32_t player = bf::natives::playerId();
        std::string state = std::string("mission ") +
                            (bf::natives::getMissionFlag() ? "on" : "off") + ", deadeye " +
                            (bf::natives::isSpecialAbilityActive(player) ? "on" : "off") +
                            ", dead " + (bf::natives::isPlayerDead(player) ? "yes" : "no");
        if (state != last) bf::logMessage(state);
        last = state;
        hook::scriptWait(0);
    }
}

bool campPlugin(void* module, uint32_t reason) {
    if (reason == 1) hook::scriptRegister(module, &campScript);
    return true;
}

class CompetitionCommandsTest : public PluginTest {
  protected:
    int play(const std::string& text) {
        std::istringstream in(text);
        output_.str("");
        sim::scenario::RunOptions options;
        options.plugin = &campPlugin;
        options.gameDir = std::filesystem::current_path() / "run";
        options.out = &output_;
        runner_ = std::make_unique<sim::scenario::Runner>(options);
        return runner_->run(sim::scenario::tokenize(in));
    }
    // Where the player stands after the run, and how far that is from a point (horizontally).
    float playerDistance(float x, float y) {
        const sim::World& world = runner_->game().world();
        const sim::Vec3 at = world.entities.find(world.player.ped)->position;
        return std::hypot(at.x - x, at.y - y);
    }
    std::ostringstream output_;
    std::unique_ptr<sim::scenario::Runner> runner_;
};

TEST_F(CompetitionCommandsTest, PlayerStatesReachTheScript) {
    EXPECT_EQ(play(R"(frames 2
expect log "mission off, deadeye off, dead no"
mission on
player deadeye on
frames 1
expect log "mission on, deadeye on, dead no"
mission off
player deadeye off
player dies
frames 1
expect log "mission off, deadeye off, dead yes"
)"),
              0)
        << output_.str();
}

TEST_F(CompetitionCommandsTest, BlipsAndEntitiesAsPlaces) {
    EXPECT_EQ(play(R"(spawn rancher a_m_m_rancher_01 at 1521.5 470 90
spawn buck a_c_buck_01 at 1560 439 90
frames 2
name last newest
name deer newest animal
name man newest human
expect near deer 1560 439 0 0.01
expect near man 1521.5 470 0 0.01
expect near last 1560 439 0 0.01
name another newest a_m_m_rancher_01
expect near another 1521.5 470 0 0.01
player walk-to man
wait 25s
expect near man 1521.5 470 0 0.01
player walk-to blip "camp"
wait 3min
)"),
              0)
        << output_.str();
    EXPECT_LT(playerDistance(1700.0f, 600.0f), 0.01f);
    EXPECT_EQ(play("frames 2\nplayer at blip \"Hunter\"\n"), 0) << output_.str();
    EXPECT_LT(playerDistance(1700.0f, 600.0f), 0.01f);
}

TEST_F(CompetitionCommandsTest, WalkingToAnEntityStopsTwoMetresShort) {
    EXPECT_EQ(play(R"(spawn man a_m_m_rancher_01 at 1521.5 469.356 90
frames 1
player walk-to man
wait 30s
)"),
              0)
        << output_.str();
    EXPECT_NEAR(playerDistance(1521.5f, 469.356f), 2.0f, 0.05f);
}

TEST_F(CompetitionCommandsTest, FailuresNameWhatIsMissing) {
    EXPECT_EQ(play("frames 1\nname x newest animal\n"), 1);
    EXPECT_NE(output_.str().find("no ped (animal) was created"), std::string::npos)
        << output_.str();
    EXPECT_EQ(play("frames 1\nplayer at blip \"Saloon\"\n"), 1);
    EXPECT_NE(output_.str().find("no blip named with \"Saloon\""), std::string::npos);
    EXPECT_EQ(play("spawn man a_m_m_rancher_01 at 1521.5 470 90\nframes 1\n"
                   "expect near man 1521.5 480 0 5\n"),
              1);
    EXPECT_NE(output_.str().find("expected within 5"), std::string::npos) << output_.str();
    EXPECT_EQ(play("mission maybe\n"), 2);
    EXPECT_EQ(play("name x oldest\n"), 2);
}

}  // namespace
