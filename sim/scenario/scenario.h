// The scenario language: a script of set-up commands, time commands and expectations that plays
// the plug-in in the simulated game and prints a timeline of what happened.
//
// One command per line; '#' starts a comment; tokens split on blanks; "..." quotes a token. The
// plug-in attaches at the first time command. run() returns 0 when every expectation held, 1 at
// the first that failed (or when the game stopped the script), 2 for a malformed scenario.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/game.h"

namespace sim::scenario {

struct Line {
    int number = 0;
    std::vector<std::string> tokens;
};

// A malformed scenario (exit 2).
struct SyntaxError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// An expectation that did not hold (exit 1).
struct ExpectationFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Splits a scenario into lines of tokens; throws SyntaxError on an unterminated quote.
std::vector<Line> tokenize(std::istream& in);

// The arguments of one command (the tokens after its name).
class Args {
  public:
    Args(const Line& line, size_t first) : line_(line), first_(first) {}
    size_t size() const { return line_.tokens.size() - first_; }
    const std::string& operator[](size_t i) const { return line_.tokens.at(first_ + i); }
    int lineNumber() const { return line_.number; }
    // Typed readers; each throws SyntaxError naming the line when the token is not of its kind.
    double number(size_t i) const;
    int64_t integer(size_t i) const;
    // "250ms", "30s", "5min", "2h"; a bare number is milliseconds.
    uint32_t durationMs(size_t i) const;
    Vec3 position(size_t i) const;
    // Token i equals word (a keyword of the command).
    bool is(size_t i, const char* word) const { return i < size() && (*this)[i] == word; }

  private:
    const Line& line_;
    size_t first_;
};

class Runner;

enum class Phase {
    Setup,     // only before the first time command
    Time,      // advances the game; attaches the plug-in on first use
    Anywhere,  // world changes and expectations
};

struct Command {
    // The command's words: "wait", or two or three words such as "player at" or
    // "player at blip".
    std::string name;
    Phase phase = Phase::Anywhere;
    size_t minArgs = 0;
    size_t maxArgs = 0;
    // Checks the arguments at parse time (throws SyntaxError); may be empty.
    std::function<void(const Args&)> check;
    std::function<void(Runner&, const Args&)> run;
};

class CommandRegistry {
  public:
    void add(Command command);
    // The command a line starts with (longest name first), and how many tokens its name takes.
    const Command* match(const Line& line, size_t& nameTokens) const;

  private:
    std::map<std::string, Command> commands_;
};

// Every command the language knows (scenario/commands.cpp).
CommandRegistry& commandRegistry();

// One parsed line: its command and how many tokens the command's name takes.
struct Step {
    const Line* line;
    const Command* command;
    size_t nameTokens;
};
// Matches every line to its command and checks its arguments, running nothing; throws
// SyntaxError at the first malformed line. The steps point into `lines`.
std::vector<Step> parseScenario(const std::vector<Line>& lines);

struct RunOptions {
    Game::PluginEntry plugin = nullptr;
    std::filesystem::path gameDir;
    std::filesystem::path distDir = BRACKENFOLD_DIST_DIR;
    bool seedGiven = false;  // --seed overrides the scenario's seed
    uint32_t seed = 1;
    bool trace = false;
    // The game's chaos rate (world/chaos.h); given on the command line it overrides the
    // scenario's `chaos` commands.
    bool chaosGiven = false;
    double chaos = 0.0;
    // The scenario file's folder: stored pictures are found relative to it.
    std::filesystem::path scenarioDir;
    // When set, the last frame's picture is written there at the end of the run (passed or not).
    std::filesystem::path screenshot;
    // Ends the output with the frame that made the most native calls and the mean per frame.
    bool stats = false;
    // When the plug-in attaches, Recorder_Enabled=1 is appended to the run's Settings.ini (if it
    // has one), so that the plug-in records the run (brackenfold-sim --record).
    bool record = false;
    // What the plug-in was doing in the frame that has just ended, in its own words (the wiring
    // asks the plug-in); printed beside the worst frame.
    std::function<std::string()> describeFrame;
    // Called after every frame the scenario runs (tests and drivers observe the frames with it);
    // it may throw ExpectationFailed to fail the run.
    std::function<void(Game&)> afterFrame;
    // Called with every line the plug-in writes to its log, in order, once the line is whole.
    std::function<void(const std::string&)> logLine;
    std::ostream* out = nullptr;
    // Called once before the game ends, while it can still answer natives: the wiring drops the
    // plug-in here, so that what it frees goes back to a live game.
    std::function<void()> beforeGameEnds;
};

// The native calls of the frames a run played, counted from the plug-in's attachment on.
struct FrameCost {
    uint64_t frames = 0;
    uint64_t calls = 0;
    // The first frame with the most calls.
    size_t worstCalls = 0;
    uint64_t worstFrame = 0;
    uint32_t worstTimer = 0;
    std::string worstWhat;

    void note(const Game& game, const std::function<std::string()>& describe);
    double mean() const {
        return frames ? static_cast<double>(calls) / static_cast<double>(frames) : 0.0;
    }
};

class Runner {
  public:
    explicit Runner(RunOptions options);
    ~Runner();
    int run(const std::vector<Line>& lines);

    // For commands.
    Game& game() { return *game_; }
    const std::filesystem::path& gameDir() const { return options_.gameDir; }
    std::filesystem::path dataDir() const { return options_.gameDir / "Brackenfold"; }
    const std::filesystem::path& scenarioDir() const { return options_.scenarioDir; }
    std::ostream& out() { return *options_.out; }
    void setSeed(uint32_t seed);
    // The `chaos RATE` command: from now on (and in a restarted game) the game plays at that rate,
    // unless the command line gave one.
    void setChaosRate(double rate);
    // Runs one frame and prints what happened in it.
    void runFrame();
    // The game quits (the plug-in is unloaded as at the game's exit, then dropped with the
    // process) and a new game starts on the same game folder with the same seed; the plug-in
    // attaches to it at once. Names of entities of the old game are forgotten.
    void restartGame();
    void runFor(uint32_t ms);
    // Every line of the run's log.
    std::vector<std::string> logLines() const;
    void expect(bool holds, const std::string& what);
    int expectations() const { return expectations_; }
    const FrameCost& frameCost() const { return cost_; }
    // Scenario names of entities ("spawn buck ..."), mapped to the handles the game gave them.
    void nameEntity(const std::string& id, int32_t handle) { entityIds_[id] = handle; }
    // The handle behind a name; a name never given is a malformed scenario (SyntaxError).
    int32_t entityNamed(const std::string& id, const Args& args) const;

  private:
    void prepareGame(const std::vector<Line>& lines);
    void writeScreenshot();
    void attach();
    void printTimeline();
    void printStats();
    void printChaos();
    std::string clockText(uint32_t timer) const;

    RunOptions options_;
    std::unique_ptr<Game> game_;
    bool attached_ = false;
    bool recordingAsked_ = false;
    uintmax_t logOffset_ = 0;
    bool awaitingNewLog_ = false;
    int expectations_ = 0;
    FrameCost cost_;
    std::filesystem::path previousDir_;
    std::map<std::string, int32_t> entityIds_;
};

}  // namespace sim::scenario
