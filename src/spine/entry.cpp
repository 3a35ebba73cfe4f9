#include "spine/entry.h"

#include "core/hook.h"
#include "core/system_tick.h"
#include "spine/plugin.h"

namespace bf {

namespace {
// Zero-initialised at load time, before any thread can call the handler: the handler never
// constructs anything.
std::array<KeyState, 255> gKeys{};
}  // namespace

bool libraryEntry(void* module, uint32_t reason) {
    if (reason == kProcessAttach) {
        hook::scriptRegister(module, &ScriptMain);
        hook::keyboardHandlerRegister(&keyboardHandler);
    } else if (reason == kProcessDetach) {
        // The game is going: write what changed (no native is called), then withdraw.
        if (Plugin* running = runningPlugin()) running->saveBeforeUnload();
        hook::scriptUnregister(module);
        hook::keyboardHandlerUnregister(&keyboardHandler);
    }
    return true;
}

void keyboardHandler(uint32_t key, uint16_t, uint8_t, int, int isWithAlt, int wasDownBefore,
                     int isUpNow) {
    if (key >= gKeys.size()) return;
    gKeys[key] = KeyState{systemTickCount(), isWithAlt, wasDownBefore, isUpNow};
}

const std::array<KeyState, 255>& keyTable() {
    return gKeys;
}

}  // namespace bf
