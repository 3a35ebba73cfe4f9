#include "core/decorators.h"

#include "core/natives.h"

namespace bf {

namespace {
constexpr int32_t kFloat = 1;
constexpr int32_t kInt = 3;
}  // namespace

void registerDecorators() {
    natives::decorRegister(kDecorUntradeable, kInt);
    natives::decorRegister(kDecorTradeRunning, kInt);
    natives::decorRegister(kDecorWeight, kFloat);
    natives::decorRegister(kDecorScale, kFloat);
    natives::decorRegister(kDecorBleedingSeconds, kInt);
    natives::decorRegister(kDecorBleedingSince, kInt);
    natives::decorRegister(kDecorCriticalShot, kInt);
    natives::decorRegister(kDecorCriticalShotLastDamageTime, kInt);
    natives::decorRegister(kDecorCompetitionAnimalHandled, kInt);
    natives::decorRegister(kDecorCompetitionAnimal, kInt);
    natives::decorRegister(kDecorCompetitionRival, kInt);
}

}  // namespace bf
