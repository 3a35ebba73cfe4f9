#include "sim/world/zones.h"

#include <cmath>

#include "sim/world/terrain.h"

namespace sim {

namespace {

constexpr uint32_t kGuarma = 0xE1736CD7;

}  // namespace

Zones::Zones()
    : towns_{
          {0x1B6880B3, "Valentine", -283.0f, 724.0f, 180.0f},
          {0x79FF6291, "Rhodes", 1297.0f, -1290.0f, 170.0f},
          {0xD25EC74F, "Saint Denis", 2556.0f, -1217.0f, 420.0f},
          {0x3EC4B1F5, "Blackwater", -813.0f, -1324.0f, 200.0f},
          {0xD39FE932, "Armadillo", -3660.0f, -2611.0f, 150.0f},
          {0xA51AF855, "Tumbleweed", -5497.0f, -2944.0f, 150.0f},
          {0x00704B67, "Annesburg", 2930.0f, 1340.0f, 170.0f},
          {0x197DEE02, "Strawberry", -1772.0f, -394.0f, 150.0f},
      },
      districts_{
          {0x07D4FF5F, "Heartlands", -100.0f, 500.0f},
          {0x07D4FF5F, "Heartlands", 1000.0f, 500.0f},
          {0x6D67801E, "Cumberland", 450.0f, 1300.0f},
          {0xF8D68DC1, "Grizzlies East", 900.0f, 2300.0f},
          {0x62162401, "Grizzlies West", -1300.0f, 2000.0f},
          {0x0AA5F25D, "Roanoke", 2500.0f, 1300.0f},
          {0xCC7C3314, "Scarlett Meadows", 1100.0f, -900.0f},
          {0x4DFA0B50, "Bluewater Marsh", 1900.0f, -200.0f},
          {0x78BFE1AC, "Bayou Nwa", 2300.0f, -1000.0f},
          {0x3108C492, "Big Valley", -1800.0f, 0.0f},
          {0x6467EF09, "Tall Trees", -2300.0f, -1100.0f},
          {0x1C68EA97, "Great Plains", -900.0f, -1700.0f},
          {0x35390B10, "Hennigans Stead", -2600.0f, -2700.0f},
          {0xF9831C72, "Cholla Springs", -3700.0f, -2300.0f},
          {0x84D7AD0E, "Gaptooth Ridge", -5400.0f, -2500.0f},
          {0x8016C23F, "Rio Bravo", -4700.0f, -3300.0f},
          {0x19700C95, "Diez Coronas", -3000.0f, -3900.0f},
          {0xB1531168, "Perdido", -5600.0f, -3800.0f},
          {0x56A7C746, "Punta Orgullo", -4300.0f, -4000.0f},
      } {}

bool Zones::onMainland(float x, float y) const {
    return Terrain::onMainland(x, y);
}

uint32_t Zones::at(Vec3 p, int32_t type) const {
    if (type == kTown) {
        for (const TownZone& town : towns_) {
            if (std::hypot(p.x - town.x, p.y - town.y) <= town.radius) return town.id;
        }
        return 0;
    }
    if (type != kDistrict) return 0;
    if (Terrain::onGuarma(p.x, p.y)) return kGuarma;
    if (!Terrain::onMainland(p.x, p.y)) return 0;
    const DistrictSeed* nearest = nullptr;
    float best = 0.0f;
    for (const DistrictSeed& seed : districts_) {
        const float d = std::hypot(p.x - seed.x, p.y - seed.y);
        if (!nearest || d < best) {
            nearest = &seed;
            best = d;
        }
    }
    return nearest->id;
}

}  // namespace sim
