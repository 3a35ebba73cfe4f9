// brackenfold-check: each kind of problem planted in a copy of the shipped folder is found at its
// file and line, and the shipped folder itself is clean.
#include "check/folder_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "data/text_keys.h"

namespace {

namespace fs = std::filesystem;

class FolderCheckTest : public ::testing::Test {
  public:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("brackenfold-check-" + std::to_string(::getpid())) /
               test->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::copy(BRACKENFOLD_DIST_DIR, dir_ / "Brackenfold", fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(dir_.parent_path()); }

    fs::path data() const { return dir_ / "Brackenfold"; }
    void append(const std::string& file, const std::string& text) {
        std::ofstream(data() / file, std::ios::app | std::ios::binary) << text;
    }
    void write(const std::string& file, const std::string& text) {
        std::ofstream(data() / file, std::ios::trunc | std::ios::binary) << text;
    }
    // Rewrites the file with every line beginning with `start` replaced (or dropped when empty).
    void replaceLines(const std::string& file, const std::string& start, const std::string& with) {
        std::ifstream in(data() / file);
        std::string line, out;
        while (std::getline(in, line)) {
            if (line.rfind(start, 0) == 0) {
                if (!with.empty()) out += with + "\n";
            } else {
                out += line + "\n";
            }
        }
        in.close();
        write(file, out);
    }
    int lineCount(const std::string& file) {
        std::ifstream in(data() / file);
        int n = 0;
        std::string line;
        while (std::getline(in, line))
            ++n;
        return n;
    }
    std::vector<bfcheck::Problem> check() { return bfcheck::checkDataFolder(data()); }

    static std::string dump(const std::vector<bfcheck::Problem>& problems) {
        std::string text;
        for (const auto& p : problems)
            text += bfcheck::formatProblem(p);
        return text;
    }

    fs::path dir_;
};

TEST_F(FolderCheckTest, TheShippedFolderIsClean) {
    const auto problems = bfcheck::checkDataFolder(BRACKENFOLD_DIST_DIR);
    EXPECT_TRUE(problems.empty()) << dump(problems);
}

struct Planted {
    const char* name;
    std::function<void(FolderCheckTest&)> plant;
    const char* file;
    int line;  // -1: the file's last line (an appended one)
    const char* says;
};

// Each planted problem is reported once at its place, with a fix, and nothing else is reported.
TEST_F(FolderCheckTest, EveryPlantedProblemIsFoundAtItsFileAndLine) {
    using T = FolderCheckTest;
    const Planted cases[] = {
        {"missing required file", [](T& t) { fs::remove(t.data() / "GeneralMeta.dat"); },
         "GeneralMeta.dat", 0, "is missing: Brackenfold does not start"},
        {"missing population file",
         [](T& t) { fs::remove(t.data() / "AnimalsPopulation/PopulationStatus.John.dat"); },
         "AnimalsPopulation/PopulationStatus.John.dat", 0, "is missing"},
        {"empty required file", [](T& t) { t.write("HuntingCompetitions.dat", ""); },
         "HuntingCompetitions.dat", 0, "is empty"},
        {"folder in a file's place",
         [](T& t) {
             fs::remove(t.data() / "AnimalPrices.dat");
             fs::create_directory(t.data() / "AnimalPrices.dat");
         },
         "AnimalPrices.dat", 0, "is a folder"},
        {"UTF-16 file", [](T& t) { t.write("Lang.dat", std::string("\xFF\xFEh\0i\0", 6)); },
         "Lang.dat", 0, "UTF-16"},
        {"data line without =", [](T& t) { t.append("GeneralMeta.dat", "save_freq_sec 120\n"); },
         "GeneralMeta.dat", -1, "has no \"=\"; the plug-in stops reading GeneralMeta.dat here"},
        {"data line with two =", [](T& t) { t.append("Lang.dat", "hunter=a=b\n"); }, "Lang.dat", -1,
         "a value may not contain \"=\""},
        {"optional file with a bad line", [](T& t) { t.write("TutorialFlags.dat", "bait_blip\n"); },
         "TutorialFlags.dat", 1, "goes on without the rest"},
        {"setting without value", [](T& t) { t.append("Settings.ini", "EnableTrading=\n"); },
         "Settings.ini", -1, "has no value after the \"=\"; the plug-in skips the line"},
        {"hash comment", [](T& t) { t.append("Settings.ini", "# my notes\n"); }, "Settings.ini", -1,
         "comments begin with \";\""},
        {"misspelt setting",
         [](T& t) { t.append("Settings.ini", "HuntingCompetition_TimeCap=12\n"); }, "Settings.ini",
         -1, "did you mean HuntingCompetitions_TimeCap?"},
        {"setting in another case", [](T& t) { t.append("Settings.ini", "baitplips=1\n"); },
         "Settings.ini", -1, "did you mean BaitPlips?"},
        {"unknown setting", [](T& t) { t.append("Settings.ini", "FlyingHorses=1\n"); },
         "Settings.ini", -1, "no feature reads it"},
        {"blanks round =", [](T& t) { t.append("Settings.ini", "EnableTrading = 1\n"); },
         "Settings.ini", -1, "has blanks round the \"=\""},
        {"stray byte-order mark",
         [](T& t) {
             t.append("Settings.ini",
                      "\xEF\xBB\xBF"
                      "EnableTrading=1\n");
         },
         "Settings.ini", -1, "byte-order mark"},
        {"setting not a number", [](T& t) { t.append("Settings.ini", "BaitPlips=yes\n"); },
         "Settings.ini", -1, "Something wrong happened"},
        {"decimal comma", [](T& t) { t.append("Settings.ini", "PriceScale=1,5\n"); },
         "Settings.ini", -1, "reads as 1"},
        {"time cap above its clamp",
         [](T& t) { t.append("Settings.ini", "HuntingCompetitions_TimeCap=45\n"); }, "Settings.ini",
         -1, "the plug-in uses 30"},
        {"stake below its clamp",
         [](T& t) { t.append("Settings.ini", "HuntingCompetitions_StakeMultiplier=-2\n"); },
         "Settings.ini", -1, "the plug-in uses 0"},
        {"switch neither 0 nor 1", [](T& t) { t.append("Settings.ini", "DisableGrizzlies=-1\n"); },
         "Settings.ini", -1, "reads as off"},
        {"tuning key missing",
         [](T& t) { t.replaceLines("GeneralMeta.dat", "save_freq_sec=", ""); }, "GeneralMeta.dat",
         0, "lacks save_freq_sec"},
        {"tuning value out of range",
         [](T& t) { t.append("GeneralMeta.dat", "animal_population.depletion_rate=1.5\n"); },
         "GeneralMeta.dat", -1, "out of range"},
        {"text without its %s",
         [](T& t) {
             t.replaceLines("Lang.dat", "hunting_competition.info_modal.time_cap=",
                            "hunting_competition.info_modal.time_cap=Time limit");
         },
         "Lang.dat", 0, "info_modal.time_cap has no \"%s\""},
        {"translation lacking a text", [](T& t) { t.replaceLines("Lang.de.dat", "hunter=", ""); },
         "Lang.de.dat", 0, "lacks the text \"hunter\": the English text is shown there"},
        {"translation without its %s",
         [](T& t) {
             t.replaceLines("Lang.fr.dat", "hunting_competition.instructions.hunt_mass=",
                            "hunting_competition.instructions.hunt_mass=Chassez dans la zone.");
         },
         "Lang.fr.dat", 0, "hunt_mass has 0 \"%s\" where the English text has 1"},
        {"translation with a text twice",
         [](T& t) { t.replaceLines("Lang.pl.dat", "hunter=", "hunter=%s %s"); }, "Lang.pl.dat", 0,
         "has 2 \"%s\" where the English text has 0"},
        {"translation with a misspelt key",
         [](T& t) { t.append("Lang.es.dat", "hunterr=Cazador\n"); }, "Lang.es.dat", -1,
         "did you mean hunter?"},
        {"translation of no game language",
         [](T& t) { fs::copy_file(t.data() / "Lang.de.dat", t.data() / "Lang.german.dat"); },
         "Lang.german.dat", 0, "no game language reads it"},
        {"record text with one %s of three",
         [](T& t) {
             t.replaceLines("Lang.dat", "hunting_competition.info_modal.record=",
                            "hunting_competition.info_modal.record=Won: %s");
         },
         "Lang.dat", 0, "info_modal.record has fewer than 3 \"%s\""},
        {"damaged hunter's record",
         [](T& t) { t.write("HuntersRecord.Arthur.dat", "competitions.won=many\n"); },
         "HuntersRecord.Arthur.dat", 0, "Arthur's hunter's record does not read in full"},
        {"unknown spawn model", [](T& t) { t.append("AnimalSpawns.dat", "a_c_bukc_01.count=0\n"); },
         "AnimalSpawns.dat", -1, "did you mean a_c_buck_01?"},
        {"count above the items",
         [](T& t) {
             t.replaceLines("AnimalSpawns.dat", "a_c_duck_01.count=", "a_c_duck_01.count=35");
         },
         "AnimalSpawns.dat", 0, "a_c_duck_01.count is 35 but items 33 to 34 are missing"},
        {"item beyond the count",
         [](T& t) { t.append("AnimalSpawns.dat", "a_c_bear_01.18=-1000,2000,200\n"); },
         "AnimalSpawns.dat", -1, "lies beyond a_c_bear_01.count=18"},
        {"item not x,y,r",
         [](T& t) { t.replaceLines("AnimalSpawns.dat", "a_c_bear_01.3=", "a_c_bear_01.3=12,34"); },
         "AnimalSpawns.dat", 0, "is not x,y,r"},
        {"radius below 50",
         [](T& t) {
             t.replaceLines("AnimalSpawns.dat", "a_c_moose_01.0=", "a_c_moose_01.0=-1500,1500,20");
         },
         "AnimalSpawns.dat", 0, "below 50 m; the plug-in uses 50"},
        {"place far from every camp spot",
         [](T& t) {
             t.replaceLines("AnimalSpawns.dat", "a_c_buck_01.0=", "a_c_buck_01.0=-284,788,120");
         },
         "AnimalSpawns.dat", 0, "the nearest camp spot of Valentine"},
        {"price of an item no animal gives",
         [](T& t) { t.append("AnimalPrices.dat", "Perfect Buk Pelt=3\n"); }, "AnimalPrices.dat", -1,
         "did you mean Perfect Buck Pelt?"},
        {"negative price",
         [](T& t) { t.replaceLines("AnimalPrices.dat", "Poor Duck Pelt=", "Poor Duck Pelt=-1"); },
         "AnimalPrices.dat", 0, "out of range"},
        {"infinite price",
         [](T& t) { t.replaceLines("AnimalPrices.dat", "Poor Duck Pelt=", "Poor Duck Pelt=inf"); },
         "AnimalPrices.dat", 0, "reads any other value as no price"},
        {"legendary chance above 1",
         [](T& t) {
             t.replaceLines("GeneralMeta.dat", "hunting_competitions.specific_animal_chance=",
                            "hunting_competitions.specific_animal_chance=2");
         },
         "GeneralMeta.dat", 0, "out of range"},
        {"camp distance beyond the release",
         [](T& t) {
             t.replaceLines("GeneralMeta.dat", "hunting_competitions.camp_prepare_distance=",
                            "hunting_competitions.camp_prepare_distance=590");
         },
         "GeneralMeta.dat", 0, "taken down beyond 450"},
        {"base price not a number",
         [](T& t) {
             t.replaceLines("GeneralMeta.dat", "trade.base_price=", "trade.base_price=nan");
         },
         "GeneralMeta.dat", 0, "buyers then decline"},
        {"infinite price scale", [](T& t) { t.append("Settings.ini", "PriceScale=inf\n"); },
         "Settings.ini", -1, "is not a finite number: the plug-in uses 1.0"},
        {"development factor below 1",
         [](T& t) {
             t.write("AnimalsPopulation/PopulationStatus.Arthur.dat", "development_factor=0.5\n");
         },
         "AnimalsPopulation/PopulationStatus.Arthur.dat", 1, "resets a smaller one to 1"},
        {"population factor above 1",
         [](T& t) { t.write("AnimalsPopulation/-512529193.dat", "-1234=0.5\n5678=1.5\n"); },
         "AnimalsPopulation/-512529193.dat", 2, "resets it to 1"},
        {"population factor of 0", [](T& t) { t.write("AnimalsPopulation/12.dat", "5678=0\n"); },
         "AnimalsPopulation/12.dat", 1, "resets it to 1"},
        {"population file that is no district's",
         [](T& t) { t.write("AnimalsPopulation/Valentine.dat", "5678=0.5\n"); },
         "AnimalsPopulation/Valentine.dat", 0, "is not a district's file"},
    };
    for (const Planted& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.plant(*this);
        const auto problems = check();
        ASSERT_EQ(problems.size(), 1u) << dump(problems);
        const bfcheck::Problem& p = problems.front();
        EXPECT_EQ(p.file, c.file);
        if (c.line == -1) {
            EXPECT_EQ(p.line, lineCount(c.file));
        } else if (c.line > 0) {
            EXPECT_EQ(p.line, c.line);
        } else if (p.line > 0) {
            // A line the case replaced in place: it must be the line that holds the planted text.
            std::ifstream in(data() / c.file);
            std::string line;
            for (int i = 0; i < p.line; ++i)
                std::getline(in, line);
            EXPECT_NE(p.what.find(line.substr(0, line.find('='))), std::string::npos) << p.what;
        }
        EXPECT_NE(p.what.find(c.says), std::string::npos) << p.what;
        EXPECT_FALSE(p.fix.empty());
    }
}

// The plug-in skips a leading UTF-8 mark and CRLF line ends, so neither is a problem; a place of
// a rare animal never holds a competition, so its distance from the camps does not matter.
TEST_F(FolderCheckTest, WhatThePluginAcceptsIsNotReported) {
    std::ifstream in(data() / "Settings.ini");
    std::stringstream body;
    body << in.rdbuf();
    std::string crlf;
    for (const char c : body.str()) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    write("Settings.ini", "\xEF\xBB\xBF" + crlf);
    replaceLines("AnimalSpawns.dat", "a_c_panther_01.0=", "a_c_panther_01.0=-284,788,130");
    append("Settings.ini", "TradePromptInput=INPUT_FRONTEND_ACCEPT\r\n");
    const auto problems = check();
    EXPECT_TRUE(problems.empty()) << dump(problems);
}

// A required file that is missing and a line the plug-in rejects elsewhere are reported together.
TEST_F(FolderCheckTest, EveryProblemIsReportedAtOnce) {
    fs::remove(data() / "Lang.dat");
    append("AnimalSpawns.dat", "oops\n");
    append("Settings.ini", "BaitPlips=yes\n");
    const auto problems = check();
    ASSERT_EQ(problems.size(), 3u) << dump(problems);
    EXPECT_EQ(problems[0].file, "Settings.ini");
    EXPECT_EQ(problems[1].file, "Lang.dat");
    EXPECT_EQ(problems[2].file, "AnimalSpawns.dat");
}

// Every text the plug-in reads from Lang.dat is asked for.
TEST_F(FolderCheckTest, EachTextThePluginUsesIsRequired) {
    const auto keys = bf::text_keys::allUsed();
    ASSERT_EQ(keys.size(), 14u + 14u + 5u + 5u);
    for (const std::string& key : keys) {
        SCOPED_TRACE(key);
        SetUp();
        replaceLines("Lang.dat", key + "=", "");
        const auto problems = check();
        ASSERT_EQ(problems.size(), 1u) << dump(problems);
        EXPECT_NE(problems[0].what.find("lacks the text \"" + key + "\""), std::string::npos)
            << problems[0].what;
    }
}

TEST(FolderCheck, FindsTheDataFolderOfAGameFolderOrTheFolderItself) {
    const fs::path dist = fs::path(BRACKENFOLD_DIST_DIR);
    EXPECT_EQ(bfcheck::findDataFolder(dist.parent_path()), dist);
    EXPECT_EQ(bfcheck::findDataFolder(dist), dist);
    EXPECT_FALSE(bfcheck::findDataFolder(dist / "no-such-folder"));
    EXPECT_FALSE(bfcheck::findDataFolder(dist / "AnimalsPopulation"));
}

TEST(FolderCheck, NearestKeyForgivesCaseBlanksAndSlips) {
    EXPECT_EQ(bfcheck::editDistance("kitten", "sitting"), 3u);
    EXPECT_EQ(bfcheck::editDistance("", "abc"), 3u);
    EXPECT_EQ(bfcheck::editDistance("ab", "ba"), 2u);
    const std::vector<std::string> known = {"EnableTrading", "PriceScale", "BaitPlips"};
    const struct {
        const char* typed;
        const char* nearest;
    } cases[] = {{"enabletrading", "EnableTrading"},
                 {"EnableTrading ", "EnableTrading"},
                 {"PriseScale", "PriceScale"},
                 {"BaitBlips", "BaitPlips"},
                 {"Weather", ""},
                 {"EnableTradingAndMore", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(bfcheck::nearestKey(c.typed, known), c.nearest) << c.typed;
}

}  // namespace
