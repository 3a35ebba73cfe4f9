#include "sim/world/script_objects.h"

namespace sim {

std::string ScriptObjects::text() const {
    return "peds " + std::to_string(peds) + ", prop sets " + std::to_string(propSets) + ", blips " +
           std::to_string(blips) + ", prompts " + std::to_string(prompts) + ", item sets " +
           std::to_string(itemSets) + ", sequences " + std::to_string(sequences) +
           ", scenario points " + std::to_string(scenarioPoints);
}

ScriptObjects scriptObjects(const World& world) {
    ScriptObjects held;
    for (const auto& [handle, e] : world.entities.all()) {
        if (e.kind == EntityKind::Ped && e.missionEntity && !e.released) ++held.peds;
    }
    for (const auto& [handle, set] : world.propSets.all()) {
        if (!set.released) ++held.propSets;
    }
    held.blips = world.blips.all().size();
    held.prompts = world.prompts.all().size();
    held.itemSets = world.trade.itemsets.live();
    held.sequences = world.sequences.count();
    held.scenarioPoints = world.scenarioPoints.all().size();
    return held;
}

}  // namespace sim
