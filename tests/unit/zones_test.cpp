// The simulated game's map zones: real places fall in their towns and districts, and the districts
// cover exactly the land that has ground.
#include <gtest/gtest.h>

#include "sim/world/terrain.h"
#include "sim/world/zones.h"

namespace {

TEST(Zones, RealPlacesLieInTheirTownAndDistrict) {
    const sim::Zones zones;
    struct Case {
        sim::Vec3 at;
        uint32_t town;
        uint32_t district;
    };
    const Case cases[] = {
        {{-283.0f, 724.0f, 118.0f}, 0x1B6880B3, 0x07D4FF5F},     // Valentine, Heartlands
        {{1521.5f, 439.356f, 90.68f}, 0, 0x07D4FF5F},            // the open Heartlands
        {{2556.0f, -1217.0f, 50.0f}, 0xD25EC74F, 0x78BFE1AC},    // Saint Denis, Bayou Nwa
        {{-813.0f, -1324.0f, 43.0f}, 0x3EC4B1F5, 0x1C68EA97},    // Blackwater, Great Plains
        {{-1772.0f, -394.0f, 176.0f}, 0x197DEE02, 0x3108C492},   // Strawberry, Big Valley
        {{-3660.0f, -2611.0f, -13.0f}, 0xD39FE932, 0xF9831C72},  // Armadillo, Cholla Springs
        {{-5497.0f, -2944.0f, -2.0f}, 0xA51AF855, 0x84D7AD0E},   // Tumbleweed, Gaptooth Ridge
        {{2930.0f, 1340.0f, 44.0f}, 0x00704B67, 0x0AA5F25D},     // Annesburg, Roanoke
        {{1300.0f, -6900.0f, 40.0f}, 0, 0xE1736CD7},             // Guarma
        {{9000.0f, 9000.0f, 0.0f}, 0, 0},                        // off the map
        {{3500.0f, -3000.0f, 0.0f}, 0, 0},                       // the open sea
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zones.at(c.at, sim::Zones::kTown), c.town) << c.at.x << "," << c.at.y;
        EXPECT_EQ(zones.at(c.at, sim::Zones::kDistrict), c.district) << c.at.x << "," << c.at.y;
    }
    EXPECT_EQ(zones.at({-283.0f, 724.0f, 0.0f}, 5), 0u) << "a zone type the game has no map of";
}

TEST(Zones, DistrictsLieWhereTheGroundIs) {
    const sim::Zones zones;
    size_t land = 0;
    for (float x = -7500.0f; x <= 4000.0f; x += 50.0f) {
        for (float y = -8000.0f; y <= 3600.0f; y += 50.0f) {
            const bool district = zones.at({x, y, 0.0f}, sim::Zones::kDistrict) != 0;
            const bool ground = sim::Terrain::heightAt(x, y).has_value();
            ASSERT_EQ(district, ground) << x << "," << y;
            land += ground;
        }
    }
    EXPECT_GT(land, 20000u);
}

}  // namespace
