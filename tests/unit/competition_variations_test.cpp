// The special animals: the shipped table, rows that load, rows that are skipped with a line that
// names them, and counts that do not fit.
#include <gtest/gtest.h>

#include "competition_fixture.h"
#include "competitions/competition_variations.h"

namespace {

class CompetitionVariationsTest : public CompetitionTest {
  protected:
    const bf::CompetitionVariations& variations() { return plugin().variations(); }
};

TEST_F(CompetitionVariationsTest, TheShippedVariationsLoadEachWithItsName) {
    startWithoutOffers();
    ASSERT_EQ(variations().all().size(), 5u) << log();
    EXPECT_EQ(logCount("CompetitionVariations: variations loaded: 5"), 1);
    EXPECT_EQ(logCount("WARN: CompetitionVariations"), 0);
    const char* const models[] = {"a_c_buck_01", "a_c_bear_01", "a_c_cougar_01", "a_c_moose_01",
                                  "a_c_bighornram_01"};
    for (int32_t n = 0; n < 5; ++n) {
        const bf::CompetitionVariation& v = variations().all()[static_cast<size_t>(n)];
        EXPECT_EQ(v.number, n);
        EXPECT_EQ(v.model, models[n]);
        EXPECT_GT(v.scale, 1.15f) << "a special animal is a trophy";
        EXPECT_GT(v.health, 1.0f) << "and takes more than a normal one to bring down";
        EXPECT_FALSE(plugin()
                         .data()
                         .text("hunting_competition.variations." + std::to_string(n) + ".name")
                         .empty())
            << n;
    }
    ASSERT_EQ(variations().forModel("a_c_buck_01").size(), 1u);
    EXPECT_EQ(variations().forModel("a_c_buck_01")[0]->number, 0);
    EXPECT_TRUE(variations().forModel("a_c_rabbit_01").empty());
}

TEST_F(CompetitionVariationsTest, MalformedRowsAndUnknownModelsAreSkippedWithALineNamingThem) {
    writeDataFile("HuntingCompetitions.dat",
                  "format_version=1\n"
                  "variations.count=12\n"
                  "variations.0=a_c_buck_01,2,1.3,2\n"
                  "variations.1=a_c_wolf,1,1.2,2\n"
                  "variations.2=a_c_buck_01,2,1.3\n"
                  "variations.3=a_c_buck_01,two,1.3,2\n"
                  "variations.4=a_c_buck_01,2,1.3x,2\n"
                  "variations.5=a_c_buck_01,2,3.0,2\n"
                  "variations.6=a_c_buck_01,2,1.3,0.5\n"
                  "variations.7=a_c_buck_01,-1,1.3,2\n"
                  "variations.8=a_c_buck_01,2, 1.3,2\n"
                  "variations.10=a_c_bighornram_01,0,0.5,10\n"
                  "variations.11=a_c_boar_01,4,1.25,1.5,\n");
    startWithoutOffers();
    const auto& all = variations().all();
    ASSERT_EQ(all.size(), 2u) << log();
    EXPECT_EQ(all[0].number, 0);
    EXPECT_EQ(all[0].model, "a_c_buck_01");
    EXPECT_EQ(all[0].outfit, 2);
    EXPECT_FLOAT_EQ(all[0].scale, 1.3f);
    EXPECT_FLOAT_EQ(all[0].health, 2.0f);
    EXPECT_EQ(all[1].number, 10) << "the number is the row's, gaps and all";
    EXPECT_EQ(all[1].model, "a_c_bighornram_01");
    EXPECT_FLOAT_EQ(all[1].scale, 0.5f);
    EXPECT_FLOAT_EQ(all[1].health, 10.0f);

    const char* const lines[] = {
        "WARN: CompetitionVariations: variations.1 skipped: unknown model 'a_c_wolf'",
        "WARN: CompetitionVariations: variations.2 skipped: expected 4 values",
        "WARN: CompetitionVariations: variations.3 skipped: the outfit 'two'",
        "WARN: CompetitionVariations: variations.4 skipped: the scale '1.3x'",
        "WARN: CompetitionVariations: variations.5 skipped: the scale '3.0'",
        "WARN: CompetitionVariations: variations.6 skipped: the health '0.5'",
        "WARN: CompetitionVariations: variations.7 skipped: the outfit '-1'",
        "WARN: CompetitionVariations: variations.8 skipped: the scale ' 1.3'",
        "WARN: CompetitionVariations: variations.9 skipped: the row is missing",
        "WARN: CompetitionVariations: variations.11 skipped: expected 4 values",
    };
    for (const char* line : lines)
        EXPECT_EQ(logCount(line), 1) << line;
    EXPECT_EQ(logCount("\"a_c_buck_01,two,1.3,2\""), 1) << "the row is quoted as written";
    EXPECT_EQ(logCount("CompetitionVariations: variations loaded: 2"), 1);
    EXPECT_EQ(logCount("Something wrong happened"), 0);
    EXPECT_GT(game().callsLastFrame(), 0u) << "the plug-in runs on";
}

TEST_F(CompetitionVariationsTest, ACountThatDoesNotFitReadsWhatTheFileCanHold) {
    struct Case {
        const char* count;
        size_t loaded;
        const char* line;
        int rowTwoMissing;  // rows read up to the file's 3 entries: 0, 1 and 2
    };
    const Case cases[] = {
        {"2000000000", 1,
         "WARN: CompetitionVariations: variations.count claims 2000000000 variations but the file "
         "holds 3 entries; reading only those",
         1},
        {"many", 0,
         "WARN: CompetitionVariations: variations.count 'many' is not a whole number; no "
         "variations loaded",
         0},
        {nullptr, 0, "CompetitionVariations: variations loaded: 0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count ? c.count : "no count");
        TearDown();
        SetUp();
        writeDataFile("HuntingCompetitions.dat",
                      std::string("format_version=1\n") +
                          (c.count ? std::string("variations.count=") + c.count + "\n" : "") +
                          "variations.0=a_c_buck_01,2,1.3,2\n");
        startWithoutOffers();
        EXPECT_EQ(variations().all().size(), c.loaded);
        EXPECT_EQ(logCount(c.line), 1) << log();
        EXPECT_GT(game().callsLastFrame(), 0u) << "the plug-in runs on";
        EXPECT_EQ(logCount("variations.2 skipped: the row is missing"), c.rowTwoMissing);
        EXPECT_EQ(logCount("variations.3 skipped"), 0);
    }
}

}  // namespace
