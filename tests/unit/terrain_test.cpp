// The simulated ground: it meets every position the game's data puts on it, and stays smooth.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/game.h"
#include "sim/world/terrain.h"
#include "world/towns.h"
#include "world/world_tables.h"

namespace {

void expectOnTheGround(bf::Vector3 p, const std::string& what) {
    const auto ground = sim::Terrain::heightAt(p.x, p.y);
    ASSERT_TRUE(ground.has_value()) << what;
    EXPECT_NEAR(*ground, p.z, 2.0f) << what << " at " << p.x << "," << p.y;
}

TEST(Terrain, TheGroundMeetsThePositionsTheGameGives) {
    const sim::Game game;
    const sim::Entity& player = *game.world().entities.find(game.world().player.ped);
    expectOnTheGround({player.position.x, player.position.y, player.position.z},
                      "the player's default position");
    const auto positions = bf::buildWorldPositionTable();
    for (const auto& [id, at] : *positions)
        expectOnTheGround(at, "world position " + std::to_string(id));
    for (const auto& town : bf::buildTownRecords(false)) {
        expectOnTheGround(town->centre, town->name);
        for (const bf::Vector3& s : town->startPoints)
            expectOnTheGround(s, town->name + " start point");
    }
}

TEST(Terrain, TheGroundIsSmoothAndTheSameEveryTime) {
    float steepest = 0.0f;
    for (float x = -6000.0f; x <= 3400.0f; x += 97.0f) {
        for (float y = -4000.0f; y <= 2600.0f; y += 89.0f) {
            const auto here = sim::Terrain::heightAt(x, y);
            const auto east = sim::Terrain::heightAt(x + 1.0f, y);
            const auto north = sim::Terrain::heightAt(x, y + 1.0f);
            if (!here || !east || !north) continue;
            steepest = std::max(steepest, std::hypot(*east - *here, *north - *here));
            EXPECT_EQ(*sim::Terrain::heightAt(x, y), *here);
        }
    }
    EXPECT_LT(steepest, 0.75f) << "hillsides, no cliffs";
}

}  // namespace
