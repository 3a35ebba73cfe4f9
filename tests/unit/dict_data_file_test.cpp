// The key=value data file: loading, lookups, position lists and crash-safe saving.
#include "data/dict_data_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>

#include "animals/spawn_places.h"
#include "plugin_fixture.h"

namespace {

class DictDataFileTest : public PluginTest {
  protected:
    std::unique_ptr<bf::DictDataFile> loaded(const std::string& content, bool expectOk = true) {
        writeDataFile("Test.dat", content);
        auto file = std::make_unique<bf::DictDataFile>("Brackenfold/Test.dat");
        EXPECT_EQ(file->load(), expectOk) << content;
        return file;
    }
    int logCount(const std::string& text) const {
        const std::string all = log();
        int count = 0;
        for (auto at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++count;
        return count;
    }
};

// Fails the first write half-way, as a full disk would.
class FailingDictFile : public bf::DictDataFile {
  public:
    using DictDataFile::DictDataFile;
    bool failNext = true;

  protected:
    bool writeEntries(std::ostream& out) const override {
        if (!failNext) return DictDataFile::writeEntries(out);
        out << "a=half";
        return false;
    }
};

TEST_F(DictDataFileTest, LoadCountsLinesAndNamesTheCorruptOne) {
    struct Case {
        std::string content;
        bool ok;
        std::string logged;
    };
    const Case cases[] = {
        {"a=1\nb=2\n", true, "loaded, lines red: 3"},
        {"a=1\nb=2", true, "loaded, lines red: 2"},
        {"", true, "loaded, lines red: 1"},
        {"\n\na=1\n\n", true, "loaded, lines red: 5"},
        {"a=1\nbroken\nc=3\n", false, "is corruped at line: 1"},
        {"a=b=c\n", false, "is corruped at line: 0"},
        {"a=\n", false,
         "cannot parse line: a=, please make sure it is assembled of the correct "
         "format (<setting_name>=<settings_value>)."},
    };
    for (const auto& c : cases) {
        loaded(c.content, c.ok);
        EXPECT_NE(log().find(c.logged), std::string::npos) << c.content;
    }
    auto partialOwner = loaded("a=1\r\nbroken\nc=3\n", false);
    auto& partial = *partialOwner;
    EXPECT_EQ(partial.getString("a"), "1") << "lines before the corrupt one stay, without \\r";
    EXPECT_EQ(partial.getString("c"), "");
    auto notepad = loaded("\xEF\xBB\xBFsave_freq_sec=120\r\nkey=\xEF\xBB\xBF\r\n", true);
    EXPECT_EQ(notepad->getInt("save_freq_sec", -999), 120) << "a byte-order mark is not a key";
    EXPECT_EQ(notepad->getString("key"), "\xEF\xBB\xBF") << "only the file's first bytes are one";

    bf::DictDataFile missing("Brackenfold/Missing.dat");
    EXPECT_FALSE(missing.load());
    EXPECT_NE(log().find("WARN:  unable to load from data file, it probably does not exists."),
              std::string::npos);
}

TEST_F(DictDataFileTest, SaveWritesKeysInOrderOnlyWhenDirtyOrForced) {
    auto fileOwner = loaded("b=2\n\n a=x\na=1\n");
    auto& file = *fileOwner;
    EXPECT_TRUE(file.save(false));
    EXPECT_EQ(logCount("saving "), 0) << "an unchanged file is not written";
    EXPECT_TRUE(file.save(true));
    EXPECT_EQ(readDataFile("Test.dat"), " a=x\na=1\nb=2\n");

    file.setInt("c", -3);
    file.setFloat("d", 0.75f);
    EXPECT_TRUE(file.isDirty());
    EXPECT_TRUE(file.save(false));
    EXPECT_FALSE(file.isDirty());
    EXPECT_EQ(readDataFile("Test.dat"), " a=x\na=1\nb=2\nc=-3\nd=0.750000\n");
    EXPECT_EQ(logCount("file saved: Brackenfold/Test.dat"), 2);
}

TEST_F(DictDataFileTest, TypedLookupsUseTheDefaultOnlyForAbsentOrEmptyValues) {
    auto fileOwner =
        loaded("neg=-999\nzero=0\none=1\nminus=-1\nf=2.5x\nv=1, 2,3,9\nshort=1,2\nword=abc\n");
    auto& file = *fileOwner;
    file.setValue("empty", "");
    EXPECT_EQ(file.getInt("empty", 7), 7);
    EXPECT_EQ(file.getInt("absent", 7), 7);
    EXPECT_EQ(file.getInt("zero", 7), 0);
    EXPECT_FLOAT_EQ(file.getFloat("f", 0.0f), 2.5f);
    EXPECT_FLOAT_EQ(file.getFloat("absent", -999.0f), -999.0f);
    const std::pair<const char*, bool> bools[] = {
        {"neg", false}, {"zero", false}, {"one", true}, {"minus", true}, {"absent", false}};
    for (const auto& [key, expected] : bools)
        EXPECT_EQ(file.getBool(key), expected) << key;

    const bf::Vector3 v = file.getVector3("v");
    EXPECT_EQ(v.x, 1.0f);
    EXPECT_EQ(v.y, 2.0f);
    EXPECT_EQ(v.z, 3.0f);
    EXPECT_EQ(file.getVector3("absent").x, 0.0f);
    EXPECT_THROW(file.getVector3("short"), std::out_of_range);
    EXPECT_THROW(file.getInt("word", 0), std::invalid_argument);
    EXPECT_EQ(file.getString("absent"), "");
    file.save(true);
    EXPECT_EQ(readDataFile("Test.dat").find("absent"), std::string::npos) << "lookups add nothing";
}

TEST_F(DictDataFileTest, PositionListsSkipMissingItemsAndAreReadOnce) {
    auto fileOwner =
        loaded("deer.count=3\ndeer.0=1,2,3\ndeer.2=4,5,6\nzero.count=1\nzero.0=0,0,0\n");
    auto& file = *fileOwner;
    const auto& deer = file.getVector3List("deer");
    ASSERT_EQ(deer.size(), 2u);
    EXPECT_EQ(deer[1].x, 4.0f);
    EXPECT_EQ(logCount("DictDataFile: Brackenfold/Test.dat: cannot read Vector3 item of list "
                       "'deer' at index: 1"),
              1);
    file.setValue("deer.count", "0");
    EXPECT_EQ(&file.getVector3List("deer"), &deer) << "cached: the same list";
    EXPECT_EQ(deer.size(), 2u);

    EXPECT_TRUE(file.getVector3List("zero").empty()) << "all-zero items are skipped";
    EXPECT_TRUE(file.getVector3List("bear").empty());
    file.getVector3List("bear");
    EXPECT_EQ(logCount("DictDataFile: Brackenfold/Test.dat: Vector3 list is empty: 'bear\n"), 1);

    // A mistyped huge count reads what the file holds, with one line, and does not stall.
    file.setValue("buck.count", "2000000000");
    file.setValue("buck.0", "7,8,9");
    EXPECT_EQ(file.getVector3List("buck").size(), 1u);
    EXPECT_EQ(logCount("list 'buck' claims 2000000000 items but the file holds"), 1);
    EXPECT_LT(logCount("cannot read Vector3 item of list 'buck'"), 20);

    // Item keys of two digits under a name too long to sit inside its text.
    auto gooseFile = loaded(
        "a_c_goosecanada_01.count=12\na_c_goosecanada_01.1=1,1,1\na_c_goosecanada_01.10=10,10,10\n"
        "a_c_goosecanada_01.11=11,11,11\na=1\nb=2\nc=3\nd=4\ne=5\nf=6\ng=7\nh=8\n");
    const auto& geese = gooseFile->getVector3List("a_c_goosecanada_01");
    ASSERT_EQ(geese.size(), 3u);
    EXPECT_EQ(geese[0].x, 1.0f);
    EXPECT_EQ(geese[1].x, 10.0f);
    EXPECT_EQ(geese[2].x, 11.0f);
}

TEST_F(DictDataFileTest, AFailedSaveKeepsTheOldFileAndStaysDirty) {
    writeDataFile("Test.dat", "a=1\nb=2\n");
    FailingDictFile file("Brackenfold/Test.dat");
    ASSERT_TRUE(file.load());
    file.setInt("a", 5);
    EXPECT_FALSE(file.save(false));
    EXPECT_EQ(readDataFile("Test.dat"), "a=1\nb=2\n");
    EXPECT_TRUE(file.isDirty());
    EXPECT_NE(log().find("ERROR: failed to save file: Brackenfold/Test.dat"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dataPath("Test.dat.tmp")));

    for (int i = 0; i < 50; ++i)
        EXPECT_FALSE(file.save(false));
    EXPECT_EQ(logCount("ERROR: failed to save file: Brackenfold/Test.dat"), 1)
        << "a file that keeps failing is logged once";

    file.failNext = false;
    EXPECT_TRUE(file.save(false)) << "the next save tries again";
    EXPECT_EQ(readDataFile("Test.dat"), "a=5\nb=2\n");
}

TEST_F(DictDataFileTest, SavingCreatesMissingFolders) {
    bf::DictDataFile file("Brackenfold/AnimalsPopulation/Deep/-512529193.dat");
    file.setFloat("123", 1.0f);
    EXPECT_TRUE(file.save(false));
    EXPECT_EQ(readDataFile("AnimalsPopulation/Deep/-512529193.dat"), "123=1.000000\n");
}

}  // namespace

namespace {

TEST_F(DictDataFileTest, ValuesThatDoNotReadAreAbsentInTheFilesThePluginWrites) {
    // value, whether it reads (as itself) or is absent in a file the plug-in writes, and whether
    // the shipped files (which stay strict) throw on it.
    struct Case {
        const char* value;
        bool reads;
        bool strictThrows;
    };
    const Case cases[] = {
        {"0.5", true, false},   {"abc", false, true},   {"1e309", false, true},
        {"1e-40", false, true}, {"inf", false, false},  {"nan", false, false},
        {"-inf", false, false}, {"1e-30", true, false},
    };
    for (const auto& [value, reads, strictThrows] : cases) {
        auto file = loaded(std::string("f=") + value + "\n");
        if (strictThrows) {
            EXPECT_THROW(static_cast<void>(file->getFloat("f", 7.0f)), std::exception) << value;
        }
        file->readBadValuesAsAbsent();
        if (reads) {
            EXPECT_EQ(file->getFloat("f", 7.0f), std::strtof(value, nullptr)) << value;
            EXPECT_TRUE(file->damage().empty()) << value;
        } else {
            EXPECT_EQ(file->getFloat("f", 7.0f), 7.0f) << value;
            EXPECT_NE(file->damage().find(std::string("key f, value \"") + value),
                      std::string::npos)
                << value;
            EXPECT_NE(log().find(std::string("ERROR: DictDataFile: Test.dat: key f, value \"") +
                                 value + "\""),
                      std::string::npos)
                << value;
        }
    }
    auto ints = loaded("i=12x\nj=99999999999\n");
    ints->readBadValuesAsAbsent();
    EXPECT_EQ(ints->getInt("i", -1), 12) << "numbers are read up to what follows them";
    EXPECT_EQ(ints->getInt("j", -1), -1);
    EXPECT_EQ(ints->getInt("j", -1), -1);
    EXPECT_EQ(logCount("key j, value"), 1) << "logged once";
}

TEST_F(DictDataFileTest, AFileNotReadInFullIsKeptBesideTheNewOne) {
    namespace fs = std::filesystem;
    struct Case {
        const char* what;
        std::function<void()> damage;
        const char* why;
    };
    const Case cases[] = {
        {"corrupt line", [&] { writeDataFile("Test.dat", "a=1\nbroken\nc=3\n"); },
         "line 1 is corrupt"},
        {"bad value", [&] { writeDataFile("Test.dat", "a=abc\nc=3\n"); },
         "Test.dat: key a, value \"abc\""},
        {"folder",
         [&] {
             fs::create_directories(dataPath("Test.dat"));
             writeDataFile("Test.dat/inside", "x");
         },
         "a folder stands where the file should be"},
    };
    for (const Case& c : cases) {
        std::vector<fs::path> old;
        for (const auto& entry : fs::directory_iterator(dataPath("")))
            if (entry.path().filename().string().rfind("Test.dat", 0) == 0) old.push_back(entry);
        for (const auto& path : old)
            fs::remove_all(path);
        c.damage();
        auto file = std::make_unique<bf::DictDataFile>("Brackenfold/Test.dat");
        file->readBadValuesAsAbsent();
        static_cast<void>(file->load());
        static_cast<void>(file->getInt("a", 0));
        const bool folder = fs::is_directory(dataPath("Test.dat"));
        const std::string before = folder ? "" : readDataFile("Test.dat");
        file->setInt("z", 5);
        ASSERT_TRUE(file->save(false)) << c.what;
        EXPECT_TRUE(fs::exists(dataPath("Test.dat.bad"))) << c.what;
        if (!folder) {
            EXPECT_EQ(readDataFile("Test.dat.bad"), before) << c.what;
        }
        EXPECT_NE(readDataFile("Test.dat").find("z=5"), std::string::npos) << c.what;
        EXPECT_NE(log().find(std::string("was not read in full (") + c.why), std::string::npos)
            << c.what;
        EXPECT_NE(log().find("kept as Brackenfold/Test.dat.bad"), std::string::npos) << c.what;
        // The next save replaces the new file in place; a second damage gets its own name.
        file->setInt("z", 6);
        ASSERT_TRUE(file->save(false));
        EXPECT_FALSE(fs::exists(dataPath("Test.dat.bad.2"))) << c.what;
    }
    writeDataFile("Test.dat", "broken\n");
    auto again = std::make_unique<bf::DictDataFile>("Brackenfold/Test.dat");
    static_cast<void>(again->load());
    again->setInt("y", 1);
    ASSERT_TRUE(again->save(false));
    EXPECT_EQ(readDataFile("Test.dat.bad.2"), "broken\n");
}

TEST_F(DictDataFileTest, AnEmptyValueIsNotWrittenAsALineThatWouldNotReadBack) {
    // Found by the fuzz target: "a==" loads as a with an empty value, and "a=" does not load.
    auto file = loaded("a==\nb=1\n");
    file->setValue("c", "");
    ASSERT_TRUE(file->save(true));
    EXPECT_EQ(readDataFile("Test.dat"), "b=1\n");
    loaded(readDataFile("Test.dat"));  // fails the test when it does not load
}

TEST_F(DictDataFileTest, FloatsAreWrittenSoThatTheyReadBackTheSame) {
    for (const float value : {0.75f, 0.85f * 0.85f * 0.85f, 1.0f / 3.0f, 1.2e6f, 7e-7f, 1e-30f,
                              1e30f, 3.4e38f, 1.17549435e-38f}) {
        auto file = loaded("");
        file->setFloat("f", value);
        ASSERT_TRUE(file->save(false));
        auto back = loaded(readDataFile("Test.dat"));
        EXPECT_EQ(back->getFloat("f", -1.0f), value) << back->getString("f");
    }
    auto file = loaded("");
    file->setFloat("f", 0.75f);
    EXPECT_EQ(file->getString("f"), "0.750000") << "the usual values keep their six decimals";
}

}  // namespace

namespace {

// Every file the plug-in writes reads back, once saved, to the values it held: over the fuzz
// corpora of the data file and the population files, as each written file (the hints and a
// district's and a character's population). Saved again, it is the same text.
TEST_F(DictDataFileTest, WhatTheWriterWritesTheReaderReadsBackTheSame) {
    std::vector<std::string> inputs = {"t=\r\r\n", "t=\r\r\nu=1\r\n",
                                       "\xEF\xBB\xBF\xEF\xBB\xBFk=1\n", "a=1\r\r\r\nb=\r\n"};
    for (const char* corpus : {"dict_data_file", "population"}) {
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::string(BRACKENFOLD_FUZZ_CORPUS_DIR) + "/" + corpus)) {
            std::ifstream in(entry.path(), std::ios::binary);
            inputs.emplace_back(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
        }
    }
    for (const char* name : {"TutorialFlags.dat", "AnimalsPopulation/-512529193.dat",
                             "AnimalsPopulation/PopulationStatus.Arthur.dat"}) {
        for (const std::string& input : inputs) {
            SCOPED_TRACE(std::string(name) + ": " + input);
            std::filesystem::remove_all(dataPath(std::string(name) + ".bad"));
            writeDataFile(name, input);
            bf::DictDataFile first(std::string("Brackenfold/") + name);
            first.readBadValuesAsAbsent();
            if (!first.load()) continue;
            first.setValue("zz_written", "1");
            ASSERT_TRUE(first.save(false));
            bf::DictDataFile again(std::string("Brackenfold/") + name);
            again.readBadValuesAsAbsent();
            ASSERT_TRUE(again.load()) << log();
            EXPECT_EQ(again.text(), first.text());
        }
    }
}

TEST_F(DictDataFileTest, AFileSavedAsUtf16IsRefusedByNameAndKeptAside) {
    const std::string utf16(
        "\xFF\xFE"
        "a\0=\0"
        "1\0\n\0",
        10);
    writeDataFile("TutorialFlags.dat", utf16);
    bf::DictDataFile file("Brackenfold/TutorialFlags.dat");
    file.readBadValuesAsAbsent();
    EXPECT_FALSE(file.load());
    EXPECT_EQ(logCount("ERROR: data file 'Brackenfold/TutorialFlags.dat' is saved as UTF-16"), 1);
    EXPECT_EQ(logCount("cannot parse line"), 0);
    file.setInt("bait_blip", 1);
    ASSERT_TRUE(file.save(false));
    EXPECT_EQ(readDataFile("TutorialFlags.dat.bad"), utf16) << "the player's file is kept";
}

TEST_F(DictDataFileTest, AWriteCutShortLeavesNoTemporaryFileForTheNextStart) {
    writeDataFile("TutorialFlags.dat", "bait_blip=1\n");
    writeDataFile("TutorialFlags.dat.tmp", "bait_bl");
    writeDataFile("AnimalsPopulation/-512529193.dat.tmp", "-19559");
    start();
    EXPECT_FALSE(std::filesystem::exists(dataPath("TutorialFlags.dat.tmp")));
    EXPECT_FALSE(std::filesystem::exists(dataPath("AnimalsPopulation/-512529193.dat.tmp")));
    EXPECT_EQ(plugin().data().tutorialFlags().getInt("bait_blip", 0), 1);
}

TEST_F(DictDataFileTest, SpawnPlacesAndCountsThatAreNoNumbersOfTheMapAreSkippedWithAWarning) {
    auto file = loaded(
        "a_c_buck_01.count=5\na_c_buck_01.0=nan,1,120\na_c_buck_01.1=1e30,2,120\n"
        "a_c_buck_01.2=1,2,1e39\na_c_buck_01.3=5,6,inf\na_c_buck_01.4=100,200,120\n"
        "a_c_duck_01.count=99999999999\na_c_duck_01.0=1,2,50\n"
        "a_c_rabbit_01.count=1\na_c_rabbit_01.0=1,2,50\na_c_rabbit_01.rarity_level=1e99999\n");
    const auto places = bf::readSpawnPlaces(*file);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].location.position.x, 100.0f);
    EXPECT_EQ(places[1].location.model, "a_c_rabbit_01");
    for (const char* key : {"a_c_buck_01.0, value \"nan", "a_c_buck_01.1, value \"1e30",
                            "a_c_buck_01.2, value \"1,2,1e39", "a_c_buck_01.3, value \"5,6,inf",
                            "a_c_duck_01.count, value \"99999999999"})
        EXPECT_EQ(logCount(std::string("WARN: Test.dat: key ") + key), 1) << key;
}

}  // namespace
