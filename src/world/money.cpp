#include "world/money.h"

#include <climits>
#include <cmath>
#include <limits>

#include "core/natives.h"

namespace bf {

int32_t centsOf(float dollars) {
    if (std::isnan(dollars)) return 0;
    const float product = dollars * 100.0f;
    // Prices are written to the cent, yet a float holds few of them exactly (2.10 is 2.0999999):
    // a product short of a whole cent by float error alone pays that cent; a real fraction of a
    // cent is dropped.
    const float nearest = std::round(product);
    const bool whole = std::fabs(product - nearest) <=
                       4.0f * std::numeric_limits<float>::epsilon() * std::fabs(nearest);
    const double cents = whole ? nearest : std::trunc(product);
    // Clamped so that an absurd price cannot overflow the conversion.
    const double limit = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::fmax(-limit, std::fmin(limit, cents)));
}

bool movePlayerCash(int32_t cents) {
    if (cents == 0) return false;
    if (cents > 0) {
        natives::addPlayerCash(cents, natives::getHashKey("ADD_REASON_DEFAULT"));
        return true;
    }
    // The game takes nothing from a player who has less.
    return natives::removePlayerCash(cents == INT32_MIN ? INT32_MAX : -cents);
}

}  // namespace bf
