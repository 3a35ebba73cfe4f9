#include "core/entry.h"

#include "core/context.h"
#include "core/hook.h"
#include "core/script.h"

namespace bf {

bool libraryEntry(void* module, uint32_t reason) {
    if (reason == kProcessAttach) {
        hook::scriptRegister(module, &ScriptMain);
        hook::keyboardHandlerRegister(&keyboardHandler);
    } else if (reason == kProcessDetach) {
        hook::scriptUnregister(module);
        hook::keyboardHandlerUnregister(&keyboardHandler);
    }
    return true;
}

void keyboardHandler(uint32_t key, uint16_t, uint8_t, int, int isWithAlt, int wasDownBefore,
                     int isUpNow) {
    if (key >= 255) return;
    context().keys[key] = KeyState{systemTickCount(), isWithAlt, wasDownBefore, isUpNow};
}

}  // namespace bf
