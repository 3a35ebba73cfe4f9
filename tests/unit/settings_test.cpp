// Settings: the split rules, the line rules and the readers' conversions and errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <stdexcept>

#include "core/settings.h"
#include "core/text.h"
#include "plugin_fixture.h"

namespace {

using Pieces = std::vector<std::string>;

TEST(SplitString, PiecesBetweenDelimiters) {
    EXPECT_EQ(bf::splitString("a=b", '='), (Pieces{"a", "b"}));
    EXPECT_EQ(bf::splitString("a=", '='), (Pieces{"a"}));
    EXPECT_EQ(bf::splitString("=b", '='), (Pieces{"", "b"}));
    EXPECT_EQ(bf::splitString("a=b=c", '='), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(bf::splitString("a==b", '='), (Pieces{"a", "", "b"}));
    EXPECT_EQ(bf::splitString("", '='), Pieces{});
    EXPECT_EQ(bf::splitString("=", '='), (Pieces{""}));
    EXPECT_EQ(bf::splitString("1.5,2, 3", ','), (Pieces{"1.5", "2", " 3"}));
}

// The readers split lines and count a value's pieces in place; every text of up to six of "a",
// "=" and "," must come out as splitString would cut it.
TEST(SplitString, InPlaceSplitsAgreeWithThePieces) {
    const std::string alphabet = "a=,";
    std::vector<std::string> texts{""};
    for (size_t from = 0, length = 0; length < 6; ++length) {
        const size_t to = texts.size();
        for (size_t i = from; i < to; ++i)
            for (const char c : alphabet)
                texts.push_back(texts[i] + c);
        from = to;
    }
    for (const std::string& text : texts) {
        const Pieces pieces = bf::splitString(text, '=');
        std::string_view key, value;
        const bool split = bf::splitKeyValue(text, key, value);
        EXPECT_EQ(split, pieces.size() == 2) << '"' << text << '"';
        if (split && pieces.size() == 2) {
            EXPECT_EQ(key, pieces[0]) << '"' << text << '"';
            EXPECT_EQ(value, pieces[1]) << '"' << text << '"';
        }
        EXPECT_EQ(bf::pieceCount(text, ','), bf::splitString(text, ',').size())
            << '"' << text << '"';
    }
}

TEST(TextConversion, NumbersAreReadFromTheFrontAndErrorsNamed) {
    EXPECT_EQ(bf::toInt("1abc"), 1);
    EXPECT_EQ(bf::toInt(" 2"), 2);
    EXPECT_EQ(bf::toInt("-17"), -17);
    EXPECT_EQ(bf::toInt("+4"), 4);
    EXPECT_FLOAT_EQ(bf::toFloat("0.5x"), 0.5f);
    EXPECT_FLOAT_EQ(bf::toFloat("1,5"), 1.0f);
    EXPECT_FLOAT_EQ(bf::toFloat("  -2.25"), -2.25f);

    const auto message = [](auto&& f) -> std::string {
        try {
            f();
        } catch (const std::exception& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(message([] { bf::toInt("yes"); }), "invalid stoi argument");
    EXPECT_EQ(message([] { bf::toInt(""); }), "invalid stoi argument");
    EXPECT_EQ(message([] { bf::toInt("2147483648"); }), "stoi argument out of range");
    EXPECT_EQ(message([] { bf::toInt("-99999999999999999999"); }), "stoi argument out of range");
    EXPECT_EQ(message([] { bf::toFloat("abc"); }), "invalid stof argument");
    EXPECT_EQ(message([] { bf::toFloat("1e60"); }), "stof argument out of range");
    EXPECT_THROW(bf::toInt("x"), std::invalid_argument);
    EXPECT_THROW(bf::toFloat("1e60"), std::out_of_range);

    // The forms without an exception see the same faults and leave the number alone on one.
    int whole = 7;
    float real = 7.0f;
    EXPECT_EQ(bf::readInt("yes", whole), bf::NumberFault::NotANumber);
    EXPECT_EQ(bf::readInt("2147483648", whole), bf::NumberFault::OutOfRange);
    EXPECT_EQ(bf::readFloat("1e60", real), bf::NumberFault::OutOfRange);
    EXPECT_EQ(whole, 7);
    EXPECT_EQ(real, 7.0f);
    EXPECT_EQ(bf::readFloat("2.5,1", real), bf::NumberFault::None);
    EXPECT_EQ(real, 2.5f);
    // Named once: the text says which file, key and value, the type which fault.
    EXPECT_EQ(message([] { bf::toFloatNamed("A.dat", "pos", "1,x,3", "x,3"); }),
              "A.dat: key pos, value \"1,x,3\": invalid stof argument");
    EXPECT_THROW(bf::toIntNamed("A.dat", "n", "99999999999"), std::out_of_range);
}

// The log's lines and the population files are read by players' tools: their numbers keep
// their form, and a float written to a file reads back as itself.
TEST(TextFormat, FloatsKeepTheirFormAndReadBack) {
    EXPECT_EQ(bf::formatFixed(0.5f), "0.500000");
    EXPECT_EQ(bf::formatFixed(-1521.5f), "-1521.500000");
    EXPECT_EQ(bf::formatGeneral(0.85f), "0.85");
    EXPECT_EQ(bf::formatGeneral(1e30), "1e+30");
    EXPECT_EQ(bf::formatFactor(0.0f), "0.000000");
    EXPECT_EQ(bf::formatFactor(0.85f), "0.850000");
    EXPECT_EQ(bf::formatFactor(0.0001234f), "0.0001234");
    EXPECT_EQ(bf::formatFactor(1e30f), "1e+30");
    EXPECT_EQ(bf::formatFloatExactly(1.0f), "1.000000");
    EXPECT_EQ(bf::formatFloatExactly(1e30f), "1.00000002e+30");
    for (const float value : {0.85f, 0.1f, 1.17549435e-38f, 3.0e-7f, 123456.789f, 1e30f, -2.5f}) {
        EXPECT_EQ(std::strtof(bf::formatFloatExactly(value).c_str(), nullptr), value) << value;
    }
    // Across the floats (every 16411th bit pattern, infinities and NaNs among them) the text is
    // the one printf's "%f", or "%.9g" where that does not read back, gives: files written
    // before read the same and are written back unchanged.
    int differ = 0;
    for (uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 16411) {
        const auto pattern = static_cast<uint32_t>(bits);
        float value = 0.0f;
        std::memcpy(&value, &pattern, sizeof value);
        char printed[64];
        const double wide = static_cast<double>(value);
        std::snprintf(printed, sizeof printed, "%f", wide);
        if (!(std::isfinite(wide) && std::fabs(wide) < 1e9 &&
              std::strtof(printed, nullptr) == value))
            std::snprintf(printed, sizeof printed, "%.9g", wide);
        if (bf::formatFloatExactly(value) != printed && ++differ <= 5)
            ADD_FAILURE() << printed << " written as " << bf::formatFloatExactly(value);
    }
}

class SettingsTest : public PluginTest {
  protected:
    void load(const std::string& content) {
        writeDataFile("Settings.ini", content);
        bf::loadSettings(dataPath("Settings.ini"), bf::defaultSettings());
    }
};

TEST_F(SettingsTest, DefaultsAreTheTwentyInOrder) {
    const auto defaults = bf::defaultSettings();
    ASSERT_EQ(defaults.size(), 20u);
    EXPECT_EQ(defaults.front().first, "EnableTrading");
    EXPECT_EQ(defaults[7].first, "BaitPlips");
    EXPECT_EQ(defaults.back().first, "HuntingCompetitions_Enabled");
    removeDataFile("Settings.ini");
    bf::loadSettings(dataPath("Settings.ini"), defaults);
    EXPECT_NE(log().find("Unable to load from data file, please make sure it exists."),
              std::string::npos);
    EXPECT_FALSE(bf::getSettingBool("EnableTrading"));
    EXPECT_TRUE(bf::getSettingBool("BaitPlips"));
    EXPECT_EQ(bf::getSettingInt("HuntingCompetitions_TimeCap"), 10);
    EXPECT_FLOAT_EQ(bf::getSettingFloat("PriceScale"), 1.0f);
    EXPECT_EQ(bf::getSettingString("TradePromptInput"), "INPUT_INTERACT_OPTION1");
    // Keys with no default read as absent.
    EXPECT_FALSE(bf::getSettingBool("DisableGrizzlies"));
    EXPECT_EQ(bf::getSettingInt("Nothing"), -1);
    EXPECT_EQ(bf::getSettingString("Nothing"), "");
    EXPECT_FLOAT_EQ(bf::getSettingFloat("Nothing"), 0.0f);
}

// The comments above each key of the shipped file are all a player reads about it: they must give
// the default the plug-in uses, and the time cap its real range (the competitions clamp it).
TEST_F(SettingsTest, TheShippedFileDocumentsEachKeyWithItsDefault) {
    std::istringstream file(readDataFile("Settings.ini"));
    std::map<std::string, std::string> comments;
    std::string comment;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '[') {
            comment.clear();
        } else if (line[0] == ';') {
            comment += line.substr(1);
        } else {
            comments[line.substr(0, line.find('='))] = comment;
            comment.clear();
        }
    }
    for (const auto& [key, value] : bf::defaultSettings()) {
        ASSERT_TRUE(comments.count(key)) << key;
        EXPECT_NE(comments[key].find("Default: " + value), std::string::npos)
            << key << ":" << comments[key];
    }
    const std::string& timeCap = comments["HuntingCompetitions_TimeCap"];
    EXPECT_NE(timeCap.find("5 to 30"), std::string::npos) << timeCap;
    EXPECT_EQ(timeCap.find("no time limit"), std::string::npos) << timeCap;
}

TEST_F(SettingsTest, LinesAreParsedByTheirFirstCharacterAndPieceCount) {
    load(
        "[Section]\n"
        "; skipped=1\n"
        "/ skipped=1\n"
        "\\ skipped=1\n"
        "# not a comment\n"
        "EnableTrading=1\r\n"
        "EnableTrading = 0\n"
        "BaitPlips=\n"
        "A=b=c\n"
        "HuntingCompetitions_TimeCap=5\n"
        "HuntingCompetitions_TimeCap=7\n"
        "PriceScale=1,5");
    const std::string text = log();
    EXPECT_NE(text.find("loading settings file: " + dataPath("Settings.ini")), std::string::npos);
    EXPECT_NE(text.find("settings file loaded"), std::string::npos);
    EXPECT_NE(text.find("cannot parse line: # not a comment, please make sure it is assembled of "
                        "the correct format (<setting_name>=<settings_value>)."),
              std::string::npos);
    EXPECT_NE(text.find("cannot parse line: BaitPlips="), std::string::npos);
    EXPECT_NE(text.find("cannot parse line: A=b=c"), std::string::npos);
    EXPECT_EQ(text.find("Section"), std::string::npos) << "headers are skipped silently";
    EXPECT_EQ(text.find("skipped"), std::string::npos);

    EXPECT_TRUE(bf::getSettingBool("EnableTrading"))
        << "a carriage return is not part of the value";
    EXPECT_EQ(bf::getSettingString("EnableTrading "), " 0") << "nothing is trimmed";
    EXPECT_TRUE(bf::getSettingBool("BaitPlips")) << "a malformed line keeps the default";
    EXPECT_EQ(bf::getSettingInt("HuntingCompetitions_TimeCap"), 7) << "the later line wins";
    EXPECT_FLOAT_EQ(bf::getSettingFloat("PriceScale"), 1.0f);
}

TEST_F(SettingsTest, BoolReadsMinusOneAndZeroAsFalseAndMalformedValuesThrow) {
    load(
        "BaitPlips=-1\nDynamicAnimalSizes=2\nAnimalsBleeding=0\nEnableTrading=yes\n"
        "PriceScale=cheap\n");
    EXPECT_FALSE(bf::getSettingBool("BaitPlips"));
    EXPECT_TRUE(bf::getSettingBool("DynamicAnimalSizes"));
    EXPECT_FALSE(bf::getSettingBool("AnimalsBleeding"));
    EXPECT_THROW(bf::getSettingBool("EnableTrading"), std::invalid_argument);
    EXPECT_THROW(bf::getSettingInt("EnableTrading"), std::invalid_argument);
    EXPECT_THROW(bf::getSettingFloat("PriceScale"), std::invalid_argument);
}

}  // namespace

namespace {

// Notepad's "Unicode": one line that says so, not a "cannot parse line" for each of its lines.
TEST_F(SettingsTest, ASettingsFileSavedAsUtf16IsReportedByName) {
    std::string utf16("\xFF\xFE", 2);
    for (const char c : std::string("EnableTrading=1\r\nBaitPlips=0\r\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    load(utf16);
    EXPECT_EQ(bf::getSettingString("BaitPlips"), "1") << "the defaults hold";
    const std::string text = log();
    EXPECT_EQ(text.find("cannot parse line"), std::string::npos) << text;
    EXPECT_NE(text.find("ERROR: Settings.ini is saved as UTF-16"), std::string::npos) << text;
}

}  // namespace
