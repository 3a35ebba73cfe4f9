// The Wine smoke test's host: it plays the game's part in loading the plug-in.
//
//   brackenfold-win-host GAME_DIR HOOK_DLL PARTIAL_HOOK_DLL
//
// In GAME_DIR (Brackenfold.asi and the shipped Brackenfold/ folder) it attaches the plug-in three
// times: with no hook anywhere, with a hook that lacks one export (both must be refused cleanly:
// an initialisation failure, no access violation, a log line), and with the stand-in hook, where
// it runs frames on its main thread while a window thread of its own sends key events, then
// reads the log and unloads the plug-in. The stand-in tells where the plug-in's calls came from:
// the script must run on its fiber of the frame thread, keys arrive on the window thread. The
// flight recorder is on for that run (Recorder_Enabled=1) and one of the keys is its marker key:
// the session's recording is left in Brackenfold/Recordings for the Linux replay (smoke.cmake).
// Prints one line per check; exits 0 when all held, 3 when the run hangs.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "standin_stats.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kLog = "Brackenfold/Log.log";
constexpr const char* kSettings = "Brackenfold/Settings.ini";
constexpr int kFrames = 300;
// Key events: down then up of each key, asked of the window thread every kKeyEveryFrames frames
// from kFirstKeyFrame on and awaited kKeyWithinFrames frames after asking.
// Scroll Lock is the recorder's marker key.
constexpr uint32_t kKeys[] = {0x42, 0x4A, VK_F5, VK_SCROLL};
constexpr int kKeyEvents = 2 * static_cast<int>(std::size(kKeys));
constexpr int kFirstKeyFrame = 100;
constexpr int kKeyEveryFrames = 20;
constexpr int kKeyWithinFrames = 10;
constexpr DWORD kWaitMs = 10000;
// A script that never hands its turn back stops the frame loop for good.
constexpr DWORD kHangMs = 60000;
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
    void (*sendKey)(uint32_t, int) = control<void (*)(uint32_t, int)>(module, "standinSendKey");
    const StandinStats* (*stats)() = control<const StandinStats* (*)()>(module, "standinStats");
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

// The data files as shipped, taken before the plug-in runs (it writes files of its own).
std::vector<std::string> shippedDataFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("Brackenfold")) {
        if (entry.path().extension() == ".dat") names.push_back(entry.path().filename().string());
    }
    return names;
}

void checkStartUpLog(const std::vector<std::string>& shipped) {
    const auto lines = logLines();
    check(lines.size() >= 3 &&
              std::regex_match(lines[0], std::regex(R"(\[\d{1,2}/\d{1,2}/\d{4} \d{1,2}:\d{1,2}:)"
                                                    R"(\d{1,2}\] Brackenfold 1\.2\.0)")) &&
              lines[1] ==
                  "NOTE: if you want to report an issue, please attach this file's contents." &&
              lines[2] == std::string(75, '='),
          "log begins with the banner");
    check(logHas("settings file loaded"), "Settings.ini loaded");
    for (const std::string& name : shipped) {
        // A translation is read only when the game runs in its language; the stand-in
        // answers the language question as the game does when nothing says otherwise.
        if (name.rfind("Lang.", 0) == 0 && name != "Lang.dat") continue;
        check(logHas("data file 'Brackenfold/" + name + "' loaded"), name + " loaded");
    }
    check(logHas("Lang: game language 0, texts from Lang.dat (English)"),
          "the game's language chose Lang.dat");
    check(logHas("loaded blips_mp"), "start-up finished");
    check(!logHas("Something wrong happened"), "no \"Something wrong happened\"");
}

struct Window {
    Standin* hook;
    HANDLE wanted = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE sent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
};

// The game's window thread: it delivers each key event when the frame loop asks for it.
DWORD WINAPI windowThread(void* param) {
    Window& window = *static_cast<Window*>(param);
    for (int i = 0; i < kKeyEvents; ++i) {
        if (WaitForSingleObject(window.wanted, kWaitMs) != WAIT_OBJECT_0) return 1;
        window.hook->sendKey(kKeys[i / 2], i % 2);
        SetEvent(window.sent);
    }
    return 0;
}

// Runs kFrames frames while the window thread sends the key events, each one landing in a known
// span of frames. Returns how many were delivered in time.
int runFramesWithKeys(Standin& hook) {
    Window window{&hook};
    HANDLE thread = CreateThread(nullptr, 0, windowThread, &window, 0, nullptr);
    int delivered = 0;
    for (int frame = 0; frame < kFrames; ++frame) {
        const int since = frame - kFirstKeyFrame;
        if (since >= 0 && since / kKeyEveryFrames < kKeyEvents) {
            if (since % kKeyEveryFrames == 0) SetEvent(window.wanted);
            if (since % kKeyEveryFrames == kKeyWithinFrames &&
                WaitForSingleObject(window.sent, kWaitMs) == WAIT_OBJECT_0)
                ++delivered;
        }
        hook.runFrames(1);
    }
    // The plug-in is unloaded next: no key may be on its way into it.
    check(thread && WaitForSingleObject(thread, kWaitMs) == WAIT_OBJECT_0, "window thread ended");
    CloseHandle(thread);
    CloseHandle(window.wanted);
    CloseHandle(window.sent);
    return delivered;
}

DWORD WINAPI watchdog(void*) {
    Sleep(kHangMs);
    std::printf("FAIL: still running after %lu s (a script that keeps its turn?)\n",
                static_cast<unsigned long>(kHangMs / 1000));
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
    return 0;
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
    std::ofstream(kSettings, std::ios::app) << "\nRecorder_Enabled=1\n";
    AddVectoredExceptionHandler(1, countAccessViolations);
    CloseHandle(CreateThread(nullptr, 0, watchdog, nullptr, 0, nullptr));

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
    const std::vector<std::string> shipped = shippedDataFiles();
    HMODULE plugin = LoadLibraryA(asi.c_str());
    check(plugin != nullptr, "Brackenfold.asi attached");
    if (!plugin) return 1;
    check(hook.scriptRegistered() && hook.keyboardRegistered(),
          "script and keyboard handler registered");
    const StandinStats& stats = *hook.stats();
    const int delivered = runFramesWithKeys(hook);
    check(std::string(hook.failure()).empty(), std::string("no game fault ") + hook.failure());
    check(stats.frames == kFrames, std::to_string(stats.frames) + " frames ran");
    std::printf("natives: %llu in %d frames, %llu in the last\n",
                static_cast<unsigned long long>(hook.nativeCalls()), kFrames,
                static_cast<unsigned long long>(hook.nativesLastFrame()));
    check(hook.nativesLastFrame() > 0, "the frame loop calls natives");
    // Every turn of the script ends in a scriptWait that switches back to the frame loop.
    check(stats.scriptTurns > 0 && stats.waitsOnFiber == stats.scriptTurns &&
              stats.nativesOnFiber == hook.nativeCalls(),
          "the script ran on its fiber of the frame thread: " + std::to_string(stats.scriptTurns) +
              " turns, " + std::to_string(stats.waitsOnFiber) + " waits");
    check(stats.misplacedCalls == 0, "no scriptWait or native call off the script fiber (" +
                                         std::to_string(stats.misplacedCalls) + ")");
    check(delivered == kKeyEvents && stats.keysOnOtherThreads == kKeyEvents &&
              stats.keysOnFrameThread == 0,
          std::to_string(stats.keysOnOtherThreads) + " of " + std::to_string(kKeyEvents) +
              " key events delivered on the window thread, " +
              std::to_string(stats.keysOnFrameThread) + " on the frame thread");
    checkStartUpLog(shipped);
    check(logHas("Recorder: recording this session"), "the session is recorded");
    check(logHas("Recorder: marker 1 at frame"), "the marker key marked the recording");
    FreeLibrary(plugin);
    bool recorded = false;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("Brackenfold/Recordings", error))
        recorded = recorded || (entry.path().extension() == ".bfrec" && entry.file_size() > 0);
    check(recorded, "a recording in Brackenfold/Recordings");
    check(!hook.scriptRegistered() && !hook.keyboardRegistered(),
          "detach unregistered script and keyboard handler");
    check(stats.fibersDeleted == 1, "the script's fiber was deleted");
    const uint64_t turns = stats.scriptTurns;
    hook.runFrames(10);
    check(stats.scriptTurns == turns && hook.nativesLastFrame() == 0,
          "frames after the unload reach no script");
    check(gAccessViolations == 0, "no access violation in the whole run");
    // Nothing of the script is left inside the hook: it unloads too.
    check(FreeLibrary(hookModule) != 0, "stand-in hook unloaded");
    return gFailures == 0 ? 0 : 1;
}
