// HuntTask: a hunter who hunts one given animal in an area, on his own (the rival of the
// specific-animal competition). It follows the cycle of HuntAnimalTypeTask, aimed at that one
// animal instead of any animal of a kind.
//
// Before each step, in this order:
//   - the animal no longer exists: stealth off, state 99;
//   - the animal is dead: while its body is still falling (the game's "corpse at rest" is false)
//     he does nothing new; once it lies at rest he lowers his weapon, stealth off, state 99.
// Then the step of the state:
//
//   state              what he does                                  next
//   0  roam            stealth 0.5; a sequence: stop looking,        1
//                      weapon lowered, armed with his best weapon
//                      when he holds none, roaming the area's circle
//                      (3 m walks, 6 s pauses)
//   1  search          notes whether the animal is within reach;     2
//                      gives himself 5 s to spot it; sleeps 1 s
//   2  spot            5 s are up                                    1
//                      the animal is within reach and he sees it:    3
//                      he turns to it; 4 s to confirm
//                      otherwise                                     2 (next frame)
//   3  confirm         after the 4 s: he still sees it               4
//                      he lost it                                    0
//   4  stalk and       stealth 1.0; the shooting sequence of         5
//      shoot           hunter_moves.h (look, close in, raise the
//                      weapon, creep closer, aim, shoot); sleeps
//                      500 ms
//   5  shooting        not shooting and he cannot see it: he curses  6 (rest 10 s)
//                      ("GENERIC_CURSE_MED")
//                      the sequence still runs                       5
//                      the sequence ended and the animal lives       4 (shoots again)
//   6  rest            10 s are up                                   0
//   99 done            stealth off; never steps again (hasFailed)    -
//
// A dead animal is caught by the checks before the step, whichever state he is in. The task
// never succeeds by itself; it fails (hasFailed) in state 99 or once the hunter is dead.
#pragma once

#include <cstdint>

#include "competitions/async_ped_task.h"
#include "core/vector3.h"

namespace bf {

class HuntTask : public AsyncPedTask {
  public:
    enum State : int32_t {
        kRoam = 0,
        kSearch = 1,
        kSpot = 2,
        kConfirm = 3,
        kStalkAndShoot = 4,
        kShooting = 5,
        kRest = 6,
        kDone = 99,
    };
    static constexpr float kRoamStealth = 0.5f;
    static constexpr int32_t kSearchSleepMs = 1000;
    static constexpr int32_t kSpotMs = 5000;
    static constexpr int32_t kConfirmMs = 4000;
    static constexpr int32_t kShootSleepMs = 500;
    static constexpr int32_t kRestMs = 10000;

    HuntTask(int32_t hunter, int32_t animal, Vector3 areaCentre, float reach, float roamRadius);

    bool hasFailed() override;

    int32_t state() const { return state_; }
    int32_t animal() const { return animal_; }

  protected:
    void step() override;

  private:
    // The checks before each step; false when the animal's death or absence ended the hunt.
    bool animalStillHunted();
    void search();
    void spot();
    void confirm();
    void shooting();
    void done();

    int32_t animal_;
    float reach_;
    float roamRadius_;
    Vector3 areaCentre_;
    int32_t state_ = kRoam;
    bool inReach_ = false;
    uint32_t waitUntil_ = 0;
};

}  // namespace bf
