// The hunter camp: a tent with camp-fire and dressing at the competition's start point, and the
// rival standing by it, armed, in a relationship group of his own, carrying the stake, idling
// until the player accepts at him. HuntingCompetitionProcessor::buildCamp sets it up;
// releaseCamp and cleanup take it down.
#pragma once

#include <cstdint>
#include <vector>

namespace bf {

struct HunterCamp {
    static const std::vector<const char*>& tentSets();
    static const std::vector<const char*>& campAdditions();
    static const std::vector<const char*>& seats();
    static constexpr const char* kCampfire = "pg_ambient_campfire01ax";
    static constexpr const char* kCoolModel = "a_m_m_huntertravelers_cool_01";
    static constexpr const char* kWarmModel = "a_m_m_huntertravelers_warm_01";
    static constexpr const char* kRelationshipGroup = "VX_Brackenfold_Hunters";
    static constexpr uint32_t kRifle = 0x772C8DD6;

    // The rival dresses for the weather: cool below 20 degrees, warm above 30, in between either
    // (a random draw that is only made there).
    static const char* opponentModel(float temperature);
};

}  // namespace bf
