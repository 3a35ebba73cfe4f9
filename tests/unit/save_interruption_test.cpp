// Saves cut short: the game is killed at random moments, and the moment a write begins, while it
// saves the population every second and the hints every few frames, then started again on the same
// folder, over and over; or its writes fail at random points. Afterwards every file reads back
// whole (the old content or the new), nothing is set aside as .bad, no district's file is lost, and
// the next start-up loads it and removes what the interrupted writes left. BRACKENFOLD_KILL_ROUNDS
// sets how many kills (6 unless given; a local run of 120 takes a few minutes).
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>
#include <thread>

#include "animals/animal_population.h"
#include "data/dict_data_file.h"
#include "plugin_fixture.h"
#include "sim/world/animals.h"

namespace {

namespace fs = std::filesystem;

// Spots in eight districts, outside the towns.
const sim::Vec3 kSpots[] = {
    {1000.0f, 500.0f, 90.0f},  {450.0f, 1300.0f, 90.0f},    {900.0f, 2300.0f, 90.0f},
    {2500.0f, 1500.0f, 90.0f}, {1100.0f, -900.0f, 90.0f},   {1900.0f, -200.0f, 90.0f},
    {-1800.0f, 0.0f, 90.0f},   {-2300.0f, -1100.0f, 90.0f},
};

// A small deterministic generator for the test's own choices.
uint32_t nextRandom(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

class SaveInterruptionTest : public PluginTest {
  protected:
    // The child: the game runs, kills animals everywhere and saves every second until killed.
    [[noreturn]] void playUntilKilled() {
        attach();
        game().runFrames(10);
        const auto& buck = *game().world().models.find("a_c_buck_01");
        for (uint64_t n = 0;; ++n) {
            if (n % 4 == 0) plugin().tutorials().showTutorialOnce("bait_blip", true);
            const sim::Vec3 at = kSpots[n % std::size(kSpots)];
            const int32_t ped = sim::spawnPed(game(), buck, at, 0.0f, 1, 1.0f).handle;
            game().runFrame();
            // The plug-in may have culled it in a depleted district.
            if (sim::Entity* alive = game().world().entities.find(ped)) {
                sim::damagePed(game(), *alive, game().world().player.ped,
                               sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"), sim::kBoneSpine, 0.0f,
                               true);
            }
            game().runFrame();
        }
    }

    int countDatFiles() const {
        int n = 0;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(dataPath("AnimalsPopulation"), error))
            n += entry.path().extension() == ".dat" ? 1 : 0;
        return n;
    }

    // Every file the plug-in writes reads back in full and none was set aside; the names of the
    // population files.
    std::set<std::string> checkFilesWhole(const std::string& round) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dataPath("AnimalsPopulation"))) {
            const std::string name = entry.path().filename().string();
            EXPECT_EQ(name.find(".bad"), std::string::npos) << round << ": " << name;
            if (entry.path().extension() != ".dat") continue;
            names.insert(name);
            checkWhole("AnimalsPopulation/" + name, round);
        }
        EXPECT_FALSE(fs::exists(dataPath("TutorialFlags.dat.bad"))) << round;
        if (fs::exists(dataPath("TutorialFlags.dat"))) checkWhole("TutorialFlags.dat", round);
        return names;
    }
    void checkWhole(const std::string& name, const std::string& round) {
        bf::DictDataFile file(dataPath(name));
        file.readBadValuesAsAbsent();
        EXPECT_TRUE(file.load()) << round << ": " << name;
        EXPECT_TRUE(file.damage().empty()) << round << ": " << name;
        const std::string text = readDataFile(name);
        EXPECT_TRUE(text.empty() || text.back() == '\n') << round << ": " << name << " cut";
    }
};

// Waits until the game creates a .tmp file in the data folder or its population folder (a write
// under way: the file is renamed over the old one once whole) and returns at once; false after
// three seconds without one.
bool waitForAWrite(const fs::path& data) {
    const int watch = inotify_init1(IN_NONBLOCK);
    if (watch < 0) return false;
    inotify_add_watch(watch, data.c_str(), IN_CREATE);
    inotify_add_watch(watch, (data / "AnimalsPopulation").c_str(), IN_CREATE);
    bool seen = false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    alignas(inotify_event) char buffer[4096];
    while (!seen && std::chrono::steady_clock::now() < until) {
        pollfd ready{watch, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) continue;
        const ssize_t got = read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const std::string name = event->len > 0 ? event->name : "";
            seen = seen || (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    close(watch);
    return seen;
}

int killRounds() {
    const char* rounds = std::getenv("BRACKENFOLD_KILL_ROUNDS");
    return rounds && std::atoi(rounds) > 0 ? std::atoi(rounds) : 6;
}

TEST_F(SaveInterruptionTest, AGameKilledWhileSavingLeavesWholeFilesThatTheNextStartUpLoads) {
    writeDataFile("GeneralMeta.dat", readDataFile("GeneralMeta.dat") + "\nsave_freq_sec=1\n");
    writeDataFile("Settings.ini",
                  readDataFile("Settings.ini") + "\nHuntingCompetitions_Enabled=0\n");
    uint32_t state = 16;
    std::set<std::string> districts;
    const int rounds = killRounds();
    int leftUnfinished = 0;
    int atAWrite = 0;
    for (int round = 0; round < rounds; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        // Each game starts on what the last one left.
        if (child == 0) playUntilKilled();
        // Once the game has started saving (a slow build takes longer to get there): every
        // other round a random moment of the next one and a half seconds (start-up, a save, or
        // frames between), the others the moment a write begins.
        for (int i = 0; i < 200 && countDatFiles() < 3; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (round % 2 == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(nextRandom(state) % 1500));
        } else {
            atAWrite += waitForAWrite(dataPath("")) ? 1 : 0;
        }
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round << ": the game ended on its own";
        const std::string name = "round " + std::to_string(round);
        const std::set<std::string> now = checkFilesWhole(name);
        for (const std::string& district : districts)
            EXPECT_EQ(now.count(district), 1u) << name << ": " << district << " was lost";
        districts = now;
        bool cut = false;
        for (const auto& entry : fs::recursive_directory_iterator(dataPath("")))
            cut = cut || entry.path().extension() == ".tmp";
        leftUnfinished += cut ? 1 : 0;
    }
    std::cout << "kills: " << rounds << ", " << atAWrite << " of them as a write began, "
              << leftUnfinished << " cut a write short; nothing lost\n";
    EXPECT_GT(atAWrite, 0) << "the game was killed at a write";
    EXPECT_GT(districts.size(), 4u) << "the kills reached the districts' files";
    // The next start-up loads what the last killed game left, and removes its leftovers.
    start();
    EXPECT_EQ(log().find("corruped"), std::string::npos);
    EXPECT_EQ(log().find("ERROR"), std::string::npos) << log();
    for (const auto& entry : fs::recursive_directory_iterator(dataPath("")))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    EXPECT_LT(plugin().population().effectiveFactor(0x07D4FF5F, sim::gameHash("deer")), 1.0f)
        << "the Heartlands' kills were read back";
}

// Fails a write at a random point of its content, as a disk that fills up would.
class FlakyFile : public bf::DictDataFile {
  public:
    using DictDataFile::DictDataFile;
    static inline uint32_t state = 7;
    static inline bool flaky = true;

  protected:
    bool writeEntries(std::ostream& out) const override {
        if (!flaky || nextRandom(state) % 3 != 0) return DictDataFile::writeEntries(out);
        std::ostringstream whole;
        DictDataFile::writeEntries(whole);
        const std::string text = whole.str();
        out << text.substr(0, text.empty() ? 0 : nextRandom(state) % text.size());
        return false;
    }
};

TEST_F(SaveInterruptionTest, WritesFailingAtRandomPointsLeaveTheOldFileOrTheNew) {
    start();
    bf::AnimalPopulationManager p(
        [](const std::string& path) { return std::make_unique<FlakyFile>(path); });
    ASSERT_TRUE(p.loadCharacterFiles());
    uint32_t state = 3;
    for (int save = 0; save < 60; ++save) {
        for (int kill = 0; kill < 4; ++kill) {
            const uint32_t district = 1000 + nextRandom(state) % 6;
            p.setPopulationFactor(district, 0x8B6B0B51, 0.1f + (nextRandom(state) % 90) / 100.0f);
        }
        p.saveAll();
        checkFilesWhole("save " + std::to_string(save));
    }
    // Whatever the last failures left, memory and disk agree after saves that succeed.
    FlakyFile::flaky = false;
    p.saveAll();
    FlakyFile::flaky = true;
    for (uint32_t district = 1000; district < 1006; ++district) {
        bf::DictDataFile file(dataPath("AnimalsPopulation/" + std::to_string(district) + ".dat"));
        if (!file.load()) continue;
        EXPECT_EQ(file.getFloat("-1955919023", -1.0f), p.populationFactor(district, 0x8B6B0B51))
            << district;
    }
}

}  // namespace
