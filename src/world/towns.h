// The eight town records of the shared world library: each town's id (its own zone id), name,
// centre and radius on the map, its local gang, and the candidate start points of hunting
// competitions held near it, in the order they were added.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/vector3.h"

namespace bf {

inline constexpr uint32_t kTownValentine = 0x1B6880B3;
inline constexpr uint32_t kTownRhodes = 0x79FF6291;
inline constexpr uint32_t kTownSaintDenis = 0xD25EC74F;
inline constexpr uint32_t kTownBlackwater = 0x3EC4B1F5;
inline constexpr uint32_t kTownArmadillo = 0xD39FE932;
inline constexpr uint32_t kTownTumbleweed = 0xA51AF855;
inline constexpr uint32_t kTownAnnesburg = 0x00704B67;
inline constexpr uint32_t kTownStrawberry = 0x197DEE02;

struct TownRecord {
    uint32_t id = 0;
    std::string name;
    Vector3 centre;
    float radius = 0.0f;
    std::string gangName;
    std::vector<std::string> gangModels;
    std::vector<Vector3> startPoints;
};

using TownRecords = std::vector<std::shared_ptr<const TownRecord>>;

// The eight records in a fixed order. The grizzlies' start points join Valentine's list only
// when those mountains are not disabled.
TownRecords buildTownRecords(bool disableGrizzlies);

}  // namespace bf
