// Screen texts: the help-text and notification queues, the feed blocks, drawing and cash changes.
#include "ui/messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "core/text.h"
#include "plugin_fixture.h"
#include "sim/world/hash.h"

namespace {

constexpr uint64_t kFeedHelp = 0x049D5C615BD38BAD;
constexpr uint64_t kFeedNotification = 0xB249EBCB30DD88E0;
constexpr uint64_t kAddCash = 0xBC3422DC91667621;
constexpr uint64_t kRemoveCash = 0x466BC8769CF26A7A;
constexpr uint64_t kDrawSprite = 0xC9884ECADE94CB34;

class MessagesTest : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        start();
        game().setRecording(true);
        game().world().screen.mark();
    }
    std::vector<std::string> shown(const std::string& kind) {
        std::vector<std::string> texts;
        for (const auto& item : game().world().screen.shownSinceMark())
            if (item.kind == kind) texts.push_back(item.text);
        return texts;
    }
    // Runs the game's own handler of a feed native after copying the blocks it was given.
    void captureBlocks(uint64_t hash, std::vector<std::array<uint64_t, 10>>& a,
                       std::vector<std::array<uint64_t, 10>>& b) {
        game().natives().override(hash, [this, hash, &a, &b](sim::NativeCall& c) {
            std::array<uint64_t, 10> blockA{}, blockB{};
            std::copy_n(c.ptr<const uint64_t>(0), 4, blockA.begin());
            std::copy_n(c.ptr<const uint64_t>(1), 10, blockB.begin());
            a.push_back(blockA);
            b.push_back(blockB);
            game().natives().original(hash)(c);
        });
    }
};

TEST_F(MessagesTest, QueuesKeepTheLastTextCutToTheirLimit) {
    bf::showHelpText("first", 3000);
    bf::showHelpText("second", 3000);
    bf::showNotification("a much longer notification", 5000);
    bf::showNotification("short", 5000);
    game().runFrames(2);
    EXPECT_EQ(shown("help"), std::vector<std::string>{"second"});
    EXPECT_EQ(shown("notification"), std::vector<std::string>{"short"});
    EXPECT_EQ(game().recordedOf(kFeedHelp).size(), 1u) << "an empty queue posts nothing";

    game().world().screen.mark();
    bf::showHelpText(std::string(600, 'h'), 3000);
    bf::showNotification(std::string(198, 'n') + "\xC3\xA9", 5000);  // é would straddle the end
    game().runFrames(1);
    EXPECT_EQ(shown("help"), std::vector<std::string>{std::string(499, 'h')});
    EXPECT_EQ(shown("notification"), std::vector<std::string>{std::string(198, 'n')});
}

TEST_F(MessagesTest, Utf8CutsEndOnACharacterBoundary) {
    const std::string euro = "\xE2\x82\xAC";  // three bytes
    const std::tuple<std::string, size_t, size_t> cases[] = {
        {"abc", 5, 3},       {"abcdef", 4, 4},    {"ab" + euro, 4, 2},
        {"ab" + euro, 5, 5}, {euro + euro, 3, 3}, {"\x80\x80\x80\x80\x80", 2, 2},
    };
    for (const auto& [text, limit, expected] : cases)
        EXPECT_EQ(bf::utf8PrefixLength(text, limit), expected) << text << " / " << limit;
}

TEST_F(MessagesTest, FeedBlocksHoldTheDocumentedLayouts) {
    std::vector<std::array<uint64_t, 10>> helpA, helpB, noteA, noteB;
    captureBlocks(kFeedHelp, helpA, helpB);
    captureBlocks(kFeedNotification, noteA, noteB);
    bf::showHelpText("help", 8000);
    bf::showNotification("note", 5000);
    game().runFrames(1);
    bf::showCashNotification(1234, 1000);
    game().runFrames(1);

    ASSERT_EQ(helpA.size(), 1u);
    EXPECT_EQ(helpA[0][0], 8000u);
    EXPECT_EQ(helpA[0][1], 0u);
    EXPECT_NE(helpB[0][1], 0u);
    ASSERT_EQ(noteA.size(), 2u);
    EXPECT_EQ(noteA[0][0], 5000u) << "the caller's duration";
    EXPECT_EQ(noteB[0][4], 1u);
    EXPECT_EQ(noteB[0][5], sim::gameHash("COLOR_WHITE"));
    EXPECT_EQ(noteB[0][2], 0u);
    EXPECT_EQ(noteA[1][0], 1000u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(noteB[1][2])), "ITEMTYPE_TEXTURES");
    EXPECT_EQ(noteB[1][3], 0x6D31416Eu);
    EXPECT_EQ(noteB[1][5], 0x067FA8F3u);
    EXPECT_EQ(noteB[1][8], noteB[1][1]);
    EXPECT_EQ(shown("cash"), std::vector<std::string>{"$12.34"});
    for (const auto& call : game().recordedOf(kFeedNotification))
        EXPECT_EQ(call.args[2], 1u);
}

TEST_F(MessagesTest, CashChangesAddRemoveOrDoNothing) {
    struct Case {
        float dollars;
        int64_t cashChange;
        size_t adds, removes;
        int32_t argument;
    };
    const Case cases[] = {
        {12.349f, 1234, 1, 0, 1234}, {-5.0f, -500, 0, 1, 500},
        {-500.0f, 0, 0, 1, 50000},  // more than he has: the game takes nothing
        {0.0f, 0, 0, 0, 0},          {std::nanf(""), 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        game().clearRecorded();
        game().world().screen.mark();
        const int64_t before = game().world().player.cashCents;
        bf::changePlayerCash(c.dollars, true);
        EXPECT_EQ(game().world().player.cashCents - before, c.cashChange) << c.dollars;
        const auto adds = game().recordedOf(kAddCash);
        const auto removes = game().recordedOf(kRemoveCash);
        ASSERT_EQ(adds.size(), c.adds) << c.dollars;
        ASSERT_EQ(removes.size(), c.removes) << c.dollars;
        if (c.adds) {
            EXPECT_EQ(static_cast<int32_t>(adds[0].args[0]), c.argument);
            EXPECT_EQ(adds[0].args[1], sim::gameHash("ADD_REASON_DEFAULT"));
        }
        if (c.removes) {
            EXPECT_EQ(static_cast<int32_t>(removes[0].args[0]), c.argument);
        }
        game().runFrames(1);
        EXPECT_EQ(shown("cash").size(), c.cashChange ? 1u : 0u) << c.dollars;
    }
    game().clearRecorded();
    bf::changePlayerCash(1.0f, false);
    EXPECT_TRUE(game().recordedOf(kFeedNotification).empty());
}

// Every shipped price, as the price list gives it to the cash change, pays what it says to the
// cent, up or down.
TEST_F(MessagesTest, EveryShippedPricePaysItsCents) {
    std::istringstream prices(readDataFile("AnimalPrices.dat"));
    size_t checked = 0;
    for (std::string line; std::getline(prices, line);) {
        const size_t eq = line.find('=');
        const size_t dot = line.find('.', eq);
        ASSERT_NE(dot, std::string::npos) << line;
        const std::string price = line.substr(eq + 1);
        const int32_t cents =
            std::stoi(line.substr(eq + 1, dot - eq - 1)) * 100 + std::stoi(line.substr(dot + 1));
        const float dollars = std::strtof(price.c_str(), nullptr);
        for (const float sign : {1.0f, -1.0f}) {
            const int64_t before = game().world().player.cashCents;
            bf::changePlayerCash(sign * dollars, false);
            EXPECT_EQ(game().world().player.cashCents - before, sign * cents) << line;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 84u);
}

TEST_F(MessagesTest, DrawnTextsCarryTheirFontAndSpritesAreCentred) {
    bf::drawText("Weight: 52 kg", 0.5f, 0.9f, 255, 255, 255, 200, true, 0.4f, 0.4f, "$body");
    const auto calls = game().recorded();
    game().runFrames(1);
    EXPECT_EQ(shown("text"), std::vector<std::string>{"Weight: 52 kg"});
    ASSERT_GE(calls.size(), 6u);
    std::vector<std::string> names;
    for (size_t i = calls.size() - 6; i < calls.size(); ++i)
        names.push_back(calls[i].name);
    EXPECT_EQ(names, (std::vector<std::string>{"_BG_SET_TEXT_COLOR", "_BG_SET_TEXT_SCALE",
                                               "SET_TEXT_CENTRE", "VAR_STRING", "VAR_STRING",
                                               "_BG_DISPLAY_TEXT"}));
    const char* literal = reinterpret_cast<const char*>(calls[calls.size() - 3].args[2]);
    EXPECT_STREQ(literal, "<FONT FACE='$body'>Weight: 52 kg</FONT>") << "kept alive for the game";

    bf::drawSprite("generic_textures", "meter", 0.1f, 0.2f, 0.04f, 0.06f, 0.0f, 255, 255, 255, 255);
    game().runFrames(1);
    EXPECT_TRUE(game().world().screen.lastFrameSprites.empty()) << "requested, not loaded yet";
    game().runFrames(5);
    bf::drawSprite("generic_textures", "meter", 0.1f, 0.2f, 0.04f, 0.06f, 0.0f, 255, 255, 255, 255);
    game().runFrames(1);
    ASSERT_EQ(game().world().screen.lastFrameSprites.size(), 1u);
    EXPECT_FLOAT_EQ(game().world().screen.lastFrameSprites[0].centreX, 0.12f);
    EXPECT_FLOAT_EQ(game().world().screen.lastFrameSprites[0].centreY, 0.23f);
    EXPECT_EQ(game().recordedOf(kDrawSprite).back().args.size(), 12u);
}

// The game reads a text when it shows it, at the end of the frame: by then the caller's string
// is gone, and whatever the heap put there since would show.
TEST_F(MessagesTest, TextsHandedToTheGameOutliveTheCall) {
    const std::string text = "Failed to load Brackenfold, please check the logs for more info.";
    bf::showMessage(std::string(text));
    bf::showHelpText(text, 3000);
    bf::flushHelpText();
    std::vector<std::string> churn(64, std::string(text.size(), 'x'));
    game().runFrames(1);
    EXPECT_EQ(shown("message"), std::vector<std::string>{text});
    EXPECT_EQ(shown("help"), std::vector<std::string>{text});
}

TEST(TextFormsTest, VectorsAndLineBreaks) {
    EXPECT_EQ(bf::formatVector({1.0f, 0.5f, -2.0f}), "1,0.5,-2");
    EXPECT_EQ(bf::formatVector({1521.5f, 439.356f, 90.6807f}), "1521.5,439.356,90.6807");
    EXPECT_EQ(bf::replaceWithLineBreaks("a@b@@c", '@'), "a\nb\n\nc");
}

}  // namespace
