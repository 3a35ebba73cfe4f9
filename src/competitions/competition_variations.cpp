#include "competitions/competition_variations.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

#include "core/log.h"
#include "core/text.h"
#include "data/dict_data_file.h"
#include "data/text_keys.h"

namespace bf {

namespace {

constexpr const char* kPrefix = "variations.";
constexpr size_t kRowValues = 4;

// Empty, or beginning with a blank (which the number readers would skip).
bool startsBlank(const std::string& text) {
    return text.empty() || std::isspace(static_cast<unsigned char>(text.front())) != 0;
}

// A whole number written out completely ("3", "-2"); nothing for "3x", " 3", "" or one out of
// the 32-bit range.
std::optional<int32_t> wholeNumber(const std::string& text) {
    if (startsBlank(text)) return std::nullopt;
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (end != begin + text.size() || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// A number written out completely ("1.25", "3"); nothing for "1,5", "1.2x", "nan" or "".
std::optional<float> number(const std::string& text) {
    if (startsBlank(text)) return std::nullopt;
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const float value = std::strtof(begin, &end);
    if (end != begin + text.size() || errno == ERANGE || !(value == value)) return std::nullopt;
    return value;
}

bool isCompetitionAnimal(const std::string& model) {
    const auto& models = kCompetitionAnimalModels;
    return std::any_of(models.begin(), models.end(),
                       [&model](const char* known) { return model == known; });
}

// The variation of a row, or the reason it cannot be one.
std::optional<CompetitionVariation> parseRow(int32_t index, const std::string& row,
                                             std::string& why) {
    if (row.empty()) {
        why = "the row is missing";
        return std::nullopt;
    }
    const std::vector<std::string> values = splitString(row, ',');
    if (values.size() != kRowValues || row.back() == ',') {
        why = "expected 4 values (model,outfit,scale,health)";
        return std::nullopt;
    }
    CompetitionVariation variation;
    variation.number = index;
    variation.model = values[0];
    if (!isCompetitionAnimal(variation.model)) {
        why = "unknown model '" + variation.model + "' (not one of the competition animals)";
        return std::nullopt;
    }
    const auto outfit = wholeNumber(values[1]);
    if (!outfit || *outfit < 0) {
        why = "the outfit '" + values[1] + "' is not a whole number of 0 or more";
        return std::nullopt;
    }
    variation.outfit = *outfit;
    const auto scale = number(values[2]);
    if (!scale || *scale < CompetitionVariations::kMinScale ||
        *scale > CompetitionVariations::kMaxScale) {
        why = "the scale '" + values[2] + "' is not a number from 0.5 to 2";
        return std::nullopt;
    }
    variation.scale = *scale;
    const auto health = number(values[3]);
    if (!health || *health < CompetitionVariations::kMinHealth ||
        *health > CompetitionVariations::kMaxHealth) {
        why = "the health '" + values[3] + "' is not a number from 1 to 10";
        return std::nullopt;
    }
    variation.health = *health;
    return variation;
}

}  // namespace

void CompetitionVariations::load(const DictDataFile& file) {
    if (loaded_) return;
    loaded_ = true;
    const std::string countKey = std::string(kPrefix) + "count";
    const std::string& countText = file.getString(countKey);
    std::optional<int32_t> count = countText.empty() ? 0 : wholeNumber(countText);
    if (!count) {
        logMessage("WARN: CompetitionVariations: " + countKey + " '" + countText +
                   "' is not a whole number; no variations loaded");
        count = 0;
    }
    // A mistyped huge count reads no more rows than the file could hold.
    const auto entries = static_cast<int64_t>(file.entryCount());
    if (*count > entries) {
        logMessage("WARN: CompetitionVariations: " + countKey + " claims " +
                   std::to_string(*count) + " variations but the file holds " +
                   std::to_string(entries) + " entries; reading only those");
        count = static_cast<int32_t>(entries);
    }
    for (int32_t n = 0; n < *count; ++n) {
        const std::string key = kPrefix + std::to_string(n);
        const std::string& row = file.getString(key);
        std::string why;
        if (auto variation = parseRow(n, row, why)) {
            variations_.push_back(std::move(*variation));
        } else {
            std::string line = "WARN: CompetitionVariations: " + key;
            line.append(" skipped: ").append(why).append(": \"").append(row).append("\"");
            logMessage(line);
        }
    }
    logMessage("CompetitionVariations: variations loaded: " + std::to_string(variations_.size()));
}

std::vector<const CompetitionVariation*> CompetitionVariations::forModel(
    const std::string& model) const {
    std::vector<const CompetitionVariation*> fitting;
    for (const CompetitionVariation& variation : variations_) {
        if (variation.model == model) fitting.push_back(&variation);
    }
    return fitting;
}

}  // namespace bf
