// Fuzz target: a scenario of the simulated game's language, from memory: tokenized and parsed
// (every command matched and its arguments checked), nothing run. A malformed scenario is a
// SyntaxError; anything else escaping is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "sim/scenario/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in{std::string(reinterpret_cast<const char*>(data), size)};
    try {
        const std::vector<sim::scenario::Line> lines = sim::scenario::tokenize(in);
        static_cast<void>(sim::scenario::parseScenario(lines));
    } catch (const sim::scenario::SyntaxError&) {
    }
    return 0;
}
