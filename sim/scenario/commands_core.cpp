// The core of the scenario language: set-up, time, the player, and the log, file, screen and
// running expectations.
#include <fstream>
#include <sstream>

#include "sim/scenario/commands.h"
#include "sim/scenario/key_names.h"
#include "sim/world/hash.h"

namespace sim::scenario {

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void checkKeyValue(const Args& args, size_t i) {
    if (args[i].find('=') == std::string::npos) {
        throw SyntaxError("line " + std::to_string(args.lineNumber()) + ": expected KEY=VALUE");
    }
}

// A path under the game folder that stays under it.
fs::path underFolder(const fs::path& folder, const std::string& relative, const Args& args) {
    const fs::path path = fs::path(relative).lexically_normal();
    if (path.is_absolute() || (!path.empty() && *path.begin() == "..")) {
        throw SyntaxError("line " + std::to_string(args.lineNumber()) +
                          ": the path must stay inside the game folder");
    }
    return folder / path;
}

void checkRelativePath(const Args& args) {
    underFolder("x", args[0], args);
}

int countLogLines(Runner& runner, const std::string& text) {
    int count = 0;
    for (const auto& line : runner.logLines()) {
        if (line.find(text) != std::string::npos) ++count;
    }
    return count;
}

}  // namespace

void appendDataFileLine(const fs::path& file, const std::string& line) {
    std::string content = readFile(file);
    if (!content.empty() && content.back() != '\n') content += '\n';
    content += line + "\n";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

void setDataFileKey(const fs::path& file, const std::string& keyValue) {
    const std::string key = keyValue.substr(0, keyValue.find('=') + 1);
    std::istringstream in(readFile(file));
    std::string out, line;
    bool replaced = false;
    while (std::getline(in, line)) {
        if (!replaced && line.rfind(key, 0) == 0) {
            line = keyValue;
            replaced = true;
        }
        out += line + "\n";
    }
    if (!replaced) out += keyValue + "\n";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << out;
}

void registerCoreCommands(CommandRegistry& r) {
    // --- Set-up -------------------------------------------------------------------------------
    r.add({"seed", Phase::Setup, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner&, const Args&) {}});  // read before the game is made
    // The game stops playing along (world/chaos.h): RATE from 0 (never) to 1.
    r.add({"chaos", Phase::Anywhere, 1, 1,
           [](const Args& a) {
               const double rate = a.number(0);
               if (!(rate >= 0.0 && rate <= 1.0))
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": the chaos rate is a chance from 0 to 1");
           },
           [](Runner& run, const Args& a) { run.setChaosRate(a.number(0)); }});
    r.add({"setting", Phase::Anywhere, 1, 1, [](const Args& a) { checkKeyValue(a, 0); },
           [](Runner& run, const Args& a) {
               appendDataFileLine(run.dataDir() / "Settings.ini", a[0]);
           }});
    r.add({"settings-file", Phase::Setup, 1, 1,
           [](const Args& a) {
               if (!a.is(0, "none"))
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": only 'settings-file none' is known");
           },
           [](Runner& run, const Args&) { fs::remove(run.dataDir() / "Settings.ini"); }});
    r.add({"data", Phase::Anywhere, 2, 2,
           [](const Args& a) {
               checkRelativePath(a);
               checkKeyValue(a, 1);
           },
           [](Runner& run, const Args& a) {
               setDataFileKey(underFolder(run.dataDir(), a[0], a), a[1]);
           }});
    r.add({"data-line", Phase::Anywhere, 2, 2, checkRelativePath, [](Runner& run, const Args& a) {
               appendDataFileLine(underFolder(run.dataDir(), a[0], a), a[1]);
           }});
    r.add({"data-file", Phase::Setup, 2, 2,
           [](const Args& a) {
               checkRelativePath(a);
               if (!a.is(1, "none"))
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": only 'data-file FILE none' is known");
           },
           [](Runner& run, const Args& a) { fs::remove(underFolder(run.dataDir(), a[0], a)); }});

    // --- The player ---------------------------------------------------------------------------
    r.add({"player at", Phase::Anywhere, 3, 3, [](const Args& a) { a.position(0); },
           [](Runner& run, const Args& a) {
               Game& game = run.game();
               game.world().entities.find(game.world().player.ped)->position = a.position(0);
           }});
    r.add({"player model", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               Game& game = run.game();
               game.world().entities.find(game.world().player.ped)->model = gameHash(a[0]);
           }});
    r.add({"player cash", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) { run.game().world().player.cashCents = a.integer(0); }});

    // --- Time ---------------------------------------------------------------------------------
    r.add({"frames", Phase::Time, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               for (int64_t i = 0; i < a.integer(0); ++i)
                   run.runFrame();
           }});
    r.add({"wait", Phase::Time, 1, 1, [](const Args& a) { a.durationMs(0); },
           [](Runner& run, const Args& a) { run.runFor(a.durationMs(0)); }});
    r.add({"restart", Phase::Time, 0, 0, nullptr,
           [](Runner& run, const Args&) { run.restartGame(); }});

    // --- Keyboard -----------------------------------------------------------------------------
    // The key goes down and up through the registered keyboard handler, on this thread, as the
    // game's window thread would send it; the script sees it from its next frame on.
    // A combination ("Ctrl+F10", as in Settings.ini) holds its modifiers round the key.
    r.add({"press key", Phase::Anywhere, 1, 1,
           [](const Args& a) {
               if (!parseKeyPress(a[0]))
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": a key code (1 to 254) or a combination such as Ctrl+F10");
           },
           [](Runner& run, const Args& a) {
               using Handler = void (*)(uint32_t, uint16_t, uint8_t, int, int, int, int);
               auto handler = reinterpret_cast<Handler>(run.game().keyboardHandler());
               if (!handler) throw ExpectationFailed("no keyboard handler is registered");
               for (const KeyboardEvent& e : keyboardEventsOf(*parseKeyPress(a[0])))
                   handler(e.key, 1, 0, 0, e.withAlt, e.wasDownBefore, e.isUpNow);
           }});
    // The language chosen in the game's settings (GET_CURRENT_LANGUAGE's number, 0 English).
    r.add({"game language", Phase::Anywhere, 1, 1,
           [](const Args& a) {
               if (a.integer(0) < 0)
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": a language number is 0 or more");
           },
           [](Runner& run, const Args& a) {
               run.game().world().screen.language = static_cast<int32_t>(a.integer(0));
           }});

    // --- Expectations -------------------------------------------------------------------------
    r.add({"expect log", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               run.expect(countLogLines(run, a[0]) > 0, "no log line contains \"" + a[0] + "\"");
           }});
    r.add({"expect no-log", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               run.expect(countLogLines(run, a[0]) == 0, "a log line contains \"" + a[0] + "\"");
           }});
    r.add({"expect log-count", Phase::Anywhere, 2, 2, [](const Args& a) { a.integer(1); },
           [](Runner& run, const Args& a) {
               const int count = countLogLines(run, a[0]);
               run.expect(count == a.integer(1), std::to_string(count) + " log lines contain \"" +
                                                     a[0] + "\", expected " + a[1]);
           }});
    r.add({"expect file", Phase::Anywhere, 3, 3,
           [](const Args& a) {
               checkRelativePath(a);
               if (!a.is(1, "contains"))
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": expected 'expect file PATH contains "
                                     "\"TEXT\"'");
           },
           [](Runner& run, const Args& a) {
               const fs::path path = underFolder(run.gameDir(), a[0], a);
               run.expect(fs::exists(path), a[0] + " does not exist");
               run.expect(readFile(path).find(a[2]) != std::string::npos,
                          a[0] + " does not contain \"" + a[2] + "\"");
           }});
    r.add({"expect no-file", Phase::Anywhere, 1, 1, checkRelativePath,
           [](Runner& run, const Args& a) {
               run.expect(!fs::exists(underFolder(run.gameDir(), a[0], a)), a[0] + " exists");
           }});
    r.add({"expect screen", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               bool shown = false;
               for (const auto& item : run.game().world().screen.shownSinceMark()) {
                   if (item.text.find(a[0]) != std::string::npos) shown = true;
               }
               run.expect(shown, "nothing on screen contained \"" + a[0] +
                                     "\" since the previous time command");
           }});
    r.add({"expect running", Phase::Anywhere, 0, 0, nullptr, [](Runner& run, const Args&) {
               run.expect(run.game().callsLastFrame() > 0,
                          "the plug-in called no native in the last frame");
           }});
    r.add({"expect halted", Phase::Anywhere, 0, 0, nullptr, [](Runner& run, const Args&) {
               run.expect(run.game().callsLastFrame() == 0,
                          "the plug-in called " + std::to_string(run.game().callsLastFrame()) +
                              " natives in the last frame");
           }});
}

}  // namespace sim::scenario
