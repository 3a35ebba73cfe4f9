// The natives against the game's own table (tests/reference/natives.tsv, the rows of every native
// the plug-in calls or the simulated game plays): the plug-in's table, the simulated game's
// handlers and the reference must agree on hash, name, argument words and the kind of result, so
// that a native nobody looked up cannot slip in.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "core/natives.h"
#include "sim/game.h"

namespace {

// Natives the game's table does not hold, each with the reason the plug-in may call it.
const std::map<uint64_t, std::string> kUndocumented = {
    {0xBE5261939FBECB8Cull, "removed from the game; script hooks answer it themselves"},
};

struct Row {
    std::string name;
    int argWords = 0;  // -1: a varying number
    std::string returns;
};

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::map<uint64_t, Row> readReference() {
    std::map<uint64_t, Row> rows;
    std::ifstream in(BRACKENFOLD_REFERENCE_DIR "/natives.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, '\t');)
            fields.push_back(field);
        if (fields.size() != 5) {
            ADD_FAILURE() << "malformed reference row: " << line;
            continue;
        }
        Row row{fields[2], 0, trim(fields[4])};
        std::stringstream params(fields[3]);
        for (std::string param; std::getline(params, param, ',');) {
            param = trim(param);
            if (param == "...") {
                row.argWords = -1;
                break;
            }
            if (!param.empty()) ++row.argWords;
        }
        rows[std::stoull(fields[0], nullptr, 16)] = row;
    }
    return rows;
}

// The kind of result the reference's return type is read as.
std::string kindOf(const std::string& returns) {
    if (returns == "void") return "void";
    if (returns == "float") return "float";
    if (returns == "Vector3") return "Vector3";
    if (returns == "const char*") return "string";
    if (returns == "Any") return "any";
    return "int32";  // int, BOOL, Hash and every handle type are 32 bits wide
}

std::string kindOf(bf::ResultKind kind) {
    switch (kind) {
        case bf::ResultKind::Void:
            return "void";
        case bf::ResultKind::Int32:
            return "int32";
        case bf::ResultKind::Float:
            return "float";
        case bf::ResultKind::Vector3:
            return "Vector3";
        case bf::ResultKind::String:
            return "string";
        case bf::ResultKind::Any:
            return "any";
    }
    return "?";
}

std::string hex(uint64_t hash) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(hash));
    return text;
}

TEST(NativeReference, ThePluginsTableIsTheGames) {
    const auto reference = readReference();
    ASSERT_GT(reference.size(), 200u);
    std::set<uint64_t> seen;
    for (const bf::NativeRow& native : bf::natives::kAllNatives) {
        SCOPED_TRACE(hex(native.hash) + " " + native.name);
        EXPECT_TRUE(seen.insert(native.hash).second) << "listed twice";
        const auto row = reference.find(native.hash);
        if (row == reference.end()) {
            EXPECT_TRUE(kUndocumented.count(native.hash)) << "not in the game's table";
            continue;
        }
        EXPECT_EQ(native.name, row->second.name);
        EXPECT_EQ(native.argWords, row->second.argWords);
        EXPECT_EQ(kindOf(native.result), kindOf(row->second.returns));
    }
    for (const auto& [hash, why] : kUndocumented)
        EXPECT_FALSE(reference.count(hash))
            << hex(hash) << " is documented now: drop it (" << why << ")";
}

TEST(NativeReference, TheSimulatedGamePlaysEveryNativeUnderTheGamesName) {
    const auto reference = readReference();
    sim::Game game(sim::GameOptions{});
    const auto& table = game.natives().all();
    for (const auto& [hash, info] : table) {
        SCOPED_TRACE(hex(hash) + " " + info.name);
        const auto row = reference.find(hash);
        if (row == reference.end()) {
            EXPECT_TRUE(kUndocumented.count(hash)) << "not in the game's table";
            continue;
        }
        EXPECT_EQ(info.name, row->second.name);
        EXPECT_EQ(info.argCount, row->second.argWords);
        EXPECT_EQ(sim::resultName(info.result), kindOf(row->second.returns));
    }
    // Every native the plug-in calls is played, and the reference holds no row nobody uses.
    for (const bf::NativeRow& native : bf::natives::kAllNatives)
        EXPECT_TRUE(table.count(native.hash)) << hex(native.hash) << " " << native.name;
    for (const auto& [hash, row] : reference)
        EXPECT_TRUE(table.count(hash)) << hex(hash) << " " << row.name << " is used by neither";
}

}  // namespace
