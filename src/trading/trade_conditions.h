// When a trade is possible: whom the player targets, whether he and his horse can trade, and
// whether a person is one who trades. Each answer comes from game natives read afresh.
#pragma once

#include <cstdint>

namespace bf {

// The ped the player targets; 0 for none.
int32_t findTradeTarget();
// Not aiming, alive, no mission, and a usable horse (see getPlayerHorse) wearing a saddle.
bool canPlayerTrade();
// The sixteen tests in their fixed order, false at the first that fails: alive, a ped, human, not
// in a vehicle, not getting up / fleeing / shooting / writhing, not fighting the player, hands
// down, outside every town, not hogtied / carried / lassoed, not reacting to an event, without
// "VX_Trading_isPedUntradeable", no story character, not in the player's group, not talking /
// carrying / working / in a scenario, no lawman, not duelling.
bool isPedTradeable(int32_t ped);
// The horse the ped rides, else the one he leads; 0 when there is none or it is gone, dead or
// injured.
int32_t getPlayerHorse(int32_t ped);

}  // namespace bf
