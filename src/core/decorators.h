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

// Registers the nine, in their fixed order (type 1 for the two floats, 3 for the rest).
void registerDecorators();

}  // namespace bf
