// The table of tuning keys: every value a feature cannot take reads as the key's default with one
// WARN naming the file, the key and the value; a word still stops the script; the checker holds
// a player's GeneralMeta.dat against the same table.
#include "data/tuning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/log.h"
#include "data/dict_data_file.h"

namespace {

std::vector<std::string> logged;
void keep(const std::string& entry) {
    logged.push_back(entry);
}

class TuningTest : public ::testing::Test {
  protected:
    void SetUp() override {
        logged.clear();
        bf::setLogSink(keep);
    }
    void TearDown() override { bf::setLogSink(nullptr); }
    size_t count(const std::string& text) const {
        size_t n = 0;
        for (const std::string& entry : logged)
            n += entry.find(text) != std::string::npos ? 1 : 0;
        return n;
    }
    static float read(const bf::DictDataFile& meta, const bf::TuningKey& key) {
        const auto tuning = static_cast<bf::Tuning>(&key - bf::tuningKeys().data());
        return key.isFloat ? bf::tuningFloat(meta, tuning)
                           : static_cast<float>(bf::tuningInt(meta, tuning));
    }
};

TEST_F(TuningTest, AValueAFeatureCannotTakeReadsAsTheDefaultWithOneWarning) {
    for (const bf::TuningKey& key : bf::tuningKeys()) {
        SCOPED_TRACE(key.key);
        const std::string below = std::to_string(key.minimum - 1.0f);
        const std::string above = key.isFloat ? std::to_string(key.maximum * 2.0f + 1.0f)
                                              : std::to_string(static_cast<int>(key.maximum) + 1);
        std::vector<std::string> bad = {below, above, "99999999999"};
        if (key.isFloat) bad.insert(bad.end(), {"nan", "inf", "-inf", "1e39"});
        for (const std::string& value : bad) {
            SCOPED_TRACE(value);
            logged.clear();
            bf::DictDataFile meta("Brackenfold/GeneralMeta.dat");
            ASSERT_TRUE(meta.loadText(std::string(key.key) + "=" + value + "\n"));
            const float first = read(meta, key);
            const float again = read(meta, key);
            if (std::isnan(key.defaultValue)) {
                EXPECT_FALSE(
                    bf::tuningValue(meta, static_cast<bf::Tuning>(&key - bf::tuningKeys().data())));
            } else {
                EXPECT_EQ(first, key.defaultValue);
                EXPECT_EQ(again, key.defaultValue);
            }
            EXPECT_EQ(count("WARN: GeneralMeta.dat: key " + std::string(key.key) + ", value \"" +
                            value + "\""),
                      1u);
        }
        // The ends of the range are taken as written.
        for (const float edge : {key.minimum, key.maximum}) {
            bf::DictDataFile meta("Brackenfold/GeneralMeta.dat");
            char text[64];
            std::snprintf(text, sizeof text, key.isFloat ? "%.9g" : "%.0f",
                          static_cast<double>(edge));
            ASSERT_TRUE(meta.loadText(std::string(key.key) + "=" + text));
            EXPECT_FLOAT_EQ(read(meta, key), key.isFloat ? edge : std::trunc(edge)) << text;
        }
        // A word where a number belongs still stops the script.
        bf::DictDataFile word("Brackenfold/GeneralMeta.dat");
        ASSERT_TRUE(word.loadText(std::string(key.key) + "=many"));
        EXPECT_THROW(read(word, key), std::invalid_argument);
    }
}

TEST_F(TuningTest, AMissingKeyOfTheShippedFileIsToldOnceAndAnOptionalOneIsNot) {
    bf::DictDataFile meta("Brackenfold/GeneralMeta.dat");
    ASSERT_TRUE(meta.loadText(""));
    for (const bf::TuningKey& key : bf::tuningKeys()) {
        read(meta, key);
        read(meta, key);
        EXPECT_EQ(count(std::string("WARN: GeneralMeta.dat lacks ") + key.key + ";"),
                  key.required ? 1u : 0u)
            << key.key;
    }
    EXPECT_EQ(bf::tuningFloat(meta, bf::Tuning::DepletionRate), 0.85f) << "kills still deplete";
    EXPECT_EQ(bf::tuningFloat(meta, bf::Tuning::TradeMaxDist), 3.0f) << "trading still works";
    EXPECT_EQ(bf::tuningFloat(meta, bf::Tuning::BuyerScoreThreshold), 0.6f);
}

}  // namespace
