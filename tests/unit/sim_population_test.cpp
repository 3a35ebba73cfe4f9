// The simulated game's side of the population: the player's walk.
#include <gtest/gtest.h>

#include "sim/game.h"

namespace {

TEST(SimPopulation, PlayerWalksAtWalkingSpeedAndStopsAtTheTarget) {
    sim::Game game;
    sim::Player& player = game.world().player;
    sim::Entity& ped = *game.world().entities.find(player.ped);
    ped.position = {0.0f, 0.0f, 100.0f};
    player.walkTarget = {30.0f, 40.0f, 100.0f};
    player.walking = true;
    game.advance(10 * 1000);
    EXPECT_NEAR(sim::distance3d(ped.position, {0.0f, 0.0f, 100.0f}), 15.0f, 0.1f);
    EXPECT_NEAR(ped.position.y / ped.position.x, 40.0f / 30.0f, 1e-3f) << "a straight line";
    game.advance(40 * 1000);
    EXPECT_EQ(ped.position.x, 30.0f);
    EXPECT_EQ(ped.position.y, 40.0f);
    EXPECT_FALSE(player.walking);
}

}  // namespace
