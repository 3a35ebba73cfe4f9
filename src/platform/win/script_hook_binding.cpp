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

// Bound once at attach, read by the forwarders for as long as the plug-in is loaded; all null
// after a refused attach.
FARPROC gExports[kExportCount] = {};

// x64 has one calling convention, so the hook's MSVC functions are called through plain pointers
// of the matching types; the detour through void (*)() keeps the cast free of warnings. Null
// while unbound: the forwarders then do nothing rather than call through it.
template <typename Fn>
Fn as(Export which) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(gExports[which]));
}

}  // namespace

bool scriptHookBound() {
    return gExports[kScriptRegister] != nullptr;
}

bool bindScriptHook(std::string& error) {
    // The hook is normally loaded before the plug-in: taking it from the loaded modules keeps
    // DllMain's time under the loader lock short. Loading it is the fallback.
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
    if (auto f = as<void (*)(void*, ScriptEntry)>(bf::win::kScriptRegister)) f(module, entry);
}
void scriptUnregister(void* module) {
    if (auto f = as<void (*)(void*)>(bf::win::kScriptUnregister)) f(module);
}
void keyboardHandlerRegister(KeyboardHandler handler) {
    if (auto f = as<void (*)(KeyboardHandler)>(bf::win::kKeyboardHandlerRegister)) f(handler);
}
void keyboardHandlerUnregister(KeyboardHandler handler) {
    if (auto f = as<void (*)(KeyboardHandler)>(bf::win::kKeyboardHandlerUnregister)) f(handler);
}
void scriptWait(uint32_t milliseconds) {
    if (auto f = as<void (*)(uint32_t)>(bf::win::kScriptWait)) f(milliseconds);
}
void nativeInit(uint64_t hash) {
    if (auto f = as<void (*)(uint64_t)>(bf::win::kNativeInit)) f(hash);
}
void nativePush64(uint64_t value) {
    if (auto f = as<void (*)(uint64_t)>(bf::win::kNativePush64)) f(value);
}
uint64_t* nativeCall() {
    // Unbound, a call answers zeros, as a native with nothing to say.
    static uint64_t none[4] = {};
    auto f = as<uint64_t* (*)()>(bf::win::kNativeCall);
    return f ? f() : none;
}

}  // namespace hook
