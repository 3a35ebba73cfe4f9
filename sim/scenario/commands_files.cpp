// The run's files: the settings and data files the plug-in reads, and the files and the log it
// writes.
#include <fstream>
#include <sstream>

#include "sim/scenario/commands.h"

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

void registerFileCommands(CommandRegistry& r) {
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
}

}  // namespace sim::scenario
