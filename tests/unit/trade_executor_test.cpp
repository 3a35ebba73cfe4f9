// The trade executor: refusing on the spot, the approach with or without a hitching post, the
// inspection and its choice, the sale and the refusal after inspecting, and what is left behind.
#include "trading/trade_executor.h"

#include <gtest/gtest.h>

#include "core/runtime.h"
#include "spine/plugin.h"
#include "trade_fixture.h"
#include "trading/trading.h"

namespace {

constexpr uint64_t kTaskHitch = 0x9030AD4B6207BFE8;
constexpr uint64_t kTaskDismount = 0x48E92D3DDE23C23A;
constexpr uint64_t kTaskLead = 0x9A7A4A54596FE09D;
constexpr uint64_t kTaskInspect = 0x524B54361229154F;
constexpr uint64_t kTaskMount = 0x92DB0739813C5186;
constexpr uint64_t kTaskWander = 0xBB9CE077274F6A1B;
constexpr uint64_t kSpeech = 0x8E04FEDD28D42462;

class TradeExecutorTest : public TradeTest {
  protected:
    // The coin flips of the inspection come out as `coin` (0 or 1), the inspect times at 2000 ms
    // and the refusal line as the first.
    void scriptCoin(int32_t coin) {
        scriptRandom(
            [coin](int32_t min, int32_t max) { return max - min == 2 ? min + coin : min; });
    }
    bool trading() { return plugin().trading().executor() != nullptr; }
    void setGeneralMeta(const std::string& key, const std::string& value) {
        std::string content = readDataFile("GeneralMeta.dat");
        const size_t at = content.find(key + "=");
        content.replace(at, content.find('\n', at) - at, key + "=" + value);
        writeDataFile("GeneralMeta.dat", content);
    }
    void runTrade() {
        for (int i = 0; i < 2000 && trading(); ++i)
            game().runFrame();
        ASSERT_FALSE(trading()) << "the trade never ended";
    }
};

// A parameter per case; each case plays in a fresh game.
class TradeExecutorCase : public TradeExecutorTest, public ::testing::WithParamInterface<int> {};

TEST_P(TradeExecutorCase, PoorCargoIsRefusedOnTheSpotUnlessBuyersNeverRefuse) {
    {
        const bool neverRefuse = GetParam() != 0;
        setGeneralMeta("trade.buyer_score_threshold", "100");
        startTrading(neverRefuse ? "PedsNeverRefuseTradeOffer=1\n" : "");
        game().setRecording(true);
        scriptCoin(0);
        cargo(mountedPlayer(), "a_c_rabbit_01", true, 0);
        offerTo(person());
        runTrade();
        EXPECT_EQ(logCount("TradeInteractionExecutor: cargo score: "), neverRefuse ? 0u : 1u);
        EXPECT_EQ(
            logCount("ped refused to trade offer on the spot due to poor merchendise condition"),
            neverRefuse ? 0u : 1u);
        // Approached or not, he speaks his refusal once, and the final coin makes him decline.
        EXPECT_EQ(game().recordedOf(kSpeech).size(), 1u);
        EXPECT_EQ(logCount("stage changed: 0 -> 1"), neverRefuse ? 1u : 0u);
        EXPECT_EQ(logCount("outcome changed: 0 -> 1"), 1u);
        EXPECT_EQ(world().player.cashCents, 10000);
    }
}

TEST_P(TradeExecutorCase, ThePlayerHitchesAtANearbyPostOrLeadsHisHorse) {
    {
        const bool post = GetParam() != 0;
        startTrading();
        if (post) sim::placeHitchingPost(world(), {kPlayerAt.x - 4.0f, kPlayerAt.y, kPlayerAt.z});
        game().setRecording(true);
        const int32_t horse = mountedPlayer();
        cargo(horse, "a_c_buck_01", true, 2);
        offerTo(person());
        game().runFrames(120);
        EXPECT_EQ(game().recordedOf(kTaskHitch).size(), post ? 1u : 0u);
        EXPECT_EQ(game().recordedOf(kTaskDismount).size(), post ? 0u : 1u);
        EXPECT_EQ(game().recordedOf(kTaskLead).size(), post ? 0u : 1u);
        EXPECT_EQ(playerPed().trade.mount, 0) << "he is off the horse either way";
        EXPECT_EQ(entity(horse).trade.hitchedTo != 0, post);
        EXPECT_EQ(playerPed().trade.ledHorse == horse, !post);
    }
}

// Three entities: a perfect pelt and a good carcass of scale 1.5 both score 1.5, a poor pelt 0.5.
// The carcass, the last of the highest, is sold; inspecting looks at the first entity always and
// at each later one only when its coin says so.
TEST_P(TradeExecutorCase, TheLastOfTheBestIsSoldAndNothingOfTheTradeIsLeft) {
    {
        const int32_t coin = GetParam();
        startTrading("PriceScale=2.0\n");
        scriptCoin(coin);
        game().setRecording(true);
        const int32_t horse = mountedPlayer();
        const int32_t pelt = cargo(horse, "a_c_buck_01", true, 2);
        const int32_t carcass = cargo(horse, "a_c_buck_01", false, 1, 1.5f);
        cargo(horse, "a_c_buck_01", true, 0);
        const int32_t buyer = offerTo(person());
        runTrade();
        EXPECT_EQ(game().recordedOf(kTaskInspect).size(), coin ? 3u : 1u);
        if (coin) {
            // "Good Buck Carcass=3.37" at twice the price.
            EXPECT_EQ(world().player.cashCents, 10000 + 674);
            EXPECT_EQ(entity(buyer).trade.holding, carcass);
            EXPECT_EQ(entity(horse).trade.cargo.size(), 2u);
            EXPECT_EQ(entity(horse).trade.cargo.front(), pelt);
            EXPECT_EQ(logCount("outcome changed: 0 -> 2"), 1u);
            // No mount of his own: he walks off with it.
            EXPECT_EQ(game().recordedOf(kTaskMount).size(), 0u);
            EXPECT_EQ(game().recordedOf(kTaskWander).size(), 1u);
        } else {
            EXPECT_EQ(world().player.cashCents, 10000);
            EXPECT_EQ(entity(horse).trade.cargo.size(), 3u);
            EXPECT_EQ(game().recordedOf(kSpeech).size(), 1u);
            EXPECT_EQ(logCount("outcome changed: 0 -> 1"), 1u);
        }
        EXPECT_EQ(entity(buyer).decorators.at("VX_Trading_isTradeInterationRunning").i, 0);
        EXPECT_EQ(world().sequences.count(), 0u);
        EXPECT_EQ(world().trade.itemsets.live(), 0u);
    }
}

TEST_F(TradeExecutorTest, ABuyerOnHisOwnHorseRidesOffWithWhatHeBought) {
    startTrading();
    scriptCoin(1);
    game().setRecording(true);
    cargo(mountedPlayer(), "a_c_buck_01", true, 2);
    const int32_t buyer = person();
    const int32_t mount = spawn("a_c_horse_americanpaint_greyovero", entity(buyer).position);
    sim::mountHorse(world(), entity(buyer), mount);
    offerTo(buyer);
    runTrade();
    EXPECT_EQ(world().player.cashCents, 10000 + 450);
    EXPECT_EQ(game().recordedOf(kTaskMount).size(), 1u);
    game().advance(30000);
    EXPECT_EQ(entity(buyer).trade.mount, mount);
    EXPECT_EQ(entity(mount).position.x, entity(buyer).position.x) << "the horse goes with him";
    EXPECT_GT(sim::distance3d(entity(buyer).position, playerPed().position), 10.0f);
}

INSTANTIATE_TEST_SUITE_P(Both, TradeExecutorCase, ::testing::Values(0, 1));

}  // namespace
