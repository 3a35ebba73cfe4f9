// Cargo scoring and pricing: what a buyer makes of the pelts and carcasses on the player's horse.
//
// An entity scores scale × condition × quality weight (quality 0, 1, 2 weigh 0.5, 1.0, 1.5; the
// condition is 2 when the game calls it pristine, times 0.85 for an animal of fixed size, times
// 0.65 when spoiled); 0.0 means it does not count. The cargo score is the average of the entities
// that count. A price comes from AnimalPrices.dat by the item's text, or, without a positive list
// price, from "trade.base_price" × score; "PriceScale" multiplies both.
//
// Prices are whole cents, from 0 to $10,000. A list or base price that is negative, not finite or
// above $10,000 counts as absent (logged); "PriceScale" counts as 0 below 0 and as 1.0 when not
// finite. Where the data gives no price the result is 0 and the log names the item: the buyer
// then declines, so a sale can neither take the player's money nor give the pelt away.
#pragma once

#include <cstdint>
#include <string>

namespace bf {

class DictDataFile;

class CargoAppraiser {
  public:
    // Both files must outlive the appraiser.
    CargoAppraiser(const DictDataFile& animalPrices, const DictDataFile& generalMeta)
        : animalPrices_(animalPrices), generalMeta_(generalMeta) {}

    // The average score of the scoreable entities on the horse; 0.0 when there are none. Logs
    // the count, each entity's score and the sum.
    float calculateCargoScore(int32_t horse) const;
    float calculateEntityScore(int32_t entity) const;
    static constexpr float kMaxPriceDollars = 10000.0f;

    // Cents, with "PriceScale" as it is now.
    int32_t calculatePrice(int32_t entity) const;
    // Cents, with a price scale read before (a trade keeps the one it began with).
    int32_t calculatePrice(int32_t entity, float priceScale) const;
    // "PriceScale" as prices use it: below 0 counts as 0, not finite as 1.0 (with a WARN).
    static float priceScale();

  private:
    const DictDataFile& animalPrices_;
    const DictDataFile& generalMeta_;
};

// 0, 1 or 2 (the game's value for an animal, read from the item text for a pelt); -1 when none
// can be found.
int32_t getEntityQuality(int32_t entity);
// The quality a pelt's item text stands for: "Pe…" 2 (perfect), any other "P…" 0 (poor), "G…"
// 1 (good), any other text 1; -1 for no text or one shorter than two characters.
int32_t qualityFromItemText(const char* text);
// The game's item hash of a carcass or pelt; 0 for anything else.
uint32_t getEntityItemHash(int32_t entity);
// The game's text for the item ("Perfect Buck Pelt"); "" when there is none.
std::string getEntityItemName(int32_t entity);

}  // namespace bf
