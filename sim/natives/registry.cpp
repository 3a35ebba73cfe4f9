// The native table of the simulated game: one registration function per domain.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerAllNatives(Game& game) {
    registerCoreNatives(game);
    // The world step runs in registration order: walking (core), then tasks and behaviour,
    // then riders, led horses and cargo following them.
    registerTaskNatives(game);
    registerCombatNatives(game);
    registerPlayerNatives(game);
    registerEnvironmentNatives(game);
    registerPedAttributeNatives(game);
    registerTradingNatives(game);
    registerStreamingNatives(game);
    registerTextNatives(game);
    registerEventNatives(game);
    registerDecoratorNatives(game);
    registerAnimalNatives(game);
    registerPopulationNatives(game);
    registerDrawingNatives(game);
    registerMoneyNatives(game);
    registerZoneNatives(game);
    registerEntityNatives(game);
    registerPedNatives(game);
    registerWeaponNatives(game);
    registerSpeechNatives(game);
    registerWorldNatives(game);
    registerPromptNatives(game);
    registerBlipNatives(game);
    registerWildlifeNatives(game);
}

}  // namespace sim
