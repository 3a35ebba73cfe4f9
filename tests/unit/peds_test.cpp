// Shared ped operations: spawning, peds near, speech and weapons.
#include <gtest/gtest.h>

#include <cstring>

#include "core/runtime.h"
#include "plugin_fixture.h"
#include "sim/world/hash.h"
#include "world/peds.h"

namespace {

constexpr uint64_t kRequestModel = 0xFA28FE3A6246FC30;
constexpr uint64_t kHasModelLoaded = 0x1283B8B89DD5D1B6;
constexpr uint64_t kCreatePed = 0xD49F9B0955C367DE;
constexpr uint64_t kOutfit = 0x283978A15512B2FE;
constexpr uint64_t kNearbyPeds = 0x23F8F5FC7E8C4A6B;
constexpr uint64_t kSpeech = 0x8E04FEDD28D42462;
constexpr uint64_t kGiveWeapon = 0xB282DC6EBD803C75;
constexpr uint64_t kSetCurrentWeapon = 0xADF692B254977C0C;

class PedsTest : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        bf::runtime().playerPed = game().world().player.ped;
    }
    sim::Vec3 playerAt() { return world().entities.find(world().player.ped)->position; }
    sim::World& world() { return game().world(); }
    int32_t ped(float dx, bool dead = false) {
        const sim::Vec3 p = playerAt();
        sim::Entity& e = world().entities.create(sim::EntityKind::Ped, sim::gameHash("a_c_deer_01"),
                                                 {p.x + dx, p.y, p.z});
        e.dead = dead;
        return e.handle;
    }
};

TEST_F(PedsTest, SpawnWaitsForTheModelThenCreatesAndDressesThePed) {
    game().setRecording(true);
    const uint32_t before = game().timer();
    const int32_t handle = bf::spawnPed("a_c_deer_01", {1500.0f, 430.0f, 90.0f});
    ASSERT_NE(handle, 0);
    EXPECT_GT(game().timer(), before) << "waited frames for the model";
    EXPECT_TRUE(world().entities.find(handle)->dressed);
    std::vector<std::string> names;
    for (const auto& call : game().recorded())
        names.push_back(call.name);
    ASSERT_GE(names.size(), 8u);
    using Names = std::vector<std::string>;
    EXPECT_EQ(Names(names.begin(), names.begin() + 4),
              (Names{"GET_HASH_KEY", "REQUEST_MODEL", "GET_GAME_TIMER", "HAS_MODEL_LOADED"}));
    EXPECT_EQ(Names(names.end() - 3, names.end()),
              (Names{"HAS_MODEL_LOADED", "CREATE_PED", "_SET_RANDOM_OUTFIT_VARIATION"}));
    const auto create = game().recordedOf(kCreatePed);
    ASSERT_EQ(create.size(), 1u);
    EXPECT_EQ(create[0].args.size(), 9u);
    EXPECT_EQ(create[0].args[0], sim::gameHash("a_c_deer_01"));
    EXPECT_EQ(game().recordedOf(kOutfit)[0].args, (std::vector<uint64_t>{uint64_t(handle), 1}));
    EXPECT_EQ(game().recordedOf(kRequestModel)[0].args[1], 0u);
}

TEST_F(PedsTest, AModelThatNeverLoadsGivesUpAfterFiveSeconds) {
    const uint32_t before = game().timer();
    game().setRecording(true);
    EXPECT_EQ(bf::spawnPed("a_c_unicorn_01", {0.0f, 0.0f, 0.0f}), 0);
    const int32_t waited = static_cast<int32_t>(game().timer() - before);
    EXPECT_GE(waited, 5000);
    EXPECT_LT(waited, 5100);
    EXPECT_TRUE(game().recordedOf(kCreatePed).empty());
    EXPECT_NE(log().find("ERROR: model a_c_unicorn_01 did not load"), std::string::npos);
}

TEST_F(PedsTest, AModelThatLoadsJustBeforeTheLimitStillSpawns) {
    int checks = 0;
    game().natives().override(kHasModelLoaded, [&checks](sim::NativeCall& c) {
        c.retBool(++checks > 150);  // about 4.9 s of frames
    });
    EXPECT_NE(bf::spawnPed(sim::gameHash("a_c_deer_01"), {1500.0f, 430.0f, 90.0f}), 0);
}

TEST_F(PedsTest, PedsNearFiltersByExistenceDeathAndRadius) {
    const int32_t near = ped(3.0f);
    const int32_t deadNear = ped(5.0f, true);
    const int32_t far = ped(40.0f);
    const int32_t player = world().player.ped;
    using List = std::vector<int32_t>;
    EXPECT_EQ(bf::pedsNear(player, 20, -1.0f, -1, false), (List{near, deadNear, far}));
    EXPECT_EQ(bf::pedsNear(player, 20, 10.0f, -1, false), (List{near, deadNear}));
    EXPECT_EQ(bf::pedsNear(player, 20, -1.0f, -1, true), (List{near, far}));
    EXPECT_EQ(bf::pedsNear(player, 2, -1.0f, -1, false), (List{near, deadNear})) << "capacity";

    // A handle the game reports that is gone by now is dropped; slot 0 carries the capacity.
    int64_t capacitySeen = 0;
    game().natives().override(kNearbyPeds, [&](sim::NativeCall& c) {
        int64_t* buffer = c.ptr<int64_t>(1);
        capacitySeen = buffer[0];
        buffer[1] = 0x7FFFF0;
        buffer[2] = near;
        c.ret(2);
    });
    EXPECT_EQ(bf::pedsNear(player, 127, -1.0f, -1, false), (List{near}));
    EXPECT_EQ(capacitySeen, 127);
}

TEST_F(PedsTest, PedsNearRefusesACapacityThatOverrunsTheBuffer) {
    ped(3.0f);
    game().setRecording(true);
    EXPECT_TRUE(bf::pedsNear(world().player.ped, 128, -1.0f, -1, false).empty());
    EXPECT_TRUE(game().recordedOf(kNearbyPeds).empty());
    EXPECT_NE(log().find("ERROR: pedsNear: capacity 128"), std::string::npos);
}

TEST_F(PedsTest, SpeechPassesTheSevenSlotBlock) {
    const int32_t speaker = ped(2.0f);
    uint64_t block[7] = {};
    std::string line, voice;
    game().natives().override(kSpeech, [&](sim::NativeCall& c) {
        std::memcpy(block, c.ptr<uint64_t>(1), sizeof block);
        line = reinterpret_cast<const char*>(block[0]);
        voice = block[1] ? reinterpret_cast<const char*>(block[1]) : "(none)";
    });
    bf::playSpeech(speaker, "GENERIC_CURSE_MED", nullptr);
    EXPECT_EQ(line, "GENERIC_CURSE_MED");
    EXPECT_EQ(voice, "(none)");
    EXPECT_EQ(block[2], 1u);
    EXPECT_EQ(block[3], 0x67F3AB43u);
    EXPECT_EQ(block[4], static_cast<uint64_t>(speaker));
    EXPECT_EQ(block[5], 1u);
    EXPECT_EQ(block[6], 1u);
    game().natives().restore(kSpeech);
    bf::playSpeech(speaker, "GENERIC_NO", "0405_U_M_M_RhdSheriff_01");
    ASSERT_EQ(world().speech.size(), 1u);
    EXPECT_EQ(world().speech[0].voice, "0405_U_M_M_RhdSheriff_01");
}

TEST_F(PedsTest, GiveWeaponOnlyWhenMissingAndEquipOnRequest) {
    const int32_t hunter = ped(2.0f);
    const uint32_t rifle = sim::gameHash("WEAPON_RIFLE_VARMINT");
    EXPECT_EQ(bf::currentWeapon(hunter, 0), 0xA2719263u) << "unarmed";
    game().setRecording(true);
    bf::giveWeapon(hunter, rifle, 30, true);
    bf::giveWeapon(hunter, rifle, 30, false);
    EXPECT_EQ(game().recordedOf(kGiveWeapon).size(), 1u);
    EXPECT_EQ(game().recordedOf(kSetCurrentWeapon).size(), 1u);
    EXPECT_EQ(bf::currentWeapon(hunter, 0), rifle);
    EXPECT_EQ(world().entities.find(hunter)->weapons.at(rifle), 30);
}

TEST_F(PedsTest, LawmanAndExcludedTypeTests) {
    const sim::Vec3 p = playerAt();
    const int32_t deputy =
        world()
            .entities.create(sim::EntityKind::Ped, sim::gameHash("s_m_m_ambientlawrural_01"), p)
            .handle;
    sim::applyModel(*world().entities.find(deputy),
                    *world().models.find(sim::gameHash("s_m_m_ambientlawrural_01")));
    EXPECT_TRUE(bf::isLawman(deputy));
    EXPECT_FALSE(bf::isLawman(world().player.ped));
    sim::Entity& horse = world().entities.create(sim::EntityKind::Ped, 0, p);
    horse.animalType = 0xB0672438;
    EXPECT_TRUE(bf::isUntouchedAnimalType(bf::natives::getPedAnimalType(horse.handle)));
    horse.animalType = sim::gameHash("deer");
    EXPECT_FALSE(bf::isUntouchedAnimalType(bf::natives::getPedAnimalType(horse.handle)));
}

}  // namespace
