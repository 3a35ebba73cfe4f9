// Bleeding: when a hit starts it, how long it lasts, the wound it leaves, the damage cadence and
// the collapse.
#include <gtest/gtest.h>

#include <climits>

#include "animal_fixture.h"
#include "animals/animal_events_handler.h"
#include "animals/bleeding.h"
#include "core/decorators.h"
#include "core/runtime.h"

namespace {

class BleedingTest : public AnimalTest {
  protected:
    const std::vector<int32_t>& listed() { return plugin().animalEvents().bleedingPeds(); }
    // Spawns, lets the created event pass, and hits.
    int32_t spawnAndHit(const char* model, float health = 0.5f,
                        const char* weapon = "WEAPON_RIFLE_SPRINGFIELD",
                        int32_t bone = sim::kBoneSpine) {
        const int32_t ped = spawn(model);
        game().runFrame();
        hit(ped, health, weapon, bone);
        game().runFrame();
        return ped;
    }
};

TEST_F(BleedingTest, LengthFollowsTheLossAndTheKindOfPed) {
    start();
    struct Case {
        const char* model;
        float health;
        int32_t seconds;
    };
    const Case cases[] = {{"a_c_buck_01", 0.5f, 5},
                          {"a_c_rabbit_01", 0.2f, 8},
                          {"a_m_m_valfarmer_01", 0.5f, 2},
                          {"a_m_m_valfarmer_01", 0.3f, 3}};
    for (const Case& c : cases) {
        const int32_t ped = spawnAndHit(c.model, c.health);
        EXPECT_EQ(intDecorator(ped, bf::kDecorBleedingSeconds), c.seconds) << c.model;
        EXPECT_EQ(intDecorator(ped, bf::kDecorBleedingSince), static_cast<int32_t>(game().clockA()))
            << c.model;
        EXPECT_EQ(listed().back(), ped);
    }
    EXPECT_EQ(listed().size(), 4u);
}

TEST_F(BleedingTest, AHitAtFullHealthIsListedAndEndsInTheSameFramesTick) {
    start();
    game().setRecording(true);
    const int32_t buck = spawnAndHit("a_c_buck_01", 1.0f);
    EXPECT_EQ(game().recordedOf(kBlood).size(), 1u);
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(intDecorator(buck, bf::kDecorBleedingSince), 0);
    EXPECT_EQ(intDecorator(buck, bf::kDecorBleedingSeconds), 0);
}

TEST_F(BleedingTest, HitsThatStartNothing) {
    start();
    const int32_t horse = spawn("a_c_horse_morgan_bay");
    const int32_t wolf = spawn("a_c_wolf");
    game().world().hunting.playerMount = horse;
    game().runFrame();
    struct Case {
        const char* what;
        int32_t target;
        const char* weapon;
        int32_t attacker;
    };
    const int32_t buck = spawn("a_c_buck_01");
    game().runFrame();
    const Case cases[] = {
        {"the player", player(), "WEAPON_RIFLE_SPRINGFIELD", wolf},
        {"the player's mount", horse, "WEAPON_RIFLE_SPRINGFIELD", -1},
        {"bare hands", buck, "WEAPON_UNARMED", -1},
        {"trampled", buck, "WEAPON_HORSE", -1},
        {"no attacker", buck, "WEAPON_RIFLE_SPRINGFIELD", 0},
        {"an animal attacker", buck, "WEAPON_ANIMAL", wolf},
        {"a lasso", buck, "WEAPON_LASSO", -1},
    };
    for (const Case& c : cases) {
        hit(c.target, 0.5f, c.weapon, sim::kBoneSpine, c.attacker);
        game().runFrame();
        EXPECT_TRUE(listed().empty()) << c.what;
        EXPECT_EQ(intDecorator(c.target, bf::kDecorBleedingSince), 0) << c.what;
    }
    // Hands and feet of a person do not bleed; the same bone of an animal does.
    const int32_t farmer =
        spawnAndHit("a_m_m_valfarmer_01", 0.5f, "WEAPON_RIFLE_SPRINGFIELD", 0x590E);
    EXPECT_EQ(intDecorator(farmer, bf::kDecorBleedingSince), 0);
    const int32_t doe = spawnAndHit("a_c_deer_01", 0.5f, "WEAPON_RIFLE_SPRINGFIELD", 0x590E);
    EXPECT_NE(intDecorator(doe, bf::kDecorBleedingSince), 0);
}

TEST_F(BleedingTest, ASecondHitRenewsTheLengthButNotTheStart) {
    start();
    game().setRecording(true);
    const int32_t buck = spawnAndHit("a_c_buck_01", 0.5f);
    const int32_t since = intDecorator(buck, bf::kDecorBleedingSince);
    game().advance(10000);
    EXPECT_TRUE(game().recordedOf(0x66B1CB778D911F49).empty());
    hit(buck, 0.2f);
    game().runFrame();
    EXPECT_EQ(intDecorator(buck, bf::kDecorBleedingSince), since);
    EXPECT_EQ(intDecorator(buck, bf::kDecorBleedingSeconds), 8);
    EXPECT_EQ(game().recordedOf(0x66B1CB778D911F49).size(), 1u) << "old blood cleared";
    EXPECT_EQ(listed().size(), 1u);
    // The end moves to the old start plus the new length: 8 x 120 game seconds.
    while (static_cast<int32_t>(game().clockA()) < since + 959)
        game().runFrame();
    EXPECT_EQ(listed().size(), 1u);
    game().advance(100);
    EXPECT_TRUE(listed().empty());
}

TEST_F(BleedingTest, OnlyGunsAndBowsOnTheNeckAndVitalsAreCritical) {
    startWith("BleedingCausesDamage=0\n");
    struct Case {
        const char* weapon;
        int32_t bone;
        bool critical;
    };
    const Case cases[] = {
        {"WEAPON_RIFLE_SPRINGFIELD", 0x384A, true},  {"WEAPON_SNIPERRIFLE_CARCANO", 0x384E, true},
        {"WEAPON_RIFLE_SPRINGFIELD", 0x384F, false}, {"WEAPON_RIFLE_SPRINGFIELD", 0x3849, false},
        {"WEAPON_REVOLVER_CATTLEMAN", 0x384C, true}, {"WEAPON_BOW", 0x384C, true},
        {"WEAPON_SHOTGUN_PUMP", 0x384B, true},       {"WEAPON_REPEATER_CARBINE", 0x384C, true},
        {"WEAPON_MELEE_KNIFE", 0x384C, false},       {"WEAPON_LASSO", 0x384C, false}};
    for (const Case& c : cases) {
        const int32_t buck = spawnAndHit("a_c_buck_01", 0.5f, c.weapon, c.bone);
        EXPECT_EQ(intDecorator(buck, bf::kDecorCriticalShot), c.critical ? 1 : 0) << c.weapon;
        EXPECT_EQ(hasDecorator(buck, bf::kDecorCriticalShotLastDamageTime), c.critical) << c.weapon;
    }
}

TEST_F(BleedingTest, TheWoundFacesTheShot) {
    startWith("DynamicAnimalSizes=0\n");
    game().setRecording(true);
    // The player stands at (1521.5, 439.356) west of the buck, which faces north.
    const int32_t buck = spawnAndHit("a_c_buck_01", 0.5f);
    const auto blood = game().recordedOf(kBlood);
    ASSERT_EQ(blood.size(), 1u);
    const auto& a = blood[0].args;
    ASSERT_EQ(a.size(), 10u);
    EXPECT_EQ(static_cast<int32_t>(a[0]), buck);
    EXPECT_EQ(a[1], 2u);
    EXPECT_EQ(static_cast<int32_t>(a[2]), sim::kBoneSpine);
    EXPECT_NEAR(f32(a[3]), 0.05f, 1e-5f);  // the impact lies 5 cm above the bone
    EXPECT_EQ(f32(a[4]), 0.0f);
    EXPECT_EQ(f32(a[5]), 0.0f);
    EXPECT_FLOAT_EQ(f32(a[6]), 0.2f);
    EXPECT_FLOAT_EQ(f32(a[7]), 86.0f * (-1.0f / 60.0f));  // bearing 266
    EXPECT_EQ(f32(a[8]), 0.0f);
    EXPECT_FLOAT_EQ(f32(a[9]), 0.02f);

    // The wound sits where the shot landed only when that is within 0.2 m of the bone.
    for (const auto& [impact, offset] : {std::pair{0.15f, 0.15f}, std::pair{0.5f, 0.0f}}) {
        game().clearRecorded();
        const int32_t doe = spawn("a_c_deer_01");
        game().runFrame();
        hit(doe, 0.5f, "WEAPON_RIFLE_SPRINGFIELD", sim::kBoneSpine, -1, impact);
        game().runFrame();
        const auto wound = game().recordedOf(kBlood);
        ASSERT_EQ(wound.size(), 1u) << impact;
        EXPECT_NEAR(f32(wound[0].args[3]), offset, 1e-5f) << impact;
    }

    // Bearings round a ped at the origin.
    struct Case {
        float heading;
        bf::Vector3 attacker;
        int32_t bearing;
    };
    const Case cases[] = {{0.0f, {10, 0, 0}, 90},   {0.0f, {-10, 0, 0}, 270},
                          {0.0f, {0, 10, 0}, 0},    {0.0f, {0, -10, 0}, 180},
                          {90.0f, {10, 0, 0}, 180}, {359.9f, {-10, 0, 0}, 269}};
    for (const Case& c : cases)
        EXPECT_EQ(bf::hitBearing(c.heading, {}, c.attacker), c.bearing) << c.heading;
}

TEST(BleedingExpiry, FollowsThe32BitEndRule) {
    struct Case {
        int32_t now, since, seconds, scale;
        bool expired;
    };
    const Case cases[] = {
        {1000, 1000, 0, 2000, true},
        {1599, 1000, 5, 2000, false},
        {1600, 1000, 5, 2000, true},
        {1000, 1000, 1, 1, true},               // 60 / 1000 truncates to 0
        {1000, INT32_MAX - 10, 1, 2000, true},  // the end wraps below zero
        {1000, 1000, 20, 2000000, true},        // the length wraps below zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(bf::bleedingExpired(c.now, c.since, c.seconds, c.scale), c.expired)
            << c.now << " " << c.since << " " << c.seconds << " " << c.scale;
}

TEST_F(BleedingTest, DamageOncePerSecondOfTheTimerWithTheConfiguredAmount) {
    // Without a save period the population saves (and yields a frame) whenever a file changed.
    writeDataFile("GeneralMeta.dat",
                  "save_freq_sec=120\nbleeding.critical_shot_damage_per_sec=7\n");
    start();
    game().natives().override(kIsRagdoll, [](sim::NativeCall& c) { c.retBool(true); });
    game().natives().override(kRagdoll, [](sim::NativeCall&) {});
    game().setRecording(true);
    const int32_t body = spawnAndHit("a_c_buck_01", 0.9f);
    const int32_t head = spawnAndHit("a_c_buck_01", 0.9f, "WEAPON_RIFLE_SPRINGFIELD", 0x384C);
    const uint32_t headHitAt = game().timer();
    game().advance(2900 - (game().timer() - headHitAt));
    std::vector<int32_t> bodyHits, headHits;
    for (const auto& call : game().recordedOf(kApplyDamage)) {
        EXPECT_EQ(call.args, (std::vector<uint64_t>{call.args[0], 7, 1, 0xFFFFFFFFu, 0}));
        const int32_t ped = static_cast<int32_t>(call.args[0]);
        ASSERT_TRUE(ped == body || ped == head);
        (ped == body ? bodyHits : headHits).push_back(static_cast<int32_t>(call.frame));
    }
    // Never set: the first tick damages; a critical hit waits a second from the hit.
    EXPECT_EQ(bodyHits.size(), 3u);
    EXPECT_EQ(headHits.size(), 2u);
    EXPECT_EQ(entity(body)->health, 90.0f - 21.0f);
}

TEST_F(BleedingTest, NoDamageWhileStandingAndNoneOffOrUnconfigured) {
    writeDataFile("GeneralMeta.dat", "save_freq_sec=120\n");
    start();
    game().setRecording(true);
    const int32_t buck = spawnAndHit("a_c_buck_01", 0.5f);
    game().advance(3000);
    EXPECT_EQ(game().recordedOf(kApplyDamage).size(), 1u)
        << "hurt while the hit has it down, not once it is up again";
    game().clearRecorded();
    game().natives().override(kIsRagdoll, [](sim::NativeCall& c) { c.retBool(true); });
    for (int i = 0; i < 40 && game().recordedOf(kApplyDamage).empty(); ++i)
        game().runFrame();
    const auto calls = game().recordedOf(kApplyDamage);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(static_cast<int32_t>(calls[0].args[1]), 4) << "absent key: the shipped damage";
    EXPECT_LT(entity(buck)->health, 50.0f);
    EXPECT_EQ(logCount("WARN: GeneralMeta.dat lacks bleeding.critical_shot_damage_per_sec; 4 is "
                       "used"),
              1u);
}

TEST_F(BleedingTest, LowHealthCollapsesEveryFrameWhileEligible) {
    start();
    game().natives().override(kIsRagdoll, [](sim::NativeCall& c) { c.retBool(false); });
    game().setRecording(true);
    const int32_t buck = spawnAndHit("a_c_buck_01", 0.15f);
    const int32_t healthy = spawnAndHit("a_c_buck_01", 0.16f);
    const int32_t writhing = spawnAndHit("a_m_m_valfarmer_01", 0.1f);
    game().clearRecorded();
    game().runFrames(3);
    // Writhing is not lying limp: the writhing man is made to collapse as well.
    const auto calls = game().recordedOf(kRagdoll);
    ASSERT_EQ(calls.size(), 6u);
    for (const auto& call : calls) {
        const auto ped = static_cast<int32_t>(call.args[0]);
        EXPECT_TRUE(ped == buck || ped == writhing) << ped << " " << healthy;
        EXPECT_EQ(call.args,
                  (std::vector<uint64_t>{static_cast<uint32_t>(ped), 10000, 30000, 0, 0, 0, 0}));
    }
    EXPECT_TRUE(entity(writhing)->condition.writhing);
    // Lying on the ground (as the game now says) it is not made to collapse again.
    game().natives().restore(kIsRagdoll);
    game().clearRecorded();
    game().runFrames(3);
    EXPECT_TRUE(game().recordedOf(kRagdoll).empty());
}

TEST_F(BleedingTest, TheTickDropsDeadAndDeletedPeds) {
    start();
    const int32_t dead = spawnAndHit("a_c_buck_01", 0.5f);
    const int32_t deleted = spawnAndHit("a_c_buck_01", 0.5f);
    const int32_t alive = spawnAndHit("a_c_buck_01", 0.5f);
    entity(dead)->dead = true;
    game().world().entities.remove(deleted);
    game().runFrame();
    EXPECT_EQ(listed(), std::vector<int32_t>{alive});
    EXPECT_EQ(intDecorator(dead, bf::kDecorBleedingSince), 0);
}

}  // namespace
