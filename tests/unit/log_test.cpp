// The log: stamp format, banner, truncation at start-up and one entry per call.
#include <gtest/gtest.h>

#include "core/log.h"
#include "plugin_fixture.h"

namespace {

TEST(LogStamp, NoLeadingZeros) {
    std::tm t{};
    t.tm_mday = 5;
    t.tm_mon = 2;
    t.tm_year = 126;
    t.tm_hour = 9;
    t.tm_min = 4;
    t.tm_sec = 7;
    EXPECT_EQ(bf::formatLogStamp(t), "[5/3/2026 9:4:7] ");
    t.tm_mday = 31;
    t.tm_mon = 11;
    t.tm_hour = 23;
    t.tm_min = 59;
    t.tm_sec = 0;
    EXPECT_EQ(bf::formatLogStamp(t), "[31/12/2026 23:59:0] ");
}

TEST(LogBanner, ThreeLinesEndingWithAnEmptyLine) {
    EXPECT_EQ(bf::logBanner(),
              "Brackenfold 1.2.0\n"
              "NOTE: if you want to report an issue, please attach this file's contents.\n" +
                  std::string(75, '=') + "\n");
}

class LogFileTest : public PluginTest {};

TEST_F(LogFileTest, InitTruncatesAndEachEntryIsOneStampedLine) {
    writeDataFile("Log.previous.log", "older session\n");
    writeDataFile("Log.log", "old session\n");
    bf::initLog();
    EXPECT_EQ(log(), "");
    EXPECT_EQ(readDataFile("Log.previous.log"), "old session\n")
        << "the crashed session's log stays";
    bf::logMessage("first");
    bf::logMessage(std::string("second\0\x01\x7F\tend", 13));
    const std::string text = log();
    ASSERT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_NE(text.find("] second\\x00\\x01\\x7F\tend\n"), std::string::npos)
        << "control bytes are written escaped";
    EXPECT_EQ(text.front(), '[');
    EXPECT_NE(text.find("] first\n"), std::string::npos);
}

TEST_F(LogFileTest, AnUnwritableLogLosesTheEntrySilently) {
    std::filesystem::remove_all(dataPath(""));
    bf::logMessage("nowhere to go");  // must neither throw nor create the folder
    EXPECT_FALSE(std::filesystem::exists(dataPath("")));
}

}  // namespace
