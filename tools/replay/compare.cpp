#include "compare.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "bfrec_reader.h"
#include "sim/game.h"

namespace replay {

namespace {

std::string hex(uint64_t v) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(v));
    return text;
}

struct Tally {
    std::string name;
    uint64_t hash = 0;
    uint64_t calls = 0;
    uint64_t differing = 0;
    std::string example;
};

std::string describeArgs(const Shape& shape, const Call& call) {
    std::string text = "(";
    for (size_t w = 0; w < shape.kinds.size(); ++w) {
        if (w) text += ", ";
        const Word& word = call.words[w];
        if (shape.kinds[w] == ArgKind::Value) {
            text += hex(word.value);
        } else if (shape.kinds[w] == ArgKind::String) {
            text += word.null ? "null" : "\"" + word.text + "\"";
        } else {
            text += "&...";
        }
    }
    return text + ")";
}

std::string describeBlock(const std::vector<uint8_t>& block) {
    std::string text;
    for (size_t i = 0; i + 4 <= block.size(); i += 4) {
        uint32_t v = 0;
        std::memcpy(&v, block.data() + i, 4);
        text += (text.empty() ? "" : " ") + hex(v);
    }
    return "[" + text + "]";
}

}  // namespace

const std::set<uint64_t>& argumentOnlyNatives() {
    static const std::set<uint64_t> kNatives = {
        0xFD340785ADF8CFB7ull,  // GET_HASH_KEY
        0xA65AA1ACE81E5A77ull,  // _GET_PED_MODEL_SIZE_FROM_HASH
        0x772A1969F649E902ull,  // _IS_THIS_MODEL_A_HORSE
        0x6E4E1A82081EABEDull,  // _IS_WEAPON_LASSO
        0x705BE297EEBDB95Dull,  // IS_WEAPON_A_GUN
        0xC4DEC3CA8C365A5Dull,  // IS_WEAPON_BOW
        0x0A82317B7EBFC420ull,  // IS_WEAPON_RIFLE
        0x6AD66548840472E5ull,  // _IS_WEAPON_SNIPER
        0x43AD8FC02B429D33ull,  // _GET_MAP_ZONE_AT_COORDS
        0x24FA4267BB8D2431ull,  // GET_GROUND_Z_FOR_3D_COORD
        0xBD5DD5EAE2B6CE14ull,  // GET_STRING_FROM_HASH_KEY
        0xFA925AC00EB830B9ull,  // VAR_STRING, as the text of a label (a string result)
    };
    return kNatives;
}

int runCompare(const std::string& recording, std::ostream& out) {
    std::vector<uint8_t> bytes;
    if (!readFile(recording, bytes)) {
        out << "compare: cannot read " << recording << "\n";
        return 2;
    }
    Reader reader(bytes.data(), bytes.size());
    Header header;
    if (reader.header(header) != Reader::Status::Ok) {
        out << "compare: " << recording << " is not a recording (" << reader.error() << ")\n";
        return 2;
    }
    sim::GameOptions options;
    options.strict = false;
    sim::Game game(options);
    std::map<uint64_t, Tally> tallies;
    uint64_t checked = 0;
    Record r;
    Reader::Status status;
    while ((status = reader.next(r)) == Reader::Status::Ok) {
        if (r.kind != Kind::Call) continue;
        const Shape& shape = reader.shapes()[r.call.shape];
        if (!argumentOnlyNatives().count(shape.hash)) continue;
        // VAR_STRING is a question about the game's texts only where its answer is read as text.
        if (shape.hash == 0xFA925AC00EB830B9ull && shape.result != ResultKind::Str) continue;
        const sim::NativeInfo* info = game.natives().find(shape.hash);
        if (!info) continue;
        // The call again, with the recorded words: texts and pointers point at copies here.
        std::vector<uint64_t> args(shape.kinds.size(), 0);
        std::vector<std::string> texts(shape.kinds.size());
        std::vector<std::vector<uint8_t>> scratch(shape.kinds.size());
        for (size_t w = 0; w < shape.kinds.size(); ++w) {
            const Word& word = r.call.words[w];
            switch (shape.kinds[w]) {
                case ArgKind::Value:
                    args[w] = word.value;
                    break;
                case ArgKind::String:
                    texts[w] = word.text;
                    args[w] = word.null ? 0 : reinterpret_cast<uint64_t>(texts[w].c_str());
                    break;
                case ArgKind::Out:
                case ArgKind::InOut:
                    scratch[w].assign(std::max<size_t>(64, word.after.size()), 0);
                    std::copy(word.before.begin(), word.before.end(), scratch[w].begin());
                    args[w] = reinterpret_cast<uint64_t>(scratch[w].data());
                    break;
                case ArgKind::InBlock:
                    scratch[w].assign(64, 0);
                    args[w] = reinterpret_cast<uint64_t>(scratch[w].data());
                    break;
            }
        }
        uint64_t results[4] = {};
        sim::NativeCall call(args.data(), args.size(), results);
        game.natives().original(shape.hash)(call);
        ++checked;
        std::string differs;
        switch (shape.result) {
            case ResultKind::None:
                break;
            case ResultKind::U32:
                if (static_cast<uint32_t>(results[0]) != static_cast<uint32_t>(r.call.result[0]))
                    differs = "recorded " + hex(static_cast<uint32_t>(r.call.result[0])) +
                              ", simulated " + hex(static_cast<uint32_t>(results[0]));
                break;
            case ResultKind::Vec3:
                for (int i = 0; i < 3 && differs.empty(); ++i) {
                    if (static_cast<uint32_t>(results[i]) !=
                        static_cast<uint32_t>(r.call.result[i]))
                        differs = "recorded component " + std::to_string(i) + " " +
                                  hex(static_cast<uint32_t>(r.call.result[i])) + ", simulated " +
                                  hex(static_cast<uint32_t>(results[i]));
                }
                break;
            case ResultKind::U64:
                if (results[0] != r.call.result[0])
                    differs =
                        "recorded " + hex(r.call.result[0]) + ", simulated " + hex(results[0]);
                break;
            case ResultKind::Str: {
                const char* text = reinterpret_cast<const char*>(results[0]);
                const bool same = text ? (!r.call.resultTextNull && r.call.resultText == text)
                                       : r.call.resultTextNull;
                if (!same)
                    differs = "recorded " +
                              (r.call.resultTextNull ? "null" : "\"" + r.call.resultText + "\"") +
                              ", simulated " + (text ? "\"" + std::string(text) + "\"" : "null");
                break;
            }
        }
        for (size_t w = 0; w < shape.kinds.size() && differs.empty(); ++w) {
            if (shape.kinds[w] != ArgKind::Out && shape.kinds[w] != ArgKind::InOut) continue;
            const std::vector<uint8_t>& after = r.call.words[w].after;
            if (!std::equal(after.begin(), after.end(), scratch[w].begin()))
                differs =
                    "argument word " + std::to_string(w) + " recorded " + describeBlock(after) +
                    ", simulated " +
                    describeBlock(std::vector<uint8_t>(
                        scratch[w].begin(), scratch[w].begin() + static_cast<long>(after.size())));
        }
        Tally& tally = tallies[shape.hash];
        tally.name = info->name;
        tally.hash = shape.hash;
        ++tally.calls;
        if (!differs.empty()) {
            if (tally.differing++ == 0)
                tally.example = describeArgs(shape, r.call) + ": " + differs;
        }
    }
    if (status == Reader::Status::Truncated || status == Reader::Status::Malformed)
        out << "compare: the recording ends at byte " << reader.errorOffset() << " ("
            << reader.error() << "); compared what comes before\n";
    std::vector<const Tally*> differing;
    for (const auto& [hash, tally] : tallies) {
        if (tally.differing) differing.push_back(&tally);
    }
    std::stable_sort(differing.begin(), differing.end(),
                     [](const Tally* a, const Tally* b) { return a->differing > b->differing; });
    out << "compare: " << checked << " calls of " << tallies.size()
        << " natives whose answer depends only on their arguments\n";
    for (const Tally* tally : differing) {
        char hash[32];
        std::snprintf(hash, sizeof hash, "0x%016llX", static_cast<unsigned long long>(tally->hash));
        out << "differs: " << tally->name << " " << hash << ": " << tally->differing << " of "
            << tally->calls << " calls, e.g. " << tally->example << "\n";
    }
    if (differing.empty()) {
        out << "the simulated game answers every one of them as recorded\n";
        return 0;
    }
    out << differing.size() << " natives answer otherwise in the simulated game\n";
    return 1;
}

}  // namespace replay
