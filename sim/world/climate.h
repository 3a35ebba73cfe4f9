// The air temperature: warm in the southern lowlands, colder to the north and with height.
#pragma once

namespace sim {

// Degrees Celsius at a point of the map.
float airTemperature(float x, float y, float z);

}  // namespace sim
