#include <windows.h>

#include "core/entry.h"

namespace bf {

uint32_t systemTickCount() {
    return GetTickCount();
}

}  // namespace bf
