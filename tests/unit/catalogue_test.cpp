// The six data files at start-up, the shipped data folder, texts and tutorial hints.
#include "data/catalogue.h"

#include <gtest/gtest.h>

#include "core/runtime.h"
#include "data/dict_data_file.h"
#include "plugin_fixture.h"
#include "ui/tutorials.h"

namespace {

constexpr uint64_t kRandomInt = 0xD53343AA4FB7DD28;
constexpr const char* kFailure = "Failed to load Brackenfold, please check the logs for more info.";

const char* const kModels[] = {
    "a_c_alligator_01",   "a_c_bear_01",      "a_c_buck_01",   "a_c_cougar_01",    "a_c_bull_01",
    "a_c_moose_01",       "a_c_panther_01",   "a_c_boar_01",   "a_c_coyote_01",    "a_c_duck_01",
    "a_c_goosecanada_01", "a_c_pronghorn_01", "a_c_rabbit_01", "a_c_bighornram_01"};

class CatalogueTest : public PluginTest {
  protected:
    std::vector<std::string> shown(const std::string& kind) {
        std::vector<std::string> texts;
        for (const auto& item : game().world().screen.shownSinceMark())
            if (item.kind == kind) texts.push_back(item.text);
        return texts;
    }
};

TEST_F(CatalogueTest, TheShippedFolderHoldsEveryKeyTheFeaturesRead) {
    start();
    ASSERT_GT(game().callsLastFrame(), 0u);
    const char* const textKeys[] = {"blips.bait",
                                    "prompts.trade",
                                    "hunting_competition.info_modal.title",
                                    "hunting_competition.info_modal.instruction.mass",
                                    "hunting_competition.info_modal.time_cap",
                                    "hunting_competition.instructions.hunt_mass",
                                    "hunting_competition.instructions.hunt_specific",
                                    "prompts.hunting_competition",
                                    "blips.hunting_competition",
                                    "hunter",
                                    "hunting_competition.instructions.get_to_area",
                                    "hunting_competition.instructions.leaving_area_warning",
                                    "hunting_competition.widget.opponent",
                                    "tutorial.bait_blip",
                                    "tutorial.hunting_competition.foot_only",
                                    "tutorial.hunting_competition.dead_eye_penalty",
                                    "tutorial.hunting_competition.bonuses",
                                    "tutorial.lead_horse_while_trading",
                                    "hunting_competition.variations.0.name"};
    for (const char* key : textKeys)
        EXPECT_FALSE(plugin().data().text(key).empty()) << key;
    for (const char* model : kModels)
        EXPECT_FALSE(plugin().data().text(std::string("animal_types.") + model).empty()) << model;
    for (const char* key :
         {"hunting_competition.info_modal.instruction.mass",
          "hunting_competition.info_modal.time_cap", "hunting_competition.instructions.hunt_mass",
          "hunting_competition.instructions.hunt_specific"}) {
        EXPECT_NE(plugin().data().text(key).find("%s"), std::string::npos)
            << key << " takes one argument";
    }

    const char* const metaKeys[] = {"animal_population.depletion_rate",
                                    "animal_population.development_rate",
                                    "save_freq_sec",
                                    "bleeding.critical_shot_damage_per_sec",
                                    "hunting_competitions.camp_prepare_distance",
                                    "hunting_competitions.specific_animal_chance",
                                    "hunting_competitions.base_score",
                                    "hunting_competitions.bonus.xlarge_animal",
                                    "hunting_competitions.bonus.headshot",
                                    "hunting_competitions.bonus.writhe",
                                    "hunting_competitions.bonus.bait",
                                    "hunting_competitions.bait_reach",
                                    "trade.buyer_score_threshold",
                                    "trade.init.max_dist",
                                    "trade.base_price"};
    for (const char* key : metaKeys)
        EXPECT_GT(plugin().data().generalMeta().getFloat(key, -999.0f), 0.0f) << key;

    const auto& prices = plugin().data().animalPrices();
    for (const char* quality : {"Perfect ", "Good ", "Poor "}) {
        for (const char* name : {"Buck", "Grizzly Bear", "Canada Goose", "Bighorn Ram"}) {
            for (const char* item : {" Pelt", " Carcass"}) {
                const std::string key = std::string(quality) + name + item;
                EXPECT_GT(prices.getFloat(key, -999.0f), 0.0f) << key;
            }
        }
    }
    EXPECT_LT(prices.getFloat("Poor Buck Pelt", 0.0f), prices.getFloat("Good Buck Pelt", 0.0f));
}

TEST_F(CatalogueTest, AMissingRequiredFileFailsStartUpWithoutOpeningTheLaterOnes) {
    const char* const files[] = {"Lang.dat",         "GeneralMeta.dat",
                                 "AnimalPrices.dat", "HuntingCompetitions.dat",
                                 "AnimalSpawns.dat", "TutorialFlags.dat"};
    for (size_t missing = 0; missing < 5; ++missing) {
        TearDown();
        SetUp();
        removeDataFile(files[missing]);
        start();
        const std::string text = log();
        for (size_t later = missing + 1; later < 6; ++later) {
            EXPECT_EQ(text.find(std::string("loading data file: Brackenfold/") + files[later]),
                      std::string::npos)
                << files[later] << " opened after " << files[missing] << " failed";
        }
        EXPECT_EQ(shown("message"), std::vector<std::string>{kFailure}) << files[missing];
        EXPECT_EQ(game().callsLastFrame(), 0u) << "halted";
    }
}

TEST_F(CatalogueTest, ACorruptRequiredLineIsReportedAndStopsStartUp) {
    writeDataFile("GeneralMeta.dat", "save_freq_sec=120\nsave_freq_sec 120\n");
    start();
    EXPECT_NE(log().find("ERROR: data file 'Brackenfold/GeneralMeta.dat' is corruped at line: 1"),
              std::string::npos);
    EXPECT_EQ(game().callsLastFrame(), 0u);
}

TEST_F(CatalogueTest, AnEmptyFileOrAFolderInsteadOfAFileIsNamed) {
    removeDataFile("AnimalPrices.dat");
    std::filesystem::create_directory(dataPath("AnimalPrices.dat"));
    writeDataFile("HuntingCompetitions.dat", "");
    start();
    const std::string text = log();
    EXPECT_NE(text.find("ERROR: Brackenfold/AnimalPrices.dat is a folder, not a file"),
              std::string::npos);
    EXPECT_EQ(game().callsLastFrame(), 0u) << "a required file that is a folder stops start-up";

    std::filesystem::remove(dataPath("AnimalPrices.dat"));
    writeDataFile("AnimalPrices.dat", "");
    bf::stopPlugin();
    start();
    EXPECT_NE(log().find("WARN: Brackenfold/AnimalPrices.dat is empty"), std::string::npos);
    EXPECT_NE(log().find("WARN: Brackenfold/HuntingCompetitions.dat is empty"), std::string::npos);
}

TEST_F(CatalogueTest, BrokenTutorialFlagsAreNotFatal) {
    writeDataFile("TutorialFlags.dat", "bait_blip=1\nbroken\n");
    start();
    EXPECT_NE(log().find("TutorialFlags didn't load properly, continuing anyway."),
              std::string::npos);
    EXPECT_GT(game().callsLastFrame(), 0u);
}

TEST_F(CatalogueTest, DamagedTutorialFlagsAreReadAsFarAsTheyGoAndKeptAside) {
    // A bad value and a bad line: the hint with the bad value counts as never shown (no draw),
    // and the first hint saved keeps the damaged file beside the new one.
    const std::string damaged = "bait_blip=abc\nforced=1\nbroken\nlate=1\n";
    writeDataFile("TutorialFlags.dat", damaged);
    start();
    game().natives().override(kRandomInt, [&](sim::NativeCall& c) { c.ret(0); });
    bf::Tutorials tutorials(plugin().data());
    tutorials.showTutorialOnce("bait_blip", false);
    game().runFrames(1);
    EXPECT_TRUE(game().failed() == false);
    EXPECT_NE(log().find("TutorialFlags.dat: key bait_blip, value \"abc\""), std::string::npos);
    EXPECT_EQ(readDataFile("TutorialFlags.dat.bad"), damaged);
    EXPECT_EQ(readDataFile("TutorialFlags.dat"), "bait_blip=1\nforced=1\n");
    EXPECT_NE(log().find("kept as Brackenfold/TutorialFlags.dat.bad"), std::string::npos);
}

TEST_F(CatalogueTest, HintsShownBeforeComeBackOnlyOnADrawOfFourOrMore) {
    writeDataFile("Lang.dat", "tutorial.bait_blip=Bait hint\ntutorial.forced=Forced hint\n");
    start();
    bf::Tutorials tutorials(plugin().data());
    int draws = 0;
    int nextDraw = 3;
    game().natives().override(kRandomInt, [&](sim::NativeCall& c) {
        ++draws;
        EXPECT_EQ(c.i32(0), 0);
        EXPECT_EQ(c.i32(1), 5);
        c.ret(nextDraw);
    });
    struct Step {
        const char* id;
        bool force;
        int draw;
        int expectedDraws;
        bool shown;
    };
    const Step steps[] = {
        {"bait_blip", false, 3, 0, true},  // never shown: no draw
        {"bait_blip", false, 3, 1, false},
        {"bait_blip", false, 4, 2, true},
        {"forced", true, 0, 2, true},
        {"forced", true, 0, 2, true},  // forced: shown and saved every time, no draw
    };
    for (const auto& step : steps) {
        game().world().screen.mark();
        nextDraw = step.draw;
        tutorials.showTutorialOnce(step.id, step.force);
        game().runFrames(1);
        EXPECT_EQ(draws, step.expectedDraws) << step.id;
        const auto help = shown("help");
        EXPECT_EQ(help.size(), step.shown ? 1u : 0u) << step.id << " draw " << step.draw;
    }
    EXPECT_EQ(readDataFile("TutorialFlags.dat"), "bait_blip=1\nforced=1\n");
    const std::string text = log();
    size_t forcedSaves = 0;
    for (auto at = text.find("tutorial seen: forced"); at != std::string::npos;
         at = text.find("tutorial seen: forced", at + 1))
        ++forcedSaves;
    EXPECT_EQ(forcedSaves, 2u);
    EXPECT_NE(text.find("file saved: Brackenfold/TutorialFlags.dat"), std::string::npos);
}

TEST(FormatTextTest, ReplacesOnlyTheFirstPlaceholderAndNeverInterpretsTheRest) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"Hunt %s now", "Bucks", "Hunt Bucks now"},
        {"%s%s", "x", "x%s"},
        {"%n%d%s%x", "y", "%n%dy%x"},
        {"no placeholder", "x", "no placeholder"},
        {"100%", "x", "100%"},
        {"%s", "%s%n", "%s%n"},
        {"", "x", ""},
    };
    for (const auto& [format, argument, expected] : cases)
        EXPECT_EQ(bf::formatText(format, argument), expected) << format;
}

}  // namespace
