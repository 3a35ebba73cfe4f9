// The hunter's record as start-up made it: what a taken competition's end adds, the heaviest kill
// per animal type, a damaged file, and brackenfold-check --record reading what the plug-in wrote.
// A whole competition taken as a player would, with a restart, is
// tests/scenarios/hunter_record_restart.scn.
#include "competitions/hunter_record.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "check/record_view.h"
#include "competition_fixture.h"
#include "competitions/hunting_competitions_manager.h"
#include "core/decorators.h"
#include "core/text.h"
#include "spine/plugin.h"

namespace {

namespace fs = std::filesystem;

class HunterRecordTest : public CompetitionTest {
  protected:
    bf::HuntingCompetitionsManager& manager() { return plugin().competitions(); }
    const bf::HunterTally& record() { return plugin().hunterRecord().current(); }
    bool runUntilOffered() {
        const uint32_t end = game().timer() + 3000;
        while (!manager().processor() && static_cast<int32_t>(game().timer() - end) < 0)
            game().runFrame();
        return manager().processor() != nullptr;
    }
    // The offer standing now taken (as the processor marks an accepted one), then ended. The
    // player stays out of the camp's reach, so that no camp is built meanwhile.
    void takeOffer(bool take) {
        ASSERT_TRUE(runUntilOffered()) << log();
        manager().info()->bounty = 2599;
        if (take) manager().info()->status = bf::kStatusUnderWay;
        const bf::Vector3 camp = manager().info()->startPoint;
        placePlayer({camp.x, camp.y + 1000.0f, camp.z});
        game().runFrame();
    }
    void playOut(int32_t outcome, bool take = true) {
        takeOffer(take);
        manager().processor()->finish(outcome);
        game().runFrame();
        ASSERT_EQ(manager().processor(), nullptr);
        manager().postponeBy(0);
        placePlayer({1521.5f, 439.356f, 90.6807f});
    }
    void killBy(int32_t animal, int32_t attacker) {
        sim::damagePed(game(), *entity(animal), attacker, sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"),
                       sim::kBoneSpine, 0.0f, true, sim::kImpactAboveBone);
    }
    // A wild animal of that quality killed by `attacker` (the player unless given); its weight.
    float kill(int32_t quality, int32_t attacker = -1) {
        const int32_t animal = spawn("a_c_buck_01", quality);
        game().runFrame();
        if (!entity(animal)) {
            ADD_FAILURE() << "the game removed the animal";
            return 0.0f;
        }
        killBy(animal, attacker == -1 ? player() : attacker);
        game().runFrame();
        return floatDecorator(animal, bf::kDecorWeight);
    }
};

TEST_F(HunterRecordTest, TakenCompetitionsCountTheirOutcomeAndTheMoneyThatMoved) {
    startCompetitions();
    game().world().player.cashCents = 100000;
    playOut(bf::kOutcomePlayerWon);
    playOut(bf::kOutcomePlayerLost);
    playOut(bf::kOutcomeAborted);
    playOut(bf::kOutcomeDraw);
    // An offer he never took, ended by its rival running off, is no competition of his.
    playOut(bf::kOutcomeAborted, false);
    // A loss he cannot pay moves nothing, and records nothing lost.
    takeOffer(true);
    game().world().player.cashCents = 0;
    manager().processor()->finish(bf::kOutcomePlayerLost);
    game().runFrame();

    const bf::HunterTally& tally = record();
    EXPECT_EQ(tally.offered, 6);
    EXPECT_EQ(tally.taken, 5);
    EXPECT_EQ(tally.won, 1);
    EXPECT_EQ(tally.lost, 2);
    EXPECT_EQ(tally.drawn, 1);
    EXPECT_EQ(tally.aborted, 1);
    // Whole dollars of the $25.99 stake, as the settlement moves them.
    EXPECT_EQ(tally.moneyWonCents, 2500);
    EXPECT_EQ(tally.moneyLostCents, 2500);

    // Written as it changed, and read back the same by a fresh start.
    const std::string file = readDataFile("HuntersRecord.Arthur.dat");
    EXPECT_NE(file.find("competitions.won=1\n"), std::string::npos) << file;
    EXPECT_NE(file.find("competitions.lost=2\n"), std::string::npos) << file;
    EXPECT_NE(file.find("money.lost_cents=" + std::to_string(tally.moneyLostCents) + "\n"),
              std::string::npos)
        << file;
    const bf::HunterTally before = tally;
    bf::stopPlugin();
    startCompetitions("HuntingCompetitions_Enabled=0");
    EXPECT_EQ(record().taken, before.taken);
    EXPECT_EQ(record().aborted, before.aborted);
    EXPECT_EQ(record().moneyWonCents, before.moneyWonCents);
}

TEST_F(HunterRecordTest, OnlyThePlayersKillsCountAndTheHeaviestOfATypeStays) {
    // Without the population, which would cull bucks from a district hunted this much.
    startCompetitions("HuntingCompetitions_Enabled=0\nDynamicAnimalPopulation=0");
    const float light = kill(0);
    const auto type =
        static_cast<int32_t>(game().world().models.find(std::string("a_c_buck_01"))->animalType);
    ASSERT_EQ(record().heaviest.count(type), 1u) << log();
    EXPECT_FLOAT_EQ(record().heaviest.at(type).weight, light);
    // The simulated game's calendar: clock A starts on its third day.
    EXPECT_EQ(record().heaviest.at(type).date, "1899-01-03");

    const float heavy = kill(2);
    ASSERT_GT(heavy, light);
    EXPECT_FLOAT_EQ(record().heaviest.at(type).weight, heavy);
    kill(0);
    EXPECT_FLOAT_EQ(record().heaviest.at(type).weight, heavy);
    // Another hunter's trophy is not the player's.
    const int32_t hunter = spawn("a_m_m_huntertravelers_cool_01");
    const int32_t other = spawn("a_c_buck_01", 2);
    game().runFrame();
    entity(other)->decorators[bf::kDecorWeight].f = heavy * 2.0f;
    killBy(other, hunter);
    game().runFrame();
    EXPECT_FLOAT_EQ(record().heaviest.at(type).weight, heavy);
    EXPECT_NE(readDataFile("HuntersRecord.Arthur.dat").find(bf::formatFloatExactly(heavy)),
              std::string::npos);
}

TEST_F(HunterRecordTest, ADamagedFileIsKeptAsBadAndTheRecordStartsAfresh) {
    writeDataFile("HuntersRecord.Arthur.dat", "competitions.won=4\nnot a line\n");
    writeDataFile("HuntersRecord.John.dat", "competitions.won=3\ncompetitions.lost=abc\n");
    startWithoutOffers();
    for (const char* name : {"HuntersRecord.Arthur.dat", "HuntersRecord.John.dat"}) {
        EXPECT_TRUE(fs::exists(dataPath(std::string(name) + ".bad"))) << name;
        EXPECT_NE(readDataFile(name).find("competitions.won=0\n"), std::string::npos) << name;
        EXPECT_NE(
            log().find(std::string("WARN: HunterRecord: Brackenfold/") + name + " is damaged"),
            std::string::npos)
            << log();
    }
    EXPECT_EQ(readDataFile("HuntersRecord.Arthur.dat.bad"), "competitions.won=4\nnot a line\n");
    EXPECT_EQ(record().won, 0);
    EXPECT_NE(log().find("kept as Brackenfold/HuntersRecord.John.dat.bad"), std::string::npos);
}

TEST_F(HunterRecordTest, TheCheckerPrintsWhatThePluginWrote) {
    startWithoutOffers();
    const float weight = kill(2);
    bf::stopPlugin();
    writeDataFile("HuntersRecord.John.dat", "competitions.taken=-2\n");
    const fs::path folder = fs::path(dataPath("Lang.dat")).parent_path();
    const auto view = bfcheck::readRecords(folder);
    ASSERT_EQ(view.size(), 2u);
    EXPECT_TRUE(bfcheck::anyDamaged(view));
    const std::string text = bfcheck::recordText(view);
    EXPECT_NE(text.find("John: HuntersRecord.John.dat is damaged"), std::string::npos) << text;
    char kilograms[32];
    std::snprintf(kilograms, sizeof kilograms, "%.1f kg", static_cast<double>(weight));
    EXPECT_NE(text.find("deer         " + std::string(kilograms)), std::string::npos) << text;
    EXPECT_NE(text.find("0 offered, 0 taken: 0 won"), std::string::npos) << text;
    const std::string svg = bfcheck::recordSvg(view);
    // The heaviest animal fills the whole bar.
    EXPECT_NE(svg.find("width=\"420\" height=\"16\" fill=\"rgb(90,160,80)\""), std::string::npos)
        << svg;
    EXPECT_NE(svg.find("record damaged, starts afresh"), std::string::npos);
}

}  // namespace
