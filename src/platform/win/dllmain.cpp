// The plug-in's DLL entry: bind the script hook, then hand over to the library entry.
#include <windows.h>

#include <string>

#include "core/log.h"
#include "platform/win/script_hook_binding.h"
#include "spine/entry.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    // Nothing may throw into the loader.
    try {
        if (reason == DLL_PROCESS_ATTACH) {
            std::string error;
            if (!bf::win::bindScriptHook(error)) {
                // The data folder may be missing too; the log then drops the line.
                bf::logMessage(error);
                return FALSE;
            }
        }
        return bf::libraryEntry(module, reason) ? TRUE : FALSE;
    } catch (...) {
        return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
    }
}
