#include "trading/cargo_appraisal.h"

#include <cmath>
#include <cstring>
#include <optional>

#include "core/decorators.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/settings.h"
#include "core/text.h"
#include "data/dict_data_file.h"
#include "data/tuning.h"
#include "world/money.h"
#include "world/owned.h"

namespace bf {

float CargoAppraiser::calculateCargoScore(int32_t horse) const {
    OwnedItemSet cargo(natives::createItemset(true));
    natives::findAllAttachedCarriableEntities(horse, cargo.get());
    const int32_t count = natives::getItemsetSize(cargo.get());
    logMessage("calculateCargoScore: carriable entities count: " + std::to_string(count));
    float sum = 0.0f;
    int32_t scored = 0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t entity = natives::getIndexedItemInItemset(i, cargo.get());
        const float score = calculateEntityScore(entity);
        const bool counts = score < 0.0f || score > 0.0f;
        if (counts) {
            sum += score;
            ++scored;
        }
        logMessage("calculateCargoScore: entity result: [" + std::to_string(i) + "] " +
                   getEntityItemName(entity) + ", score: " + formatFixed(score) +
                   (counts ? "" : ", ignoring"));
    }
    cargo.reset();
    if (scored == 0) {
        logMessage("calculateCargoScore: to tradable entities found");
        return 0.0f;
    }
    const float result = sum / static_cast<float>(scored);
    logMessage("calculateCargoScore: final scores sum: " + formatFixed(sum) +
               " result: " + formatFixed(result));
    return result;
}

float CargoAppraiser::calculateEntityScore(int32_t entity) const {
    if (entity == 0) return 0.0f;
    const bool animal = natives::isPedAnimal(entity);
    const bool pelt = natives::isEntityAPelt(entity);
    if (!animal && !pelt) {
        logMessage("calculateEntityScore: entity is neither an animal nor a pelt");
        return 0.0f;
    }
    const int32_t quality = getEntityQuality(entity);
    if (quality < 0) {
        logMessage("calculateEntityScore: invalid quality");
        return 0.0f;
    }
    float scale = natives::decorGetFloat(entity, kDecorScale);
    if (!(scale > 0.0f)) scale = 1.0f;
    float condition = natives::getIsPredator(entity) ? 2.0f : 1.0f;
    if (natives::getIsBird(entity)) condition = static_cast<float>(condition * 0.85);
    if (natives::isEntityFullyLooted(entity)) condition = static_cast<float>(condition * 0.65);
    return scale * (condition * ((static_cast<float>(quality) + 1.0f) * 0.5f));
}

namespace {

// A price read from a data file, or nothing when the key is missing or its value is no sane
// price (the value is then logged, as no buyer may pay from it).
std::optional<float> readPrice(const DictDataFile& file, const std::string& key) {
    return file.getFloatWithin(key, 0.0f, CargoAppraiser::kMaxPriceDollars, "read as absent");
}

float readPriceScaleSetting() {
    const float scale = getSettingFloat("PriceScale");
    if (!std::isfinite(scale)) {
        logMessage("WARN: " + describeBadValue("Settings.ini", "PriceScale",
                                               getSettingString("PriceScale"),
                                               "not a finite number, 1.0 is used"));
        return 1.0f;
    }
    return std::fmax(scale, 0.0f);
}

}  // namespace

float CargoAppraiser::priceScale() {
    return readPriceScaleSetting();
}

int32_t CargoAppraiser::calculatePrice(int32_t entity) const {
    return calculatePrice(entity, priceScale());
}

int32_t CargoAppraiser::calculatePrice(int32_t entity, float priceScale) const {
    const std::string item = getEntityItemName(entity);
    const std::optional<float> listed = readPrice(animalPrices_, item);
    float price = 0.0f;
    if (listed && *listed > 0.0f) {
        price = *listed;
    } else if (const auto base = tuningValue(generalMeta_, Tuning::BasePrice)) {
        price = *base * calculateEntityScore(entity);
    } else {
        logMessage("WARN: calculatePrice: no price for \"" + item + "\", the buyer pays nothing");
        return 0;
    }
    price *= priceScale;
    if (!(price <= kMaxPriceDollars)) {
        logMessage("WARN: calculatePrice: \"" + item + "\" comes to " + formatFixed(price) +
                   " dollars, paid as " + formatFixed(kMaxPriceDollars));
        price = kMaxPriceDollars;
    }
    return centsOf(price);
}

int32_t qualityFromItemText(const char* text) {
    if (!text || std::strlen(text) < 2) return -1;
    if (text[0] == 'G') return 1;
    if (text[0] == 'P') return text[1] == 'e' ? 2 : 0;
    return 1;
}

int32_t getEntityQuality(int32_t entity) {
    if (natives::isEntityAPed(entity)) return natives::getPedDamageCleanliness(entity);
    if (!natives::isEntityAPelt(entity)) return -1;
    const uint32_t item = getEntityItemHash(entity);
    if (item == 0) return -1;
    return qualityFromItemText(natives::getLabelText(item));
}

uint32_t getEntityItemHash(int32_t entity) {
    const int32_t quality = natives::getPedDamageCleanliness(entity);
    uint32_t item = 0;
    if (natives::computeSatchelItemForPedDamage(&item, entity, quality) != 0) return item;
    return natives::getCarriableFromEntity(entity);
}

std::string getEntityItemName(int32_t entity) {
    const uint32_t item = getEntityItemHash(entity);
    if (item == 0) return "";
    const char* text = natives::getLabelText(item);
    return text ? text : "";
}

}  // namespace bf
