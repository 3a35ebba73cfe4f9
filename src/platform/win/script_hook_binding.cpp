#include "platform/win/script_hook_binding.h"

#include <windows.h>

#include "core/hook.h"

namespace bf::win {

namespace {

enum Export {
    kScriptRegister,
    kScriptUnregister,
    kKeyboardHandlerRegister,
    kKeyboardHandlerUnregister,
    kScriptWait,
    kNativeInit,
    kNativePush64,
    kNativeCall,
    kExportCount
};

constexpr const char* kExportNames[kExportCount] = {
    "?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z",
    "?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z",
    "?keyboardHandlerRegister@@YAXP6AXKGEHHHH@Z@Z",
    "?keyboardHandlerUnregister@@YAXP6AXKGEHHHH@Z@Z",
    "?scriptWait@@YAXK@Z",
    "?nativeInit@@YAX_K@Z",
    "?nativePush64@@YAX_K@Z",
    "?nativeCall@@YAPEA_KXZ",
};

// Bound once at attach, read by the forwarders for as long as the plug-in is loaded.
FARPROC gExports[kExportCount] = {};

// x64 has one calling convention, so the hook's MSVC functions are called through plain pointers
// of the matching types; the detour through void (*)() keeps the cast free of warnings.
template <typename Fn>
Fn as(Export which) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(gExports[which]));
}

}  // namespace

bool bindScriptHook(std::string& error) {
    HMODULE hook = GetModuleHandleA(kScriptHookDll);
    if (!hook) hook = LoadLibraryA(kScriptHookDll);
    if (!hook) {
        error = std::string("ERROR: ") + kScriptHookDll +
                " is not loaded and cannot be found, Brackenfold is not started. Install the "
                "script hook in the game folder.";
        return false;
    }
    FARPROC resolved[kExportCount] = {};
    for (int i = 0; i < kExportCount; ++i) {
        resolved[i] = GetProcAddress(hook, kExportNames[i]);
        if (!resolved[i]) {
            error = std::string("ERROR: ") + kScriptHookDll + " does not export " +
                    kExportNames[i] +
                    ", Brackenfold is not started. The script hook may be out of date.";
            return false;
        }
    }
    // Only a complete set is kept: a refused attach leaves nothing half-bound.
    for (int i = 0; i < kExportCount; ++i)
        gExports[i] = resolved[i];
    return true;
}

}  // namespace bf::win

namespace hook {

using bf::win::as;

void scriptRegister(void* module, ScriptEntry entry) {
    as<void (*)(void*, ScriptEntry)>(bf::win::kScriptRegister)(module, entry);
}
void scriptUnregister(void* module) {
    as<void (*)(void*)>(bf::win::kScriptUnregister)(module);
}
void keyboardHandlerRegister(KeyboardHandler handler) {
    as<void (*)(KeyboardHandler)>(bf::win::kKeyboardHandlerRegister)(handler);
}
void keyboardHandlerUnregister(KeyboardHandler handler) {
    as<void (*)(KeyboardHandler)>(bf::win::kKeyboardHandlerUnregister)(handler);
}
void scriptWait(uint32_t milliseconds) {
    as<void (*)(uint32_t)>(bf::win::kScriptWait)(milliseconds);
}
void nativeInit(uint64_t hash) {
    as<void (*)(uint64_t)>(bf::win::kNativeInit)(hash);
}
void nativePush64(uint64_t value) {
    as<void (*)(uint64_t)>(bf::win::kNativePush64)(value);
}
uint64_t* nativeCall() {
    return as<uint64_t* (*)()>(bf::win::kNativeCall)();
}

}  // namespace hook
