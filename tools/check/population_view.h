// The population at a glance: per character, every district's factor per animal type as the
// plug-in would use it now (the stored factor times the character's development factor, at most
// 1), most depleted first, as text bars or as an SVG chart.
//
// Read the way the plug-in reads it: a development factor below 1 (or none) counts as 1, a stored
// factor of 0 or less (or none) as 1; entries that do not read as numbers are left out (the check
// reports them).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace bfcheck {

struct PopulationRow {
    std::string district;  // its name, or the id for one the plug-in does not name
    std::string animal;    // the type's word ("deer"), or the id for an unknown type
    float factor = 1.0f;   // effective: min(1, stored x development)
};

struct CharacterPopulation {
    std::string character;  // "John", "Arthur"
    float development = 1.0f;
    std::vector<PopulationRow> rows;  // most depleted first
};

// The word of a game animal type hash ("deer"), or "type N" for one the checker does not know.
std::string animalTypeName(int32_t type);
// The text followed by blanks up to `width` bytes (a text column of the checker's views).
std::string padded(std::string text, size_t width);
// "a&amp;b" for "a&b": a text fit for an SVG picture.
std::string svgEscaped(const std::string& text);

std::vector<CharacterPopulation> readPopulation(const std::filesystem::path& dataFolder);

// One line per row: district, animal, a bar of 20 and the factor with two decimals.
std::string populationText(const std::vector<CharacterPopulation>& population);
std::string populationSvg(const std::vector<CharacterPopulation>& population);

}  // namespace bfcheck
