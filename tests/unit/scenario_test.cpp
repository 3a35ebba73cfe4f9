// The scenario language: tokens, malformed scenarios, expectations and exit codes.
#include <gtest/gtest.h>

#include <sstream>

#include "plugin_fixture.h"
#include "sim/scenario/scenario.h"
#include "spine/entry.h"
#include "spine/plugin.h"

namespace {

namespace fs = std::filesystem;
using sim::scenario::Line;

std::vector<Line> parse(const std::string& text) {
    std::istringstream in(text);
    return sim::scenario::tokenize(in);
}

TEST(ScenarioTokens, QuotesCommentsAndBlankLines) {
    const auto lines = parse(
        "# a comment\n\nexpect log \"loaded blips_mp\"  # why\r\n"
        "data Lang.dat \"key=a # b\"\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(lines[0].tokens, (std::vector<std::string>{"expect", "log", "loaded blips_mp"}));
    EXPECT_EQ(lines[1].tokens.back(), "key=a # b");
    EXPECT_THROW(parse("expect log \"open\n"), sim::scenario::SyntaxError);
}

struct Outcome {
    int code;
    std::string output;
};

Outcome play(const std::string& text) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    sim::scenario::RunOptions options;
    options.plugin = &bf::libraryEntry;
    options.gameDir =
        fs::temp_directory_path() / unitRunFolder() / (std::string("scn.") + info->name());
    fs::remove_all(options.gameDir);
    std::ostringstream out;
    options.out = &out;
    bf::installRuntime(nullptr);
    options.beforeGameEnds = &bf::stopPlugin;
    int code;
    {
        sim::scenario::Runner runner(options);
        code = runner.run(parse(text));
    }
    return {code, out.str()};
}

TEST(ScenarioRun, ExitCodesTellHeldFailedAndMalformed) {
    const Outcome held = play("frames 10\nexpect log \"Brackenfold 1.2.0\"\nexpect running\n");
    EXPECT_EQ(held.code, 0) << held.output;
    EXPECT_NE(held.output.find("outcome: passed, 2 expectations held"), std::string::npos);

    const Outcome failed = play("frames 2\nexpect log \"no such line\"\nexpect running\n");
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.output.find("FAILED at line 2"), std::string::npos) << failed.output;

    for (const char* malformed :
         {"fly away\n", "wait soon\n", "frames 1\nseed 2\n", "setting novalue\n",
          "data ../escape.dat K=V\n", "expect log\n"}) {
        const Outcome bad = play(malformed);
        EXPECT_EQ(bad.code, 2) << malformed << bad.output;
        EXPECT_EQ(bad.output.find("plug-in attached"), std::string::npos)
            << "a malformed scenario runs nothing";
    }
}

TEST(ScenarioRun, SetUpCommandsShapeTheRunsDataFolder) {
    const Outcome run = play(
        "setting HuntingCompetitions_TimeCap=5\n"
        "data GeneralMeta.dat save_freq_sec=60\n"
        "data-line Settings.ini \"; note\"\n"
        "frames 1\n"
        "expect file Brackenfold/Settings.ini contains "
        "\"HuntingCompetitions_TimeCap=5\"\n"
        "expect file Brackenfold/Settings.ini contains \"; note\"\n"
        "expect file Brackenfold/GeneralMeta.dat contains \"save_freq_sec=60\"\n");
    EXPECT_EQ(run.code, 0) << run.output;
}

}  // namespace
