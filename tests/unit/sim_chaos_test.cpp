// The simulated game under chaos: peds it removes on its own, at the given rate and the same ones
// for the same seed, reading as gone through the natives; model loads that fail or come late; the
// player moved, killed (standing again), the mission flag switched; events about peds already gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "core/natives.h"
#include "sim/game.h"
#include "sim/world/animals.h"
#include "sim/world/terrain.h"
#include "sim/world/trade_people.h"

namespace {

struct Removal {
    uint64_t frame;
    int32_t handle;
    bool operator==(const Removal&) const = default;
};

struct ChaosRun {
    std::vector<Removal> removals;
    std::vector<int32_t> scriptPeds;
    std::vector<int32_t> gamePeds;
    sim::ChaosCounts counts;
    int32_t playerPed = 0;
    bool playerStillThere = false;
};

constexpr int kGamePeds = 300;
constexpr int kScriptPeds = 100;
constexpr uint64_t kFrames = 2000;
constexpr double kRate = 0.05;

// Fills the world with animals the game made and people a script made, then plays under chaos.
ChaosRun playChaos(uint32_t seed) {
    sim::GameOptions options;
    options.seed = seed;
    auto game = std::make_unique<sim::Game>(options);
    sim::World& world = game->world();
    const sim::ModelInfo& buck = *world.models.find(std::string("a_c_buck_01"));
    const sim::ModelInfo& hunter = *world.models.find(std::string("a_m_m_huntertravelers_cool_01"));
    ChaosRun run;
    for (int i = 0; i < kGamePeds; ++i) {
        const sim::Vec3 at{1400.0f + static_cast<float>(i % 20) * 10.0f,
                           400.0f + static_cast<float>(i / 20) * 10.0f, 90.0f};
        run.gamePeds.push_back(sim::spawnPed(*game, buck, at, 0.0f, 1, 1.0f).handle);
    }
    for (int i = 0; i < kScriptPeds; ++i) {
        sim::Entity& e = sim::spawnPed(
            *game, hunter, {1500.0f, 300.0f + static_cast<float>(i), 90.0f}, 0.0f, 1, 1.0f);
        e.missionEntity = true;
        run.scriptPeds.push_back(e.handle);
    }
    // The player stands among them, and is back there whenever the game has moved him: nothing
    // here goes out of the game's reach.
    const sim::Vec3 stand{1495.0f, 400.0f, 90.0f};
    world.chaos.setRate(kRate);
    std::vector<int32_t> watched = run.gamePeds;
    watched.insert(watched.end(), run.scriptPeds.begin(), run.scriptPeds.end());
    for (uint64_t frame = 0; frame < kFrames; ++frame) {
        world.entities.find(world.player.ped)->position = stand;
        game->runFrame();
        for (int32_t& handle : watched) {
            if (handle != 0 && !world.entities.exists(handle)) {
                run.removals.push_back({frame, handle});
                handle = 0;
            }
        }
    }
    EXPECT_FALSE(game->failed()) << game->failure();
    run.counts = world.chaos.counts();
    run.playerPed = world.player.ped;
    run.playerStillThere = world.entities.exists(world.player.ped);
    return run;
}

TEST(SimChaos, RemovesPedsAtTheRateTheSameOnesForTheSameSeed) {
    const ChaosRun first = playChaos(7);
    const ChaosRun again = playChaos(7);
    const ChaosRun other = playChaos(8);
    EXPECT_EQ(first.removals, again.removals);
    EXPECT_NE(first.removals, other.removals);

    // About rate × frames removals, a few of them a script's.
    const double expected = kRate * static_cast<double>(kFrames);
    const uint64_t total = first.counts.deletedGameOwned + first.counts.deletedScriptOwned;
    EXPECT_GT(static_cast<double>(total), expected * 0.7);
    EXPECT_LT(static_cast<double>(total), expected * 1.3);
    EXPECT_GE(first.counts.deletedScriptOwned, 1u);
    EXPECT_LT(first.counts.deletedScriptOwned, total / 8);
    EXPECT_EQ(first.counts.streamedOut, 0u);
    // Every removal the game counted is one of ours that went (wildlife of its own may spawn,
    // but nothing of ours leaves any other way in this run).
    EXPECT_EQ(first.removals.size(), total);
    EXPECT_TRUE(first.playerStillThere) << "the player is never taken";
}

TEST(SimChaos, ARemovedPedReadsAsGoneDeadAtTheOriginAndEventsAboutItMayFollow) {
    sim::Game game;
    sim::World& world = game.world();
    const sim::ModelInfo& buck = *world.models.find(std::string("a_c_buck_01"));
    const int32_t animal =
        sim::spawnPed(game, buck, {1530.0f, 450.0f, 92.0f}, 0.0f, 1, 1.0f).handle;
    for (int i = 0; i < 40; ++i)
        sim::spawnPed(game, buck, {1500.0f + static_cast<float>(i), 450.0f, 92.0f}, 0.0f, 1, 1.0f);
    world.player.target = animal;
    game.runFrame();  // the created events have had their frame

    // Events a script reads this frame about peds that are already gone.
    uint64_t stale = 0;
    game.onFrameStart([&] {
        for (int32_t i = 0; world.events.at(i); ++i) {
            const sim::GameEvent& event = *world.events.at(i);
            const bool aboutAPed =
                event.type == sim::kEventPedCreated || event.type == sim::kEventEntityDamaged;
            if (aboutAPed && !world.entities.exists(static_cast<int32_t>(event.data[0]))) ++stale;
        }
    });
    world.chaos.setRate(1.0);
    for (int frame = 0; frame < 2000 && world.entities.exists(animal); ++frame)
        game.runFrame();
    ASSERT_FALSE(world.entities.exists(animal)) << "at rate 1 the game's own peds go soon";
    EXPECT_FALSE(bf::natives::doesEntityExist(animal));
    EXPECT_TRUE(bf::natives::isEntityDead(animal));
    EXPECT_FALSE(bf::natives::isPedInWrithe(animal)) << "only a living ped writhes";
    const bf::Vector3 at = bf::natives::getEntityCoords(animal, true, false);
    EXPECT_EQ(at.x, 0.0f);
    EXPECT_EQ(at.y, 0.0f);
    EXPECT_EQ(at.z, 0.0f);
    EXPECT_EQ(world.player.target, 0) << "the player no longer targets it";
    EXPECT_TRUE(world.entities.exists(world.player.ped));

    game.runFrames(200);
    EXPECT_GT(world.chaos.counts().staleEvents, 0u);
    EXPECT_EQ(stale, world.chaos.counts().staleEvents);
    EXPECT_FALSE(game.failed()) << game.failure();
}

TEST(SimChaos, TheGameStreamsOutItsOwnPedsOutOfReachAndKeepsAScriptsOnes) {
    sim::Game game;
    sim::World& world = game.world();
    world.entities.find(world.player.ped)->position = {1500.0f, 450.0f, 92.0f};
    const sim::ModelInfo& buck = *world.models.find(std::string("a_c_buck_01"));
    const int32_t near = sim::spawnPed(game, buck, {1510.0f, 450.0f, 92.0f}, 0.0f, 1, 1.0f).handle;
    const int32_t far = sim::spawnPed(game, buck, {2100.0f, 450.0f, 92.0f}, 0.0f, 1, 1.0f).handle;
    sim::Entity& ours = sim::spawnPed(game, buck, {2100.0f, 460.0f, 92.0f}, 0.0f, 1, 1.0f);
    ours.missionEntity = true;
    const int32_t held = ours.handle;
    world.chaos.setRate(1e-9);  // on, but no removal of its own will come
    game.runFrames(sim::Chaos::kStreamOutEveryFrames + 1);
    EXPECT_TRUE(world.entities.exists(near));
    EXPECT_FALSE(world.entities.exists(far));
    EXPECT_TRUE(world.entities.exists(held)) << "a script's ped stays until it lets it go";
    EXPECT_EQ(world.chaos.counts().streamedOut, 1u);
}

TEST(SimChaos, ModelLoadsFailOrComeLateAndAFailedOneCanBeAskedForAgain) {
    sim::GameOptions options;
    options.seed = 11;
    sim::Game game(options);
    sim::World& world = game.world();
    world.chaos.setRate(0.3);
    std::vector<uint32_t> models;
    for (const auto& [hash, info] : world.models.all())
        models.push_back(hash);
    ASSERT_GE(models.size(), 20u);
    for (uint32_t model : models)
        bf::natives::requestModel(model, false);
    game.runFrames(sim::Streaming::kLoadFrames);
    size_t onTime = 0;
    for (uint32_t model : models)
        onTime += bf::natives::hasModelLoaded(model) ? 1 : 0;
    game.runFrames(sim::Chaos::kMaxDelayFrames);
    std::vector<uint32_t> failed;
    for (uint32_t model : models) {
        if (!bf::natives::hasModelLoaded(model)) failed.push_back(model);
    }
    const sim::ChaosCounts& counts = world.chaos.counts();
    EXPECT_EQ(failed.size(), counts.loadsFailed);
    EXPECT_EQ(models.size() - onTime, counts.loadsFailed + counts.loadsDelayed);
    EXPECT_GT(counts.loadsFailed, 0u);
    EXPECT_GT(counts.loadsDelayed, 0u);
    EXPECT_GT(onTime, 0u);

    // Asked for again, a failed model gets a new load: at rate 0 it comes in the usual time.
    world.chaos.setRate(0.0);
    for (uint32_t model : failed)
        bf::natives::requestModel(model, false);
    game.runFrames(sim::Streaming::kLoadFrames);
    for (uint32_t model : failed)
        EXPECT_TRUE(bf::natives::hasModelLoaded(model)) << model;
    EXPECT_FALSE(game.failed()) << game.failure();
}

TEST(SimChaos, ThePlayerIsMovedKilledAndStandsAgainAndGoesOnMissions) {
    sim::GameOptions options;
    options.seed = 5;
    sim::Game game(options);
    sim::World& world = game.world();
    sim::Entity& player = *world.entities.find(world.player.ped);
    const sim::ModelInfo& horse = *world.models.find(std::string("a_c_horse_morgan_bay"));
    const int32_t mount = sim::spawnPed(game, horse, player.position, 0.0f, 1, 1.0f).handle;
    sim::mountHorse(world, *world.entities.find(world.player.ped), mount);
    world.chaos.setRate(1.0);
    // Each death comes with a hit on him that the script reads.
    uint64_t hitsOnThePlayer = 0;
    game.onFrameStart([&] {
        for (int32_t i = 0; world.events.at(i); ++i) {
            const sim::GameEvent& event = *world.events.at(i);
            if (event.type == sim::kEventEntityDamaged &&
                static_cast<int32_t>(event.data[0]) == world.player.ped)
                ++hitsOnThePlayer;
        }
    });

    uint64_t deadFrames = 0;
    uint64_t longestDeath = 0;
    uint64_t moves = 0;
    bool missionSeen = false;
    for (int frame = 0; frame < 3000; ++frame) {
        const sim::Vec3 before = world.entities.find(world.player.ped)->position;
        game.runFrame();
        const sim::Entity& now = *world.entities.find(world.player.ped);
        EXPECT_EQ(bf::natives::isPlayerDead(0), now.dead);
        EXPECT_FALSE(now.dead && now.trade.mount != 0) << "he falls off his horse when he dies";
        EXPECT_TRUE(now.trade.mount == 0 || world.entities.exists(now.trade.mount));
        deadFrames = now.dead ? deadFrames + 1 : 0;
        longestDeath = std::max(longestDeath, deadFrames);
        missionSeen = missionSeen || bf::natives::getMissionFlag();
        if (world.chaos.counts().playerMoved > moves) {
            moves = world.chaos.counts().playerMoved;
            EXPECT_GE(sim::distance3d(before, now.position), sim::Chaos::kMinMove * 0.99f);
            EXPECT_TRUE(sim::Terrain::onMainland(now.position.x, now.position.y));
        }
    }
    const sim::ChaosCounts& counts = world.chaos.counts();
    EXPECT_GT(counts.playerMoved, 0u);
    EXPECT_GT(counts.playerKilled, 0u);
    EXPECT_EQ(hitsOnThePlayer, counts.playerKilled);
    EXPECT_GT(counts.missionSwitched, 0u);
    EXPECT_TRUE(missionSeen);
    EXPECT_GT(longestDeath, 0u);
    EXPECT_LE(longestDeath, sim::Chaos::kRespawnFrames) << "he stands again";
    EXPECT_FALSE(game.failed()) << game.failure();
}

}  // namespace
