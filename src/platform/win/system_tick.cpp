#include <windows.h>

#include "core/system_tick.h"

namespace bf {

uint32_t systemTickCount() {
    return GetTickCount();
}

}  // namespace bf
