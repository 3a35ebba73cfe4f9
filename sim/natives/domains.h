// One registration function per native domain (natives/<domain>.cpp).
#pragma once

namespace sim {

class Game;

void registerCoreNatives(Game& game);       // player, time, randomness, hashes
void registerStreamingNatives(Game& game);  // texture dictionaries
void registerTextNatives(Game& game);       // text handles, messages, feeds, drawn texts
void registerDrawingNatives(Game& game);    // sprites
void registerMoneyNatives(Game& game);      // the player's cash
void registerZoneNatives(Game& game);       // towns and districts
void registerEntityNatives(Game& game);     // positions, facing, existence, deletion
void registerPedNatives(Game& game);        // ped creation, nearby peds, types, groups
void registerWeaponNatives(Game& game);     // has, give, equip, current
void registerSpeechNatives(Game& game);     // ambient speech
void registerWorldNatives(Game& game);      // ground height, scenario points
void registerPromptNatives(Game& game);     // prompts and the player's input
void registerBlipNatives(Game& game);       // map blips
void registerWildlifeNatives(Game& game);   // the player's scenarios, ambient animals
void registerTradingNatives(Game& game);    // horses, cargo, people's states, tasks

void registerEventNatives(Game& game);       // the event queue
void registerDecoratorNatives(Game& game);   // decorators
void registerAnimalNatives(Game& game);      // peds, animals, wounds, weapons, inspection
void registerPopulationNatives(Game& game);  // kills and animal type names

void registerTaskNatives(Game& game);          // sequences, tasks, stealth, looking
void registerCombatNatives(Game& game);        // relationships, fighting, shooting, sight
void registerPlayerNatives(Game& game);        // alive, on foot, Dead Eye, target, mission
void registerEnvironmentNatives(Game& game);   // temperature, navmesh, clearing, prop sets
void registerPedAttributeNatives(Game& game);  // display name, flags, animal tuning

}  // namespace sim
