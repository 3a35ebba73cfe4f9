// SpecificAnimalProcessor: the competition about one special animal (a variation of
// HuntingCompetitions.dat, see competition_variations.h). When the clock starts, the animal is
// put down in the area and the rival sets off after it (HuntTask); whoever of the player and the
// rival brings it down first wins the stake.
//
// The start: when the navigation mesh at the hunting ground's centre is loaded, the animal is
// created on a circle round the centre, its radius a random whole number of metres between half
// of r and r (r: the smaller of the area's and the hunting ground's radius), and roams that
// circle of r. It is dressed as its variation: the variation's outfit preset, its scale (stored
// as its "VX_Brackenfold_Scale", with its weight) and its health multiple, and it carries
// "VX_Brackenfold_Competition_AnimalHandled" = 1 from its first frame on, so that the dynamic
// sizes and the population leave it as the competition made it. When the mesh is not loaded it
// is requested ("requesting navmesh for spawn location: ..."), no animal is made, and the
// competition ends at once with outcome -1 ("failed to create animal. terminating. ...") - as it
// does when the animal cannot be made at all.
//
// Every frame of the hunt: once the animal is dead, dying or writhing, the killer decides: the
// player wins, the rival wins; anyone else's kill goes to the rival if he has hit the animal, else
// to the player if he has, else it is a draw. If the animal vanishes from the world (another
// script deleted it), the competition ends with outcome -1. When the time cap is reached with
// the animal still up, the competition ends in a draw: neither brought it down. The status
// widget shows only the time left for this kind; it has no scores.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "competitions/hunting_competition_processor.h"

namespace bf {

class SpecificAnimalProcessor : public HuntingCompetitionProcessor {
  public:
    static constexpr float kOpponentReach = 60.0f;

    SpecificAnimalProcessor(CompetitionInfo& info, DataCatalogue& data, Tutorials& tutorials);

    // The special animal at `point` (its height found on the ground), dressed and roaming the
    // circle of `roamRadius` round the area's centre; 0 when it could not be made.
    int32_t createTarget(Vector3 point, float roamRadius);

  protected:
    void runFrame(uint32_t now) override;
    void onStarted() override;
    void onTimeUp() override;

  private:
    void dress(int32_t animal);
};

}  // namespace bf
