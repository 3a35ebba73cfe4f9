// Spawn locations: loading, the distance band, the rarity filter, the out-of-range draw; and the
// shipped AnimalSpawns.dat against the towns' start points and the map.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>

#include "animals/animal_spawn_locations.h"
#include "core/runtime.h"
#include "data/dict_data_file.h"
#include "plugin_fixture.h"
#include "sim/world/wildlife.h"
#include "sim/world/zones.h"
#include "world/map_districts.h"
#include "world/towns.h"

namespace {

constexpr uint64_t kRandomInt = 0xD53343AA4FB7DD28;
constexpr uint32_t kHeartlands = 0x07D4FF5F;

class SpawnLocationsTest : public PluginTest {
  protected:
    const bf::AnimalSpawnLocations& locations() { return plugin().spawnLocations(); }
};

TEST_F(SpawnLocationsTest, LoadsModelsInOrderWithRadiusRarityAndDistrict) {
    writeDataFile("AnimalSpawns.dat",
                  "a_c_rabbit_01.count=2\n"
                  "a_c_rabbit_01.0=1000,500,20\n"
                  "a_c_rabbit_01.1=1300,500,120\n"
                  "a_c_rabbit_01.texture=animal_rabbit\n"
                  "a_c_bear_01.count=1\n"
                  "a_c_bear_01.0=1000,900,60\n"
                  "a_c_bear_01.rarity_level=2\n"
                  "a_c_unknown_01.count=1\n"
                  "a_c_unknown_01.0=1,2,3\n");
    start();
    const auto& all = locations().all();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].model, "a_c_bear_01") << "bears load before rabbits";
    EXPECT_EQ(all[0].rarityLevel, 2);
    EXPECT_EQ(all[0].texture, "");
    EXPECT_EQ(all[1].radius, 50.0f);
    EXPECT_EQ(all[2].radius, 120.0f);
    EXPECT_EQ(all[2].texture, "animal_rabbit");
    EXPECT_EQ(all[1].rarityLevel, 0);
    EXPECT_EQ(all[1].district, kHeartlands);
    EXPECT_EQ(all[1].position.z, 0.0f);
    EXPECT_NE(log().find("AnimalSpawnLocations: spawn locations loaded: 3"), std::string::npos);
}

TEST_F(SpawnLocationsTest, ChooseKeepsTheBandAndTheRarityFilter) {
    writeDataFile("AnimalSpawns.dat",
                  "a_c_bear_01.count=1\n"
                  "a_c_bear_01.0=1400,0,60\n"  // 400 m east, rarity 2
                  "a_c_bear_01.rarity_level=2\n"
                  "a_c_buck_01.count=3\n"
                  "a_c_buck_01.0=1250,0,60\n"      // exactly at the minimum
                  "a_c_buck_01.1=1000,650,60\n"    // exactly at the maximum
                  "a_c_buck_01.2=1000,700,60\n");  // beyond
    start();
    const bf::Vector3 q{1000.0f, 0.0f, 300.0f};  // the height of q does not count
    const struct {
        int32_t rarity;
        const char* model;
        float y;
    } cases[] = {{0, "a_c_buck_01", 650.0f}, {2, "a_c_bear_01", 0.0f}, {5, "", 0.0f}};
    for (const auto& c : cases) {
        for (int draw = 0; draw < 8; ++draw) {
            const auto chosen = locations().choose(q, 650.0f, 250.0f, c.rarity);
            EXPECT_EQ(chosen.model, c.model) << "rarity " << c.rarity;
            EXPECT_EQ(chosen.position.y, c.y) << "rarity " << c.rarity;
            EXPECT_EQ(bf::AnimalSpawnLocations::valid(chosen), c.model[0] != '\0');
        }
    }
    int bears = 0;
    for (int draw = 0; draw < 40; ++draw)
        bears += locations().choose(q, 650.0f, 250.0f, -1).model == "a_c_bear_01";
    EXPECT_GT(bears, 0) << "a negative filter accepts every level";
    EXPECT_LT(bears, 40);
}

TEST_F(SpawnLocationsTest, FileWithoutModelsLoadsNothing) {
    writeDataFile("AnimalSpawns.dat", "format_version=1\n");
    start();
    EXPECT_TRUE(locations().all().empty());
    EXPECT_NE(log().find("AnimalSpawnLocations: spawn locations loaded: 0"), std::string::npos);
    const auto none = locations().choose({}, 1e6f, -1.0f, -1);
    EXPECT_FALSE(bf::AnimalSpawnLocations::valid(none));
    EXPECT_EQ(none.radius, 50.0f);
}

TEST_F(SpawnLocationsTest, DrawAtOrPastTheCountTakesTheLastCandidate) {
    writeDataFile("AnimalSpawns.dat",
                  "a_c_buck_01.count=2\na_c_buck_01.0=1400,0,60\na_c_buck_01.1=1500,0,60\n");
    start();
    game().natives().override(kRandomInt, [](sim::NativeCall& c) { c.ret(c.i32(1)); });
    const auto chosen = locations().choose({1000.0f, 0.0f, 0.0f}, 650.0f, 250.0f, 0);
    EXPECT_EQ(chosen.position.x, 1500.0f);
    game().runFrames(2);
    EXPECT_TRUE(game().callsLastFrame() > 0) << "the script still runs";
}

// The shipped data: every location of a competition animal can host a competition, and from
// most of the mainland outside towns one of them lies in the 250..650 m ring.
TEST_F(SpawnLocationsTest, ShippedLocationsHaveStartPointsAndCoverTheMainland) {
    start();
    const auto& towns = plugin().towns();
    const std::map<std::string, size_t> counts = {
        {"Annesburg", 27},  {"Armadillo", 25},  {"Blackwater", 21}, {"Rhodes", 27},
        {"Saint Denis", 7}, {"Strawberry", 31}, {"Tumbleweed", 21}, {"Valentine", 46}};
    for (const auto& town : towns)
        EXPECT_EQ(town->startPoints.size(), counts.at(town->name)) << town->name;
    EXPECT_EQ(bf::buildTownRecords(true)[0]->startPoints.size(), 40u);

    std::vector<bf::Vector3> competitionSpots;
    size_t fileItems = 0;
    bf::DictDataFile& file = plugin().data().animalSpawns();
    for (const char* model : bf::AnimalSpawnLocations::models()) {
        if (file.getInt(std::string(model) + ".rarity_level", 0) == 0)
            fileItems += static_cast<size_t>(file.getInt(std::string(model) + ".count", 0));
    }
    for (const auto& location : locations().all()) {
        if (location.rarityLevel != 0) continue;
        competitionSpots.push_back(location.position);
        const auto& p = location.position;
        EXPECT_NE(location.district, 0u) << location.model << " " << p.x << "," << p.y;
        const auto town = plugin().districts().nearestTown(p);
        ASSERT_NE(town, nullptr);
        float closest = 1e9f;
        for (const auto& s : town->startPoints)
            closest = std::min(closest, std::hypot(s.x - p.x, s.y - p.y));
        EXPECT_LE(closest, 100.0f)
            << location.model << " " << p.x << "," << p.y << " (" << town->name << ")";
    }
    EXPECT_EQ(competitionSpots.size(), fileItems) << "every item of a competition animal loads";

    const sim::Zones zones;
    size_t points = 0, covered = 0;
    for (float x = -7000.0f; x <= 3600.0f; x += 100.0f) {
        for (float y = -4300.0f; y <= 3400.0f; y += 100.0f) {
            if (!zones.onMainland(x, y) || zones.at({x, y, 0.0f}, sim::Zones::kTown) != 0) continue;
            ++points;
            for (const auto& s : competitionSpots) {
                const float d = std::hypot(s.x - x, s.y - y);
                if (d > 250.0f && d <= 650.0f) {
                    ++covered;
                    break;
                }
            }
        }
    }
    const double percent = 100.0 * static_cast<double>(covered) / static_cast<double>(points);
    std::cout << "[ coverage ] " << percent << "% of " << points
              << " mainland points outside towns have a competition location 250..650 m away\n";
    EXPECT_GE(percent, 90.0);
}

// The game's ambient animals live where the district says and go through the plug-in's
// ped-created handling like any other.
TEST_F(SpawnLocationsTest, AmbientAnimalsAreSizedWhereTheyLive) {
    game().world().wildlife.enabled = true;
    start();
    game().advance(60000);
    ASSERT_GE(game().world().wildlife.spawned, 3u);
    size_t sized = 0;
    for (const auto& [handle, e] : game().world().entities.all()) {
        if (!e.released) continue;
        const auto& here =
            sim::Wildlife::habitat(game().world().zones.at(e.position, sim::Zones::kDistrict));
        const sim::ModelInfo* model = game().world().models.find(e.model);
        ASSERT_NE(model, nullptr);
        EXPECT_NE(std::find(here.begin(), here.end(), model->name), here.end()) << model->name;
        sized += e.decorators.count("VX_Brackenfold_Scale");
    }
    EXPECT_GT(sized, 0u);
}

}  // namespace
