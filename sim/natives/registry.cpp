// The native table of the simulated game: one registration function per domain.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerAllNatives(Game& game) {
    registerCoreNatives(game);
    // Each domain registers its natives; the order of the world's step is its own
    // (world/step.h), whatever the order here.
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
