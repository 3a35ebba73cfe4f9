// The plug-in trading in a simulated game: a player on his horse with cargo, people to trade with,
// the trade prompt and the player's press, and the game's random draws under the test's control.
#pragma once

#include <functional>
#include <string>

#include "plugin_fixture.h"
#include "sim/world/animals.h"
#include "sim/world/hash.h"

class TradeTest : public PluginTest {
  public:
    static constexpr uint64_t kRandomInt = 0xD53343AA4FB7DD28;
    static constexpr sim::Vec3 kPlayerAt = {1521.5f, 439.356f, 90.6807f};

    void startTrading(const std::string& settings = "") {
        writeDataFile("Settings.ini", "EnableTrading=1\n" + settings);
        start();
    }
    sim::World& world() { return game().world(); }
    sim::Entity& entity(int32_t handle) { return *world().entities.find(handle); }
    sim::Entity& playerPed() { return entity(world().player.ped); }
    int32_t spawn(const char* model, sim::Vec3 at) {
        return sim::spawnPed(game(), *world().models.find(std::string(model)), at, 0.0f, 1, 1.0f)
            .handle;
    }
    // A horse under the player where he stands, and a person `dx` metres east of him.
    int32_t mountedPlayer() {
        const int32_t horse = spawn("a_c_horse_morgan_bay", kPlayerAt);
        sim::mountHorse(world(), playerPed(), horse);
        return horse;
    }
    int32_t person(float dx = 2.5f) {
        return spawn("a_m_m_rancher_01", {kPlayerAt.x + dx, kPlayerAt.y, kPlayerAt.z});
    }
    int32_t cargo(int32_t horse, const char* model, bool pelt, int32_t quality,
                  float scale = 0.0f) {
        return sim::addCargo(game(), entity(horse), sim::gameHash(model), pelt, quality, scale)
            .handle;
    }
    void target(int32_t ped) { sim::inspectPed(game(), ped); }
    const sim::Prompt* tradePrompt() {
        for (const auto& [handle, p] : world().prompts.all()) {
            if (p.registered && p.text == "Offer your cargo") return &p;
        }
        return nullptr;
    }
    bool promptEnabledOnScreen() {
        const sim::Prompt* p = tradePrompt();
        return p && p->enabled && world().prompts.onScreen(*p, world().player.target);
    }
    void pressPrompt() {
        ASSERT_NE(tradePrompt(), nullptr);
        world().prompts.press(tradePrompt()->control);
        game().runFrame();
        world().prompts.release();
    }
    // A person beside a mounted player, targeted and offered the cargo.
    int32_t offerTo(int32_t buyer) {
        target(buyer);
        game().runFrames(2);
        pressPrompt();
        return buyer;
    }
    size_t logCount(const std::string& text) {
        const std::string all = log();
        size_t count = 0;
        for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++count;
        return count;
    }
    // Every draw of the game's random integer goes through `draw` (min, max).
    void scriptRandom(std::function<int32_t(int32_t, int32_t)> draw) {
        game().natives().override(kRandomInt,
                                  [draw](sim::NativeCall& c) { c.ret(draw(c.i32(0), c.i32(1))); });
    }
};
