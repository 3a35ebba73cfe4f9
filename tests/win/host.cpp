// The Wine smoke test's host: it plays the game's part in loading the plug-in.
//
//   brackenfold-win-host GAME_DIR HOOK_DLL PARTIAL_HOOK_DLL
//
// In GAME_DIR (Brackenfold.asi and the shipped Brackenfold/ folder) it attaches the plug-in three
// times: with no hook anywhere, with a hook that lacks one export (both must be refused cleanly:
// an initialisation failure, no access violation, a log line), and with the stand-in hook, where
// it runs frames and reads the log. Prints one line per check; exits 0 when all held.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kLog = "Brackenfold/Log.log";
constexpr int kFrames = 300;
int gFailures = 0;
// Access violations seen anywhere in the process, caught by the loader or not.
volatile LONG gAccessViolations = 0;

LONG CALLBACK countAccessViolations(EXCEPTION_POINTERS* info) {
    if (info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION)
        InterlockedIncrement(&gAccessViolations);
    return EXCEPTION_CONTINUE_SEARCH;
}

void check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!ok) ++gFailures;
}

std::string readLog() {
    std::ifstream in(kLog, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool logHas(const std::string& text) {
    return readLog().find(text) != std::string::npos;
}

// One of the stand-in's controls.
template <typename Fn>
Fn control(HMODULE hook, const char* name) {
    auto proc = GetProcAddress(hook, name);
    if (!proc) {
        std::printf("FAIL: the stand-in hook lacks %s\n", name);
        std::exit(2);
    }
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

struct Standin {
    explicit Standin(HMODULE loaded) : module(loaded) {}
    HMODULE module;
    void (*startGame)() = control<void (*)()>(module, "standinStartGame");
    void (*runFrames)(int) = control<void (*)(int)>(module, "standinRunFrames");
    int (*scriptRegistered)() = control<int (*)()>(module, "standinScriptRegistered");
    int (*keyboardRegistered)() = control<int (*)()>(module, "standinKeyboardHandlerRegistered");
    void (*pressKey)(uint32_t) = control<void (*)(uint32_t)>(module, "standinPressKey");
    uint64_t (*nativeCalls)() = control<uint64_t (*)()>(module, "standinNativeCalls");
    uint64_t (*nativesLastFrame)() = control<uint64_t (*)()>(module, "standinNativesLastFrame");
    const char* (*failure)() = control<const char* (*)()>(module, "standinFailure");
};

// An attach that must fail cleanly, leaving `logLine` in the log. The loader hides a fault in the
// plug-in's entry as a failed load: only the error code and the fault count tell it from a
// refusal.
void expectRefused(const std::string& asi, const std::string& why, const std::string& logLine) {
    fs::remove(kLog);
    const LONG faultsBefore = gAccessViolations;
    SetLastError(0);
    HMODULE plugin = LoadLibraryA(asi.c_str());
    const DWORD error = GetLastError();
    check(plugin == nullptr, "attach refused " + why);
    if (plugin) FreeLibrary(plugin);
    check(error == ERROR_DLL_INIT_FAILED,
          "the load failed as a refused initialisation (error " + std::to_string(error) + ")");
    check(gAccessViolations == faultsBefore, "no access violation " + why);
    check(logHas(logLine), "log says \"" + logLine + "\"");
}

std::vector<std::string> logLines() {
    std::vector<std::string> lines;
    std::istringstream in(readLog());
    for (std::string line; std::getline(in, line);) {
        // The log is written in text mode: CR LF on Windows.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void checkStartUpLog() {
    const auto lines = logLines();
    check(lines.size() >= 3 &&
              std::regex_match(lines[0], std::regex(R"(\[\d{1,2}/\d{1,2}/\d{4} \d{1,2}:\d{1,2}:)"
                                                    R"(\d{1,2}\] Brackenfold 1\.2\.0)")) &&
              lines[1] ==
                  "NOTE: if you want to report an issue, please attach this file's contents." &&
              lines[2] == std::string(75, '='),
          "log begins with the banner");
    check(logHas("settings file loaded"), "Settings.ini loaded");
    for (const auto& entry : fs::directory_iterator("Brackenfold")) {
        if (entry.path().extension() != ".dat") continue;
        const std::string name = entry.path().filename().string();
        check(logHas("data file 'Brackenfold/" + name + "' loaded"), name + " loaded");
    }
    check(logHas("loaded blips_mp"), "start-up finished");
    check(!logHas("Something wrong happened"), "no \"Something wrong happened\"");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::printf("usage: brackenfold-win-host GAME_DIR HOOK_DLL PARTIAL_HOOK_DLL\n");
        return 2;
    }
    const std::string hookPath = fs::absolute(argv[2]).string();
    const std::string partialPath = fs::absolute(argv[3]).string();
    fs::current_path(argv[1]);
    const std::string asi = (fs::current_path() / "Brackenfold.asi").string();
    AddVectoredExceptionHandler(1, countAccessViolations);

    expectRefused(asi, "without the hook", "ScriptHookRDR2.dll is not loaded");

    HMODULE partialModule = LoadLibraryA(partialPath.c_str());
    check(partialModule != nullptr, "partial stand-in hook loaded");
    if (!partialModule) return 1;
    {
        Standin partial(partialModule);
        partial.startGame();
        expectRefused(asi, "with ?nativeCall@@YAPEA_KXZ missing",
                      "ScriptHookRDR2.dll does not export ?nativeCall@@YAPEA_KXZ");
        check(!partial.scriptRegistered() && !partial.keyboardRegistered(),
              "a refused attach registers nothing");
    }
    FreeLibrary(partialModule);

    HMODULE hookModule = LoadLibraryA(hookPath.c_str());
    check(hookModule != nullptr, "stand-in hook loaded");
    if (!hookModule) return 1;
    Standin hook(hookModule);
    hook.startGame();
    HMODULE plugin = LoadLibraryA(asi.c_str());
    check(plugin != nullptr, "Brackenfold.asi attached");
    if (!plugin) return 1;
    check(hook.scriptRegistered() && hook.keyboardRegistered(),
          "script and keyboard handler registered");
    hook.runFrames(kFrames / 2);
    hook.pressKey(0x42);
    hook.runFrames(kFrames / 2);
    check(std::string(hook.failure()).empty(), std::string("no game fault ") + hook.failure());
    std::printf("natives: %llu in %d frames, %llu in the last\n",
                static_cast<unsigned long long>(hook.nativeCalls()), kFrames,
                static_cast<unsigned long long>(hook.nativesLastFrame()));
    check(hook.nativesLastFrame() > 0, "the frame loop calls natives");
    checkStartUpLog();
    FreeLibrary(plugin);
    check(!hook.scriptRegistered() && !hook.keyboardRegistered(),
          "detach unregistered script and keyboard handler");
    check(gAccessViolations == 0, "no access violation in the whole run");
    // The stand-in stays loaded: the abandoned script thread is parked inside it.
    return gFailures == 0 ? 0 : 1;
}
