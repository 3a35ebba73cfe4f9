// The binding of the eight hook functions (core/hook.h) to the script hook's exports.
//
// The hook is a closed DLL built with MSVC, so its functions are found by their decorated C++
// names. Binding happens once, at attach, before the plug-in registers anything; a hook that is
// absent or lacks one of the eight refuses the attach rather than crash on a later call.
#pragma once

#include <string>

namespace bf::win {

inline constexpr const char* kScriptHookDll = "ScriptHookRDR2.dll";

// Resolves the eight exports from the loaded hook (loading it only if nothing has yet). Returns
// false with the log line that says what is missing, leaving every export unbound.
bool bindScriptHook(std::string& error);
// Whether the attach bound the hook: false before it and after a refused one.
bool scriptHookBound();

}  // namespace bf::win
