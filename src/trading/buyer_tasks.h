// What the buyer (and the player) are told to do in a trade, as game task sequences. Each call
// opens, fills, closes and hands over its sequences and frees their slots before it returns;
// the peds then act on their own.
#pragma once

#include <cstdint>

namespace bf {

class CargoAppraiser;
struct TradeOffer;

// The player and the buyer put their weapons away; the player, when mounted, hitches the horse at a
// post within 5 m (or gets off and takes it by the reins); the buyer comes over to the horse and
// faces him.
void sendBuyerToHorse(const TradeOffer& offer);
// The buyer's walk to the horse (and turn to the player) again, for a horse that moved after his
// walk had ended, as when the player hitches it.
void walkBuyerToHorseAgain(const TradeOffer& offer);
// The buyer looks over the cargo: the first entity always, each later one in one case of two;
// every entity takes part in the choice, the last of the highest scores wins. Returns that
// entity, or 0 when the buyer declines after looking (one case in two, whatever the settings).
int32_t inspectCargo(int32_t buyer, int32_t horse, const CargoAppraiser& appraiser);
// The buyer takes the entity off the horse and rides off on his mount, or walks away.
void concludeSale(int32_t buyer, int32_t entity, int32_t mount);
void sendBuyerAway(int32_t buyer, int32_t mount);
// One of "GENERIC_NO", "NICE_KILL_GENERAL", "IGNORING_YOU", after clearing the ped's tasks when
// asked.
void sayRefusal(int32_t ped, bool clear);

}  // namespace bf
