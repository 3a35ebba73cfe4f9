// The checker runs without the game. Some of the plug-in's objects it links for their tables
// (the district table, the towns' records) share object files with code that calls natives, so
// the linker asks for the hook's functions; here they are, and none of them is ever reached: a
// call would mean the checker asked a game that is not there.
#include <cstdio>
#include <cstdlib>

#include "core/hook.h"

namespace {

[[noreturn]] void noGame(const char* function) {
    std::fprintf(stderr, "brackenfold-check: %s called, but the checker runs without the game\n",
                 function);
    std::abort();
}

}  // namespace

namespace hook {

void scriptRegister(void*, ScriptEntry) {
    noGame("scriptRegister");
}
void scriptUnregister(void*) {
    noGame("scriptUnregister");
}
void keyboardHandlerRegister(KeyboardHandler) {
    noGame("keyboardHandlerRegister");
}
void keyboardHandlerUnregister(KeyboardHandler) {
    noGame("keyboardHandlerUnregister");
}
void scriptWait(uint32_t) {
    noGame("scriptWait");
}
void nativeInit(uint64_t) {
    noGame("nativeInit");
}
void nativePush64(uint64_t) {
    noGame("nativePush64");
}
uint64_t* nativeCall() {
    noGame("nativeCall");
}

}  // namespace hook
