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

void registerEventNatives(Game& game);      // the event queue
void registerDecoratorNatives(Game& game);  // decorators
void registerAnimalNatives(Game& game);     // peds, animals, wounds, weapons, inspection

}  // namespace sim
