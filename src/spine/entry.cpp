#include "spine/entry.h"

#include "core/bfrec_format.h"
#include "core/hook.h"
#include "core/os_clock.h"
#include "core/recorder.h"
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
        // The game is going: write what changed (no native is called), close the recording,
        // then withdraw.
        if (Plugin* running = runningPlugin()) running->unloading();
        hook::scriptUnregister(module);
        hook::keyboardHandlerUnregister(&keyboardHandler);
    }
    return true;
}

void keyboardHandler(uint32_t key, uint16_t repeats, uint8_t scanCode, int isExtended,
                     int isWithAlt, int wasDownBefore, int isUpNow) {
    if (key >= gKeys.size()) return;
    const uint32_t tick = osTickCount();
    gKeys[key] = KeyState{tick, isWithAlt, wasDownBefore, isUpNow};
    const auto flags = static_cast<uint8_t>(
        (isExtended ? bfrec::kKeyExtended : 0) | (isWithAlt ? bfrec::kKeyWithAlt : 0) |
        (wasDownBefore ? bfrec::kKeyWasDownBefore : 0) | (isUpNow ? bfrec::kKeyIsUpNow : 0));
    queueKeyEvent(KeyEvent{key, tick, repeats, scanCode, flags});
}

const std::array<KeyState, 255>& keyTable() {
    return gKeys;
}

}  // namespace bf
