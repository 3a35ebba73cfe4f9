// Speech lines the game played, in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct SpeechLine {
    uint64_t frame = 0;
    int32_t ped = 0;
    std::string line;
    std::string voice;  // "" when the ped's own voice was used
};

using SpeechLog = std::vector<SpeechLine>;

}  // namespace sim
