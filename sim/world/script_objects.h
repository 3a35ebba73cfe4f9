// What scripts made in the game and still hold, by kind: the things a script has to delete or
// hand back to the game when it is done with them. Peds count while they are a script's own
// (created by CREATE_PED and neither deleted nor released); prop sets until they are deleted or
// released; blips, prompts, item sets, task sequences and scenario points until they are
// removed, cleared or destroyed (only scripts make those).
#pragma once

#include <cstddef>
#include <string>

#include "sim/world/world.h"

namespace sim {

struct ScriptObjects {
    size_t peds = 0;
    size_t propSets = 0;
    size_t blips = 0;
    size_t prompts = 0;
    size_t itemSets = 0;
    size_t sequences = 0;
    size_t scenarioPoints = 0;

    bool operator==(const ScriptObjects&) const = default;
    // "peds 1, prop sets 0, ..."
    std::string text() const;
};

ScriptObjects scriptObjects(const World& world);

}  // namespace sim
