#include "sim/scenario/commands.h"

namespace sim::scenario {

CommandRegistry& commandRegistry() {
    static CommandRegistry registry = [] {
        CommandRegistry r;
        registerCoreCommands(r);
        registerAnimalCommands(r);
        registerScreenCommands(r);
        registerWorldCommands(r);
        registerPopulationCommands(r);
        registerWildlifeCommands(r);
        registerTradingCommands(r);
        registerCompetitionCommands(r);
        return r;
    }();
    return registry;
}

}  // namespace sim::scenario
