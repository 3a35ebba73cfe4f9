// The plug-in's decorators: named values stored on entities, which other scripts may read too.
// The game refuses a decorator that was not registered first, so start-up registers all of them
// before any feature runs.
#pragma once

namespace bf {

inline constexpr const char* kDecorUntradeable = "VX_Trading_isPedUntradeable";
inline constexpr const char* kDecorTradeRunning = "VX_Trading_isTradeInterationRunning";
inline constexpr const char* kDecorWeight = "VX_Brackenfold_Weight";
inline constexpr const char* kDecorScale = "VX_Brackenfold_Scale";
inline constexpr const char* kDecorBleedingSeconds = "VX_Brackenfold_BleedingSeconds";
inline constexpr const char* kDecorBleedingSince = "VX_Brackenfold_BleedingSince";
inline constexpr const char* kDecorCriticalShot = "VX_Brackenfold_CriticalShot";
inline constexpr const char* kDecorCriticalShotLastDamageTime =
    "VX_Brackenfold_CriticalShotLastDamageTime";
inline constexpr const char* kDecorCompetitionAnimalHandled =
    "VX_Brackenfold_Competition_AnimalHandled";
// On the animals a competition made (its spawns and the special animal), until its clean-up: the
// population's culling leaves them be.
inline constexpr const char* kDecorCompetitionAnimal = "VX_Brackenfold_Competition_Animal";
// On the rival while the hunt runs: his kills do not deplete the district.
inline constexpr const char* kDecorCompetitionRival = "VX_Brackenfold_Competition_Rival";

// Registers all eleven, in their fixed order (type 1 for the two floats, 3 for the rest).
void registerDecorators();

}  // namespace bf
