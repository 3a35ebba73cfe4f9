#include "sim/world/climate.h"

#include <algorithm>

namespace sim {

float airTemperature(float /*x*/, float y, float z) {
    // 5 degrees colder for every 1000 m northwards and 6.5 for every 1000 m of height: the city
    // by the bayou and the southern desert are over 30, the northern mountains near freezing.
    return 24.0f - 0.005f * y - 0.0065f * std::max(z, 0.0f);
}

}  // namespace sim
