#include "check/record_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "check/population_view.h"
#include "core/log.h"
#include "core/text.h"
#include "data/dict_data_file.h"

namespace bfcheck {

namespace fs = std::filesystem;

namespace {

std::string dollars(int32_t cents) {
    char text[32];
    std::snprintf(text, sizeof text, "$%d.%02d", static_cast<int>(cents / 100),
                  static_cast<int>(cents % 100));
    return text;
}

std::string weightText(float kilograms) {
    return bf::formatDecimals(kilograms, 1) + " kg";
}

// The reader logs what it does; the checker reports it itself.
void quiet(const std::string&) {}

struct HeaviestRow {
    std::string animal;
    bf::HeaviestAnimal heaviest;
};

// Heaviest first; the same weight by name.
std::vector<HeaviestRow> heaviestRows(const bf::HunterTally& tally) {
    std::vector<HeaviestRow> rows;
    for (const auto& [type, animal] : tally.heaviest)
        rows.push_back({animalTypeName(type), animal});
    std::sort(rows.begin(), rows.end(), [](const HeaviestRow& a, const HeaviestRow& b) {
        if (a.heaviest.weight != b.heaviest.weight) return a.heaviest.weight > b.heaviest.weight;
        return a.animal < b.animal;
    });
    return rows;
}

}  // namespace

std::vector<CharacterRecord> readRecords(const fs::path& dataFolder) {
    std::vector<CharacterRecord> records;
    bf::setLogSink(quiet);
    for (const char* character : {"John", "Arthur"}) {
        CharacterRecord one;
        one.character = character;
        one.file = fs::path(bf::HunterRecord::filePath(character)).filename().string();
        const fs::path path = dataFolder / one.file;
        std::error_code error;
        one.present = fs::exists(fs::symlink_status(path, error));
        if (one.present) {
            // Read here rather than by load(), which would also remove a leftover .tmp file: the
            // checker changes nothing.
            std::ifstream in(path, std::ios::binary);
            bf::DictDataFile file(path.string());
            file.readBadValuesAsAbsent();
            if (fs::is_directory(path, error) || !in) {
                one.damage = "it cannot be opened";
            } else {
                file.loadText(bf::readWholeStream(in));
                one.tally = bf::readTally(file);
                one.damage = file.damage();
            }
            if (!one.damage.empty()) one.tally = {};
        }
        records.push_back(std::move(one));
    }
    bf::setLogSink(nullptr);
    return records;
}

bool anyDamaged(const std::vector<CharacterRecord>& records) {
    return std::any_of(records.begin(), records.end(),
                       [](const CharacterRecord& r) { return !r.damage.empty(); });
}

std::string recordText(const std::vector<CharacterRecord>& records) {
    std::string text;
    for (const CharacterRecord& r : records) {
        text += r.character + ":";
        if (!r.damage.empty()) {
            text += " " + r.file + " is damaged (" + r.damage + "); the plug-in keeps it as " +
                    r.file + ".bad and starts afresh\n";
            continue;
        }
        if (!r.present) {
            text += " no record yet\n";
            continue;
        }
        const bf::HunterTally& t = r.tally;
        text += "\n  competitions: " + std::to_string(t.offered) + " offered, " +
                std::to_string(t.taken) + " taken: " + std::to_string(t.won) + " won, " +
                std::to_string(t.lost) + " lost, " + std::to_string(t.drawn) + " drawn, " +
                std::to_string(t.aborted) + " aborted\n";
        text += "  money: " + dollars(t.moneyWonCents) + " won, " + dollars(t.moneyLostCents) +
                " lost\n";
        const auto rows = heaviestRows(t);
        text += rows.empty() ? "  heaviest animals: none taken yet\n" : "  heaviest animals:\n";
        for (const HeaviestRow& row : rows) {
            text += "    " + padded(row.animal, 12) + " " +
                    padded(weightText(row.heaviest.weight), 10) + " " +
                    (row.heaviest.date.empty() ? "(no date)" : row.heaviest.date) + "\n";
        }
    }
    return text;
}

std::string recordSvg(const std::vector<CharacterRecord>& records) {
    constexpr int kWidth = 760, kRow = 22, kHeading = 40, kBarLeft = 160, kBarWidth = 420;
    int height = 20;
    std::vector<std::vector<HeaviestRow>> rows;
    for (const CharacterRecord& r : records) {
        rows.push_back(heaviestRows(r.tally));
        height += kHeading + kRow * static_cast<int>(std::max<size_t>(rows.back().size(), 1)) + 10;
    }
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(kWidth) + "\" height=\"" + std::to_string(height) +
                      "\" font-family=\"sans-serif\" font-size=\"14\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    int y = 20;
    for (size_t i = 0; i < records.size(); ++i) {
        const CharacterRecord& r = records[i];
        y += kHeading;
        svg += "<text x=\"10\" y=\"" + std::to_string(y - 14) +
               "\" font-size=\"18\" font-weight=\"bold\">" + svgEscaped(r.character) +
               ", heaviest animals taken</text>\n";
        if (rows[i].empty()) {
            svg += "<text x=\"20\" y=\"" + std::to_string(y + 4) + "\">" +
                   (r.damage.empty() ? "none taken yet" : "record damaged, starts afresh") +
                   "</text>\n";
            y += kRow;
        }
        // Bars scaled to the character's heaviest animal.
        const float top = rows[i].empty() ? 1.0f : rows[i].front().heaviest.weight;
        for (const HeaviestRow& row : rows[i]) {
            const int bar = static_cast<int>(std::lround(row.heaviest.weight / top * kBarWidth));
            svg += "<text x=\"20\" y=\"" + std::to_string(y + 4) + "\">" + svgEscaped(row.animal) +
                   "</text>";
            svg += "<rect x=\"" + std::to_string(kBarLeft) + "\" y=\"" + std::to_string(y - 10) +
                   "\" width=\"" + std::to_string(kBarWidth) +
                   "\" height=\"16\" fill=\"rgb(230,230,230)\"/>";
            svg += "<rect x=\"" + std::to_string(kBarLeft) + "\" y=\"" + std::to_string(y - 10) +
                   "\" width=\"" + std::to_string(bar) +
                   "\" height=\"16\" fill=\"rgb(90,160,80)\"/>";
            svg += "<text x=\"" + std::to_string(kBarLeft + kBarWidth + 10) + "\" y=\"" +
                   std::to_string(y + 4) + "\">" + svgEscaped(weightText(row.heaviest.weight)) +
                   " " + svgEscaped(row.heaviest.date) + "</text>\n";
            y += kRow;
        }
        y += 10;
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace bfcheck
