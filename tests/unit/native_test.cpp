// The calling convention: what each argument form pushes and how each result form is read.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "core/native.h"
#include "core/natives.h"
#include "plugin_fixture.h"

namespace {

constexpr uint64_t kProbe = 0xC0FFEE0000000001ull;

class NativeEncodingTest : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        game().natives().add(kProbe, "PROBE", sim::kVariadic, sim::Result::Any,
                             [this](sim::NativeCall& c) {
                                 pushed.assign(c.argCount(), 0);
                                 for (size_t i = 0; i < c.argCount(); ++i)
                                     pushed[i] = c.word(i);
                                 for (size_t i = 0; i < 3; ++i)
                                     c.retU64(0);
                                 respond(c);
                             });
    }
    std::vector<uint64_t> pushed;
    std::function<void(sim::NativeCall&)> respond = [](sim::NativeCall&) {};
};

TEST_F(NativeEncodingTest, ArgumentsArePushedOneWordEachInTheGamesForm) {
    const char* text = "blips_mp";
    int32_t out = 0;
    bf::invoke(kProbe, int32_t{-1}, uint32_t{0xA2719263u}, true, false, 1.5f,
               bf::Vector3{1.0f, -2.0f, 0.25f}, text, &out, uint64_t{0x1122334455667788ull});
    const std::vector<uint64_t> expected = {
        0x00000000FFFFFFFFull,  // signed: bits kept, high half zero
        0x00000000A2719263ull,  // hash
        1,
        0,
        std::bit_cast<uint32_t>(1.5f),  // float bits in the low half
        std::bit_cast<uint32_t>(1.0f),
        std::bit_cast<uint32_t>(-2.0f),
        std::bit_cast<uint32_t>(0.25f),    // a position is three pushes
        reinterpret_cast<uint64_t>(text),  // strings and out-parameters by pointer
        reinterpret_cast<uint64_t>(&out),
        0x1122334455667788ull,  // 64-bit values whole
    };
    EXPECT_EQ(pushed, expected);
}

TEST_F(NativeEncodingTest, ResultsAreDecodedByTheirForm) {
    respond = [](sim::NativeCall& c) { c.retU64(0xFFFFFFFF00000000ull | 0x80000001u); };
    EXPECT_EQ(bf::invoke<int32_t>(kProbe), static_cast<int32_t>(0x80000001u));  // low half only
    EXPECT_EQ(bf::invoke<uint64_t>(kProbe), 0xFFFFFFFF80000001ull);
    EXPECT_TRUE(bf::invoke<bool>(kProbe));

    respond = [](sim::NativeCall& c) { c.retU64(0xFFFFFFFF00000000ull); };
    EXPECT_FALSE(bf::invoke<bool>(kProbe)) << "a boolean is the low 32 bits";

    respond = [](sim::NativeCall& c) { c.retFloat(-3.75f); };
    EXPECT_EQ(bf::invoke<float>(kProbe), -3.75f);

    respond = [](sim::NativeCall& c) { c.retVec({1521.5f, 439.356f, 90.6807f}); };
    const bf::Vector3 v = bf::invoke<bf::Vector3>(kProbe);
    EXPECT_EQ(v.x, 1521.5f);
    EXPECT_EQ(v.y, 439.356f);
    EXPECT_EQ(v.z, 90.6807f);

    static const char kName[] = "Perfect Buck Pelt";
    respond = [](sim::NativeCall& c) { c.retPtr(kName); };
    EXPECT_STREQ(bf::invoke<const char*>(kProbe), kName);
}

TEST_F(NativeEncodingTest, StrictModeFailsOnUnknownHash) {
    expectGameFailure();
    bf::invoke(0x1234567890ABCDEFull, 7);
    ASSERT_TRUE(game().failed());
    EXPECT_NE(game().failure().find("0x1234567890ABCDEF"), std::string::npos);
    EXPECT_NE(game().failure().find("0x7"), std::string::npos) << "names the argument words";
}

TEST_F(NativeEncodingTest, WrongArgumentCountIsAFault) {
    expectGameFailure();
    bf::invoke<int32_t>(0x096275889B8E0EE0, 1);  // the player ped takes no argument
    ASSERT_TRUE(game().failed());
    EXPECT_NE(game().failure().find("PLAYER_PED_ID"), std::string::npos);
}

// As in the game, a 32-bit result fills the low half of its slot and leaves a stale upper half,
// and an event is read only when asked with its exact size.
TEST_F(NativeEncodingTest, TheGameWritesOnlyWhatItsResultsAndEventsHold) {
    constexpr uint64_t kGetGameTimer = 0x4F67E8ECA7D3F667;
    for (int i = 0; i < 4; ++i) {
        const uint64_t wide = bf::invoke<uint64_t>(kGetGameTimer);
        EXPECT_EQ(static_cast<uint32_t>(wide), game().timer());
        EXPECT_NE(wide >> 32, 0u) << "a 64-bit read of a 32-bit result takes in a stale word";
    }
    EXPECT_EQ(bf::natives::getGameTimer(), game().timer());

    game().world().events.push(sim::kEventPedCreated, {0x1234});
    uint64_t buffer[10] = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    EXPECT_FALSE(bf::natives::getEventData(0, 0, buffer, 9))
        << "asked with the size of another event";
    EXPECT_EQ(buffer[0], 7u);
    EXPECT_TRUE(bf::natives::getEventData(0, 0, buffer, 1));
    EXPECT_EQ(buffer[0], 0x1234u);
    EXPECT_EQ(buffer[1], 7u);
}

}  // namespace
