#include "check/population_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "check/folder_reader.h"
#include "core/game_hash.h"
#include "core/text.h"
#include "world/map_districts.h"
#include "world/towns.h"
#include "world/world_tables.h"

namespace bfcheck {

namespace fs = std::filesystem;

namespace {

// The words the game makes the animal type hashes from.
constexpr const char* kTypeWords[] = {"alligator", "bear",      "deer",   "cougar",  "bull",
                                      "moose",     "panther",   "boar",   "coyote",  "duck",
                                      "goose",     "pronghorn", "rabbit", "bighorn", "elk",
                                      "wolf",      "fox",       "bison",  "raccoon"};

bool readFloat(const std::string& text, float& value) {
    const NumberReading reading = readNumber(text, true);
    if (!reading.isNumber || reading.outOfRange) return false;
    value = static_cast<float>(reading.value);
    return true;
}

std::string twoDecimals(float value) {
    return bf::formatDecimals(value, 2);
}

// Red when a population is down to a third, amber to two thirds, green above.
const char* barColour(float factor) {
    if (factor <= 1.0f / 3.0f) return "rgb(190,60,50)";
    if (factor <= 2.0f / 3.0f) return "rgb(215,160,50)";
    return "rgb(90,160,80)";
}

std::string escaped(const std::string& text) {
    return svgEscaped(text);
}

}  // namespace

std::string animalTypeName(int32_t type) {
    for (const char* word : kTypeWords) {
        if (bf::literalGameHash(word) == static_cast<uint32_t>(type)) return word;
    }
    return "type " + std::to_string(type);
}

std::string padded(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string svgEscaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<CharacterPopulation> readPopulation(const fs::path& dataFolder) {
    std::vector<Problem> ignored;  // the check reports what cannot be read
    FolderReader reader(dataFolder, ignored);
    const bf::TownRecords towns = bf::buildTownRecords(false);
    bf::PlacesList places;
    const bf::WorldPositionTable positions;
    const bf::MapDistricts districts(places, positions, towns);

    struct Stored {
        std::string district;
        std::string animal;
        float factor;
    };
    std::vector<Stored> stored;
    std::error_code error;
    const fs::path folder = dataFolder / "AnimalsPopulation";
    std::vector<fs::path> files;
    if (fs::is_directory(folder, error)) {
        for (const auto& item : fs::directory_iterator(folder, error)) {
            if (item.path().extension() == ".dat") files.push_back(item.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& path : files) {
        const NumberReading id = readNumber(path.stem().string(), false);
        if (!id.isNumber || id.outOfRange || !id.rest.empty()) continue;
        const auto district = static_cast<uint32_t>(static_cast<int32_t>(id.value));
        const std::string* name = districts.districtName(district);
        const std::string districtText = name ? *name : "district " + path.stem().string();
        const ReadFile file =
            reader.read("AnimalsPopulation/" + path.filename().string(), FileKind::Data, false);
        for (const auto& [key, entry] : file.entries) {
            const NumberReading type = readNumber(key, false);
            float factor = 0.0f;
            if (!type.isNumber || type.outOfRange || !readFloat(entry.value, factor)) continue;
            if (factor <= 0.0f) factor = 1.0f;
            stored.push_back(
                {districtText, animalTypeName(static_cast<int32_t>(type.value)), factor});
        }
    }

    std::vector<CharacterPopulation> population;
    for (const char* character : {"John", "Arthur"}) {
        CharacterPopulation one;
        one.character = character;
        const ReadFile status =
            reader.read(std::string("AnimalsPopulation/PopulationStatus.") + character + ".dat",
                        FileKind::Data, false);
        if (const auto it = status.entries.find("development_factor"); it != status.entries.end()) {
            float development = 1.0f;
            if (readFloat(it->second.value, development) && development >= 1.0f) {
                one.development = development;
            }
        }
        for (const Stored& s : stored)
            one.rows.push_back({s.district, s.animal, std::min(1.0f, s.factor * one.development)});
        std::stable_sort(one.rows.begin(), one.rows.end(),
                         [](const PopulationRow& a, const PopulationRow& b) {
                             if (a.factor != b.factor) return a.factor < b.factor;
                             if (a.district != b.district) return a.district < b.district;
                             return a.animal < b.animal;
                         });
        population.push_back(std::move(one));
    }
    return population;
}

std::string populationText(const std::vector<CharacterPopulation>& population) {
    constexpr int kBar = 20;
    std::string text;
    for (const CharacterPopulation& c : population) {
        text += c.character + " (development factor " + twoDecimals(c.development) + ")";
        text += c.rows.empty() ? ": no district hunted yet, every population is full\n"
                               : ", most depleted first:\n";
        for (const PopulationRow& row : c.rows) {
            const int filled = static_cast<int>(std::lround(row.factor * kBar));
            text += "  " + padded(row.district, 20) + " " + padded(row.animal, 12) + " [" +
                    std::string(static_cast<size_t>(filled), '#') +
                    std::string(static_cast<size_t>(kBar - filled), '.') + "] " +
                    twoDecimals(row.factor) + "\n";
        }
    }
    return text;
}

std::string populationSvg(const std::vector<CharacterPopulation>& population) {
    constexpr int kWidth = 760, kRow = 22, kHeading = 40, kBarLeft = 300, kBarWidth = 360;
    int height = 20;
    for (const CharacterPopulation& c : population)
        height += kHeading + kRow * static_cast<int>(std::max<size_t>(c.rows.size(), 1)) + 10;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(kWidth) + "\" height=\"" + std::to_string(height) +
                      "\" font-family=\"sans-serif\" font-size=\"14\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    int y = 20;
    for (const CharacterPopulation& c : population) {
        y += kHeading;
        svg += "<text x=\"10\" y=\"" + std::to_string(y - 14) +
               "\" font-size=\"18\" font-weight=\"bold\">" + escaped(c.character) +
               " (development factor " + twoDecimals(c.development) + ")</text>\n";
        if (c.rows.empty()) {
            svg += "<text x=\"20\" y=\"" + std::to_string(y + 4) +
                   "\">no district hunted yet, every population is full</text>\n";
            y += kRow;
        }
        for (const PopulationRow& row : c.rows) {
            const int bar = static_cast<int>(std::lround(row.factor * kBarWidth));
            svg += "<text x=\"20\" y=\"" + std::to_string(y + 4) + "\">" + escaped(row.district) +
                   "</text><text x=\"180\" y=\"" + std::to_string(y + 4) + "\">" +
                   escaped(row.animal) + "</text>";
            svg += "<rect x=\"" + std::to_string(kBarLeft) + "\" y=\"" + std::to_string(y - 10) +
                   "\" width=\"" + std::to_string(kBarWidth) +
                   "\" height=\"16\" fill=\"rgb(230,230,230)\"/>";
            svg += "<rect x=\"" + std::to_string(kBarLeft) + "\" y=\"" + std::to_string(y - 10) +
                   "\" width=\"" + std::to_string(bar) + "\" height=\"16\" fill=\"" +
                   barColour(row.factor) + "\"/>";
            svg += "<text x=\"" + std::to_string(kBarLeft + kBarWidth + 10) + "\" y=\"" +
                   std::to_string(y + 4) + "\">" + twoDecimals(row.factor) + "</text>\n";
            y += kRow;
        }
        y += 10;
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace bfcheck
