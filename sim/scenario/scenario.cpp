#include "sim/scenario/scenario.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "sim/scenario/commands.h"
#include "sim/scenario/screenshot.h"

namespace sim::scenario {

namespace fs = std::filesystem;

std::vector<Line> tokenize(std::istream& in) {
    std::vector<Line> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        Line line{number, {}};
        std::string token;
        bool inToken = false, quoted = false;
        for (size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (quoted) {
                if (c == '"') {
                    quoted = false;
                } else {
                    token += c;
                }
            } else if (c == '"') {
                quoted = inToken = true;
            } else if (c == '#') {
                break;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                if (inToken) line.tokens.push_back(token);
                token.clear();
                inToken = false;
            } else {
                token += c;
                inToken = true;
            }
        }
        if (quoted) throw SyntaxError("line " + std::to_string(number) + ": unterminated quote");
        if (inToken) line.tokens.push_back(token);
        if (!line.tokens.empty()) lines.push_back(std::move(line));
    }
    return lines;
}

namespace {

[[noreturn]] void badArgument(const Args& args, size_t i, const char* kind) {
    const std::string token = i < args.size() ? args[i] : std::string("(missing)");
    throw SyntaxError("line " + std::to_string(args.lineNumber()) + ": expected " + kind +
                      ", got '" + token + "'");
}

}  // namespace

double Args::number(size_t i) const {
    if (i >= size()) badArgument(*this, i, "a number");
    const std::string& token = (*this)[i];
    char* end = nullptr;
    const double value = std::strtod(token.c_str(), &end);
    if (token.empty() || *end != '\0' || !std::isfinite(value)) badArgument(*this, i, "a number");
    return value;
}

int64_t Args::integer(size_t i) const {
    if (i >= size()) badArgument(*this, i, "an integer");
    const std::string& token = (*this)[i];
    char* end = nullptr;
    const long long value = std::strtoll(token.c_str(), &end, 0);
    if (token.empty() || *end != '\0') badArgument(*this, i, "an integer");
    return value;
}

uint32_t Args::durationMs(size_t i) const {
    if (i >= size()) badArgument(*this, i, "a duration");
    const std::string& token = (*this)[i];
    char* end = nullptr;
    const double value = std::strtod(token.c_str(), &end);
    const std::string unit = end;
    double scale = 0;
    if (unit.empty() || unit == "ms") {
        scale = 1;
    } else if (unit == "s") {
        scale = 1000;
    } else if (unit == "min") {
        scale = 60000;
    } else if (unit == "h") {
        scale = 3600000;
    }
    if (end == token.c_str() || scale == 0 || !(value >= 0) || value * scale > 4.0e9) {
        badArgument(*this, i, "a duration such as 250ms, 30s or 5min");
    }
    return static_cast<uint32_t>(std::llround(value * scale));
}

Vec3 Args::position(size_t i) const {
    return Vec3{static_cast<float>(number(i)), static_cast<float>(number(i + 1)),
                static_cast<float>(number(i + 2))};
}

void CommandRegistry::add(Command command) {
    const std::string name = command.name;
    commands_[name] = std::move(command);
}

const Command* CommandRegistry::match(const Line& line, size_t& nameTokens) const {
    if (line.tokens.size() >= 3) {
        auto it = commands_.find(line.tokens[0] + " " + line.tokens[1] + " " + line.tokens[2]);
        if (it != commands_.end()) {
            nameTokens = 3;
            return &it->second;
        }
    }
    if (line.tokens.size() >= 2) {
        auto it = commands_.find(line.tokens[0] + " " + line.tokens[1]);
        if (it != commands_.end()) {
            nameTokens = 2;
            return &it->second;
        }
    }
    auto it = commands_.find(line.tokens[0]);
    if (it == commands_.end()) return nullptr;
    nameTokens = 1;
    return &it->second;
}

Runner::Runner(RunOptions options) : options_(std::move(options)) {}

Runner::~Runner() {
    if (game_ && options_.beforeGameEnds) options_.beforeGameEnds();
    game_.reset();
    std::error_code ignored;
    if (!previousDir_.empty()) fs::current_path(previousDir_, ignored);
}

void Runner::setSeed(uint32_t seed) {
    if (!options_.seedGiven) options_.seed = seed;
}

void Runner::setChaosRate(double rate) {
    if (!options_.chaosGiven) options_.chaos = rate;
    if (game_) game_->world().chaos.setRate(options_.chaos);
}

void Runner::printChaos() {
    if (!game_ || !game_->world().chaos.on()) return;
    const ChaosCounts& n = game_->world().chaos.counts();
    char rate[32];
    std::snprintf(rate, sizeof rate, "%g", game_->world().chaos.rate());
    *options_.out << "chaos: rate " << rate << ", " << n.deletedGameOwned + n.deletedScriptOwned
                  << " peds removed (" << n.deletedScriptOwned << " a script's), " << n.loadsFailed
                  << " loads failed, " << n.loadsDelayed << " late; the player moved "
                  << n.playerMoved << ", killed " << n.playerKilled << ", mounted "
                  << n.playerMounted << ", dismounted " << n.playerDismounted
                  << ", mission flag switched " << n.missionSwitched << "\n";
}

std::string Runner::clockText(uint32_t timer) const {
    const uint32_t ms = timer - Game::kTimerStart;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "[%u:%02u:%02u.%03u]", ms / 3600000, ms / 60000 % 60,
                  ms / 1000 % 60, ms % 1000);
    return buffer;
}

std::vector<std::string> Runner::logLines() const {
    std::vector<std::string> lines;
    std::ifstream in(dataDir() / "Log.log", std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

void Runner::printTimeline() {
    std::ostream& out = *options_.out;
    std::error_code error;
    const fs::path logPath = dataDir() / "Log.log";
    if (awaitingNewLog_) {
        const uintmax_t previous = fs::file_size(dataDir() / "Log.previous.log", error);
        if (!error && previous == logOffset_) {
            awaitingNewLog_ = false;
            logOffset_ = 0;
        }
        error.clear();
    }
    const uintmax_t size = awaitingNewLog_ ? logOffset_ : fs::file_size(logPath, error);
    if (!error && size != logOffset_) {
        if (size < logOffset_) logOffset_ = 0;  // truncated by a new start-up
        std::ifstream in(logPath, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(logOffset_));
        std::string line;
        while (std::getline(in, line)) {
            if (in.eof()) break;  // a line still being written; read it next time
            out << clockText(game_->timer()) << " log     " << line << "\n";
            logOffset_ += line.size() + 1;
            if (options_.logLine) options_.logLine(line);
        }
    }
    for (const auto& entry : game_->takeTimeline()) {
        out << clockText(entry.timer) << " " << entry.category
            << std::string(entry.category.size() < 7 ? 7 - entry.category.size() : 1, ' ') << " "
            << entry.text << "\n";
    }
}

void FrameCost::note(const Game& game, const std::function<std::string()>& describe) {
    const size_t n = game.callsLastFrame();
    ++frames;
    calls += n;
    if (n <= worstCalls) return;
    worstCalls = n;
    worstFrame = game.frame();
    worstTimer = game.timer();
    worstWhat = describe ? describe() : std::string();
}

void Runner::printStats() {
    std::ostream& out = *options_.out;
    char mean[32];
    std::snprintf(mean, sizeof mean, "%.1f", cost_.mean());
    out << "worst frame: " << cost_.worstCalls << " natives in frame " << cost_.worstFrame << " at "
        << clockText(cost_.worstTimer);
    if (!cost_.worstWhat.empty()) out << ", " << cost_.worstWhat;
    out << "\n";
    out << "mean: " << mean << " natives per frame over " << cost_.frames << " frames\n";
}

void Runner::runFrame() {
    game_->runFrame();
    cost_.note(*game_, options_.describeFrame);
    if (options_.afterFrame) options_.afterFrame(*game_);
    printTimeline();
    if (game_->failed())
        throw ExpectationFailed("the game stopped the script: " + game_->failure());
}

void Runner::runFor(uint32_t ms) {
    const uint32_t until = game_->timer() + ms;
    while (static_cast<int32_t>(until - game_->timer()) > 0)
        runFrame();
}

int32_t Runner::entityNamed(const std::string& id, const Args& args) const {
    auto it = entityIds_.find(id);
    if (it == entityIds_.end()) {
        throw SyntaxError("line " + std::to_string(args.lineNumber()) + ": no entity named '" + id +
                          "' (name it with spawn first)");
    }
    return it->second;
}

void Runner::expect(bool holds, const std::string& what) {
    ++expectations_;
    if (!holds) throw ExpectationFailed(what);
}

void Runner::prepareGame(const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (line.tokens[0] == "seed" && line.tokens.size() == 2) {
            setSeed(static_cast<uint32_t>(Args(line, 1).integer(0)));
        }
    }
    fs::create_directories(options_.gameDir);
    const fs::path data = dataDir();
    fs::remove_all(data);
    fs::copy(options_.distDir, data, fs::copy_options::recursive);
    previousDir_ = fs::current_path();
    fs::current_path(options_.gameDir);
    GameOptions gameOptions;
    gameOptions.seed = options_.seed;
    gameOptions.recordLastFrame = options_.trace;
    game_ = std::make_unique<Game>(gameOptions);
    game_->world().chaos.setRate(options_.chaos);
}

void Runner::restartGame() {
    *options_.out << clockText(game_->timer()) << " sim     the game quits\n";
    game_->detach();
    if (options_.beforeGameEnds) options_.beforeGameEnds();
    printTimeline();
    game_.reset();
    entityIds_.clear();
    GameOptions gameOptions;
    gameOptions.seed = options_.seed;
    gameOptions.recordLastFrame = options_.trace;
    game_ = std::make_unique<Game>(gameOptions);
    game_->world().chaos.setRate(options_.chaos);
    // The old session's log has been printed; the new one begins when start-up moves it aside.
    awaitingNewLog_ = true;
    *options_.out << clockText(game_->timer()) << " sim     the game starts again\n";
    attach();
}

void Runner::attach() {
    attached_ = true;
    const fs::path settings = dataDir() / "Settings.ini";
    if (options_.record && !recordingAsked_ && fs::exists(settings)) {
        recordingAsked_ = true;
        appendDataFileLine(settings, "Recorder_Enabled=1");
    }
    *options_.out << clockText(game_->timer()) << " sim     plug-in attached\n";
    game_->attach(options_.plugin);
}

void Runner::writeScreenshot() {
    if (options_.screenshot.empty() || !game_) return;
    std::ofstream file(options_.screenshot, std::ios::binary | std::ios::trunc);
    file << screenshotSvg(game_->world().screen);
    file.close();
    *options_.out << (file ? "screenshot: " : "screenshot NOT written: ")
                  << options_.screenshot.string() << "\n";
}

std::vector<Step> parseScenario(const std::vector<Line>& lines) {
    std::vector<Step> steps;
    bool timeSeen = false;
    for (const Line& line : lines) {
        size_t nameTokens = 0;
        const Command* command = commandRegistry().match(line, nameTokens);
        const std::string where = "line " + std::to_string(line.number) + ": ";
        if (!command) throw SyntaxError(where + "unknown command '" + line.tokens[0] + "'");
        Args args(line, nameTokens);
        if (args.size() < command->minArgs || args.size() > command->maxArgs) {
            throw SyntaxError(where + "wrong number of arguments for '" + command->name + "'");
        }
        if (command->phase == Phase::Setup && timeSeen) {
            throw SyntaxError(where + "'" + command->name +
                              "' is a set-up command and must come before the first time "
                              "command");
        }
        if (command->phase == Phase::Time) timeSeen = true;
        if (command->check) command->check(args);
        steps.push_back({&line, command, nameTokens});
    }
    return steps;
}

int Runner::run(const std::vector<Line>& lines) {
    std::ostream& out = *options_.out;
    // Parse everything first: a malformed scenario runs nothing.
    std::vector<Step> steps;
    try {
        steps = parseScenario(lines);
    } catch (const SyntaxError& e) {
        out << "malformed scenario: " << e.what() << "\n";
        return 2;
    }

    int line = 0;
    try {
        prepareGame(lines);
        for (const Step& step : steps) {
            line = step.line->number;
            Args args(*step.line, step.nameTokens);
            if (step.command->phase == Phase::Time) {
                game_->world().screen.mark();
                if (!attached_) attach();
            }
            step.command->run(*this, args);
        }
    } catch (const SyntaxError& e) {
        out << "malformed scenario: " << e.what() << "\n";
        return 2;
    } catch (const ExpectationFailed& e) {
        out << "FAILED at line " << line << ": " << e.what() << "\n";
        out << "game folder: " << options_.gameDir.string() << "\n";
        printChaos();
        writeScreenshot();
        return 1;
    } catch (const std::exception& e) {
        out << "FAILED at line " << line << ": " << e.what() << "\n";
        writeScreenshot();
        return 1;
    }
    writeScreenshot();
    out << "outcome: passed, " << expectations_ << " expectations held\n";
    out << "game folder: " << options_.gameDir.string() << "\n";
    printChaos();
    if (options_.stats) printStats();
    if (options_.trace && game_) {
        out << "natives in last frame: " << game_->callsLastFrame() << "\n";
        for (const auto& call : game_->lastFrameCalls()) {
            char hash[32];
            std::snprintf(hash, sizeof hash, "0x%016llX",
                          static_cast<unsigned long long>(call.hash));
            out << hash << " " << call.name;
            for (uint64_t word : call.args) {
                char text[32];
                std::snprintf(text, sizeof text, " 0x%llX", static_cast<unsigned long long>(word));
                out << text;
            }
            out << "\n";
        }
    }
    return 0;
}

}  // namespace sim::scenario
