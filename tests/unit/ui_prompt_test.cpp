// UI components, prompts and blips: exact call sequences and completion rules.
#include <gtest/gtest.h>

#include "plugin_fixture.h"
#include "sim/world/hash.h"
#include "ui/blips.h"
#include "ui/ui_component.h"
#include "ui/ui_prompt.h"

namespace {

constexpr uint64_t kStandardCompleted = 0xC92AC953F0A982AE;
constexpr uint64_t kHoldCompleted = 0xE0F65F0640EF0617;
constexpr uint64_t kMashCompleted = 0x845CE958416DC473;
constexpr uint64_t kDoesBlipExist = 0xCD82FA174080B3B1;
constexpr uint64_t kSetBlipSprite = 0x74F74D3207ED525C;
const uint32_t kControl = sim::gameHash("INPUT_INTERACT_OPTION1");

class UiPromptTest : public PluginTest {
  protected:
    std::vector<std::string> names() {
        std::vector<std::string> list;
        for (const auto& call : game().recorded())
            list.push_back(call.name);
        return list;
    }
    // Lets a test say what the game answers for each completion native.
    void answer(uint64_t hash, const bool& value) {
        game().natives().override(hash, [&value](sim::NativeCall& c) { c.retBool(value); });
    }
};

TEST_F(UiPromptTest, ConstructionSequenceByMode) {
    using Names = std::vector<std::string>;
    const std::pair<bf::PromptMode, const char*> modes[] = {
        {bf::PromptMode::Press, "_UI_PROMPT_SET_STANDARD_MODE"},
        {bf::PromptMode::Hold, "_UI_PROMPT_SET_HOLD_MODE"},
        {bf::PromptMode::HoldOnce, "_UI_PROMPT_SET_HOLD_MODE"},
        {bf::PromptMode::Mash, "_UI_PROMPT_SET_MASH_MANUAL_MODE"},
    };
    for (const auto& [mode, modeNative] : modes) {
        game().clearRecorded();
        game().setRecording(true);
        bf::UiPrompt prompt("Sell", kControl, mode);
        EXPECT_EQ(names(),
                  (Names{"_UI_PROMPT_REGISTER_BEGIN", "_UI_PROMPT_SET_CONTROL_ACTION", "VAR_STRING",
                         "_UI_PROMPT_SET_TEXT", "_UI_PROMPT_SET_GROUP", modeNative,
                         "_UI_PROMPT_SET_ATTRIBUTE", "_UI_PROMPT_REGISTER_END"}));
        const auto& calls = game().recorded();
        const uint64_t h = static_cast<uint32_t>(prompt.handle());
        EXPECT_EQ(calls[1].args, (std::vector<uint64_t>{h, kControl}));
        EXPECT_EQ(calls[4].args, (std::vector<uint64_t>{h, 0, 0}));
        EXPECT_EQ(calls[6].args, (std::vector<uint64_t>{h, 18, 1}));
        EXPECT_EQ(calls[5].args.size(), mode == bf::PromptMode::Mash ? 5u : 2u);
        const bool hold = mode == bf::PromptMode::Hold || mode == bf::PromptMode::HoldOnce;
        EXPECT_EQ(calls[5].args[1], hold ? 1000u : 1u) << "a hold time in ms, or one press";
        EXPECT_TRUE(prompt.enabled());
        EXPECT_FALSE(prompt.visible());
        EXPECT_EQ(game().world().prompts.find(prompt.handle())->text, "Sell");
        prompt.destroy();
        EXPECT_EQ(game().world().prompts.find(prompt.handle()), nullptr);
    }
}

TEST_F(UiPromptTest, FlagsReachTheGameAsEnabledOnlyWhileVisible) {
    bf::UiPrompt prompt("Sell", kControl, bf::PromptMode::Press);
    const sim::Prompt& p = *game().world().prompts.find(prompt.handle());
    prompt.setVisible(true);
    EXPECT_TRUE(p.visible && p.enabled);
    prompt.setEnabled(false);
    EXPECT_TRUE(p.visible && !p.enabled);
    prompt.setEnabled(true);
    prompt.setVisible(false);
    EXPECT_FALSE(p.visible || p.enabled) << "a hidden prompt is also disabled in the game";
}

TEST_F(UiPromptTest, CompletionByModeAndTheHoldOnceLatch) {
    bool standard = false, hold = false, mash = false;
    answer(kStandardCompleted, standard);
    answer(kHoldCompleted, hold);
    answer(kMashCompleted, mash);
    bf::UiPrompt press("a", kControl, bf::PromptMode::Press);
    bf::UiPrompt held("b", kControl, bf::PromptMode::Hold);
    bf::UiPrompt once("c", kControl, bf::PromptMode::HoldOnce);
    bf::UiPrompt mashed("d", kControl, bf::PromptMode::Mash);
    for (bf::UiPrompt* p : {&press, &held, &once, &mashed})
        p->setVisible(true);

    standard = true;
    EXPECT_TRUE(press.isCompleted());
    EXPECT_FALSE(held.isCompleted());
    standard = false;
    mash = true;
    EXPECT_TRUE(mashed.isCompleted());
    EXPECT_TRUE(once.isCompleted()) << "hold-once falls back to the mash test when not held";
    mash = false;

    hold = true;
    EXPECT_TRUE(held.isCompleted());
    EXPECT_TRUE(held.isCompleted()) << "plain hold reports every frame";
    EXPECT_TRUE(once.isCompleted());
    EXPECT_FALSE(once.isCompleted()) << "reported once per hold";
    EXPECT_FALSE(once.isCompleted());
    hold = false;
    EXPECT_FALSE(once.isCompleted());
    hold = true;
    EXPECT_TRUE(once.isCompleted()) << "a new hold after the completion dropped";

    // Hidden or disabled: false whatever the game says, without asking it.
    standard = hold = mash = true;
    press.setEnabled(false);
    held.setVisible(false);
    game().setRecording(true);
    EXPECT_FALSE(press.isCompleted());
    EXPECT_FALSE(held.isCompleted());
    EXPECT_TRUE(game().recorded().empty());
}

TEST_F(UiPromptTest, TheSimulatedGameCompletesOnlyPromptsOnScreen) {
    bf::UiPrompt press("Trade", kControl, bf::PromptMode::Press);
    sim::Prompts& prompts = game().world().prompts;
    prompts.press(kControl);
    game().runFrame();
    EXPECT_FALSE(press.isCompleted()) << "hidden";
    press.setVisible(true);
    prompts.press(kControl);
    game().runFrame();
    EXPECT_TRUE(press.isCompleted());
    game().runFrame();
    EXPECT_FALSE(press.isCompleted()) << "a press completes for one frame";

    // In a ped's group the prompt shows only while the player targets that ped.
    const int32_t buyer =
        game().world().entities.create(sim::EntityKind::Ped, 0, {0.0f, 0.0f, 0.0f}).handle;
    press.setGroup(buyer);
    EXPECT_EQ(press.group(), buyer);
    prompts.press(kControl);
    game().runFrame();
    EXPECT_FALSE(press.isCompleted());
    game().world().player.target = buyer;
    prompts.press(kControl);
    game().runFrame();
    EXPECT_TRUE(press.isCompleted());
}

// The hold time is what the game waits for: a real one is not done by a tap, 1 ms is.
TEST_F(UiPromptTest, AHoldPromptCompletesAfterItsHoldTime) {
    struct Case {
        int32_t holdMs;
        int framesHeld;
        bool completed;
    };
    const Case cases[] = {{1000, 1, false}, {1000, 30, false}, {1000, 31, true}, {1, 1, true}};
    sim::Prompts& prompts = game().world().prompts;
    for (const Case& c : cases) {
        bf::UiPrompt held("Accept", kControl, bf::PromptMode::Hold, c.holdMs);
        held.setVisible(true);
        for (int i = 0; i < c.framesHeld; ++i) {
            prompts.hold(kControl);
            game().runFrame();
        }
        EXPECT_EQ(held.isCompleted(), c.completed) << c.holdMs << " ms, " << c.framesHeld;
        prompts.release();
        game().runFrame();
    }
}

class TestComponent : public bf::BaseUIComponent {
  public:
    int shows = 0;
    int draws = 0;
    void onShow() override { ++shows; }
    void draw() override { ++draws; }
};

TEST_F(UiPromptTest, ComponentShowsOnceAndDrawsOnlyWhileShown) {
    TestComponent c;
    c.update();
    EXPECT_EQ(c.draws, 0);
    c.show();
    c.show();
    c.update();
    c.update();
    EXPECT_EQ(c.shows, 1);
    EXPECT_EQ(c.draws, 2);
}

TEST_F(UiPromptTest, BlipsSpriteOnlyWhenGivenAndRemovalOnlyWhileTheBlipExists) {
    const uint32_t mission = sim::gameHash("BLIP_STYLE_MISSION");
    const uint32_t sprite = sim::gameHash("blip_region_hunting");
    game().setRecording(true);
    int32_t area = bf::createRadiusBlip({10.0f, 20.0f, 30.0f}, 150.0f,
                                        bf::BlipStyle{sim::gameHash("BLIP_STYLE_OBJECTIVE")}, {});
    EXPECT_TRUE(game().recordedOf(kSetBlipSprite).empty());
    int32_t offer =
        bf::createCoordBlip({1.0f, 2.0f, 3.0f}, bf::BlipStyle{mission}, bf::BlipSprite{sprite});
    const auto spriteCalls = game().recordedOf(kSetBlipSprite);
    ASSERT_EQ(spriteCalls.size(), 1u);
    EXPECT_EQ(spriteCalls[0].args,
              (std::vector<uint64_t>{static_cast<uint32_t>(offer), sprite, 0}));
    bf::setBlipName(offer, "Hunting competition");
    bf::setBlipModifier(offer, 0x0B93E613);
    const sim::Blip& b = *game().world().blips.find(offer);
    EXPECT_EQ(b.name, "Hunting competition");
    EXPECT_EQ(b.modifiers, (std::vector<uint32_t>{0x0B93E613}));
    EXPECT_EQ(game().world().blips.find(area)->radius, 150.0f);

    bf::removeBlip(&offer);
    EXPECT_EQ(offer, 0);
    game().world().blips.remove(area);  // the game dropped it
    game().clearRecorded();
    bf::removeBlip(&area);
    ASSERT_EQ(game().recorded().size(), 1u);
    EXPECT_EQ(game().recorded()[0].hash, kDoesBlipExist);

    // An entity's blip goes with its entity.
    sim::Entity& bait = game().world().entities.create(sim::EntityKind::Object, 0, {});
    const int32_t baitBlip = bf::createEntityBlip(bait.handle, bf::BlipStyle{0x19365607}, {});
    ASSERT_NE(baitBlip, 0);
    game().world().entities.remove(bait.handle);
    game().runFrame();
    EXPECT_EQ(game().world().blips.find(baitBlip), nullptr);
}

}  // namespace
